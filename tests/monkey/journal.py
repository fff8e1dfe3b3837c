"""What the monkey did and saw, with times, and the run's counters."""

import collections
import time

SCREEN_NAMES = {
    "ACD_Sub": "title", "ACD_Main": "battle", "ACD_Continue": "continue",
    "ACD_OmakeCG0A": "viewer A", "ACD_OmakeCG0C": "viewer C", "ACD_OmakeMode": "bonus menu",
}


class Journal:
    """Every action and observation as one timestamped line: all of them go
    to the run's file, the current game's are kept for a failure report."""

    def __init__(self, path: str):
        self._t0 = time.monotonic()
        self._file = open(path, "w", encoding="utf-8")
        self._game = 0
        self.game_lines: list = []
        self.actions = 0
        self.game_actions = 0
        self.screens = collections.Counter()
        self.game_screens = collections.Counter()
        self.boxes_answered = 0
        self.game_boxes = 0

    def start_game(self, index: int):
        self._game = index
        self.game_lines = []
        self.game_actions = 0
        self.game_screens = collections.Counter()
        self.game_boxes = 0

    def action(self, text: str):
        self.actions += 1
        self.game_actions += 1
        self._write("do ", text)

    def note(self, text: str):
        self._write("see", text)

    def screen_shown(self, role: str):
        name = SCREEN_NAMES.get(role, role)
        self.screens[name] += 1
        self.game_screens[name] += 1
        self.note(f"{name} screen ({role})")

    def box_answered(self):
        self.boxes_answered += 1
        self.game_boxes += 1

    def elapsed(self) -> float:
        return time.monotonic() - self._t0

    def _write(self, kind: str, text: str):
        line = f"[{self.elapsed():8.3f}] g{self._game} {kind} {text}"
        self.game_lines.append(line)
        self._file.write(line + "\n")
        self._file.flush()

    def close(self):
        self._file.close()


def screen_counts(counter) -> str:
    return ", ".join(f"{name} {counter[name]}" for name in SCREEN_NAMES.values())
