"""One game for the monkey: a private copy of the game folder, the settings
file written before each run, the process, and what its exit and log say."""

import os
import re
import shutil
import signal
import subprocess
import tempfile
from typing import Optional

SANITIZER_REPORT = re.compile(
    r"ERROR: AddressSanitizer|runtime error:|ERROR: LeakSanitizer|SUMMARY: \w*Sanitizer")
FATAL_LINE = "Orvalis: fatal error"


def random_settings(rng) -> Optional[str]:
    """None (no file), some options ticked, or the bonus unlocked (plus options)."""
    kind = rng.choice(["none", "options", "cleared"])
    if kind == "none":
        return None
    text = ""
    sound = [f"{key}=1\n" for key in ("BGM", "SE") if rng.random() < 0.5]
    if sound:
        text += "[Sound]\n" + "".join(sound)
    if rng.random() < 0.5:
        text += "[SPEC]\nLOW=1\n"
    if kind == "cleared":
        text += "[CLR]\nCH0=1\nCH1=1\nCH2=1\n"
    return text


class GameFolder:
    """The game, its img/ and snd/ in a folder of the monkey's own, so the
    settings file the game writes beside itself is the monkey's alone."""

    def __init__(self, binary: str):
        source = os.path.dirname(os.path.abspath(binary))
        self.path = tempfile.mkdtemp(prefix="orvalis-monkey-game-")
        self.binary = os.path.join(self.path, os.path.basename(binary))
        shutil.copy2(binary, self.binary)
        for sub in ("img", "snd"):
            shutil.copytree(os.path.join(source, sub), os.path.join(self.path, sub))
        self.settings = os.path.join(self.path, "Pelmo.ini")
        # The layout printer reads no files; it runs from where it was built.
        self.sim = os.path.join(source, "orvalis-sim")

    def write_settings(self, text: Optional[str]):
        if os.path.exists(self.settings):
            os.remove(self.settings)
        if text is not None:
            with open(self.settings, "w", encoding="utf-8") as f:
                f.write(text)

    def computer_layout(self, seed: int) -> Optional[dict]:
        """Where the computer hides its vehicles in the first battle of a game
        started with this seed: {(col, row): "指" or "戦"}; None without the tool."""
        if not os.access(self.sim, os.X_OK):
            return None
        out = subprocess.run([self.sim, "--layout", "--seed", str(seed)], capture_output=True,
                             text=True, timeout=30)
        layout = {}
        for line in out.stdout.splitlines():
            kind, col, row = line.split()  # "指 6 1": a command vehicle at column 6, row 1
            layout[(int(col), int(row))] = kind
        return layout if out.returncode == 0 and len(layout) == 7 else None

    def remove(self):
        shutil.rmtree(self.path, ignore_errors=True)


def game_env(base: dict, boxes_inside: bool) -> dict:
    env = dict(base)
    env.pop("QT_QPA_PLATFORM", None)  # the real X display, not the tests' offscreen one
    env.pop("WAYLAND_DISPLAY", None)
    if boxes_inside:
        # As on a Wayland desktop without Qt's Wayland plugin: the game falls
        # back to X11 and draws its boxes inside its window.
        env["WAYLAND_DISPLAY"] = "orvalis-monkey-no-compositor"
    env["SDL_AUDIODRIVER"] = "dummy"
    # The game ends with _Exit: leaks at exit say nothing.
    env["ASAN_OPTIONS"] = "detect_leaks=0:abort_on_error=0"
    env["UBSAN_OPTIONS"] = "print_stacktrace=1:halt_on_error=1"
    return env


class GameRun:
    """The running game; its stdout and stderr go to one log file."""

    def __init__(self, folder: GameFolder, seed: int, env: dict, lang: str, boxes_inside: bool):
        self.seed = seed
        self.log_path = os.path.join(folder.path, f"game-{seed}.log")
        with open(self.log_path, "wb") as log:
            self._proc = subprocess.Popen([folder.binary, "--seed", str(seed), "--lang", lang],
                                          cwd=folder.path,
                                          env=game_env(env, boxes_inside), stdout=log,
                                          stderr=subprocess.STDOUT)
        self.pid = self._proc.pid

    def status(self) -> Optional[int]:
        """The exit status once it has ended (negative: killed by that signal)."""
        return self._proc.poll()

    def wait(self, timeout: float) -> Optional[int]:
        try:
            return self._proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def kill(self):
        if self._proc.poll() is None:
            self._proc.kill()
            self._proc.wait()

    def log_text(self) -> str:
        with open(self.log_path, "rb") as f:
            return f.read().decode("utf-8", "replace")

    def sanitizer_report(self) -> Optional[str]:
        """The first line of a sanitizer report in the log, if any."""
        for line in self.log_text().splitlines():
            if SANITIZER_REPORT.search(line):
                return line.strip()
        return None

    def exit_problem(self, status: int, quit_asked: bool) -> Optional[str]:
        """Why this exit is a fault, or None for a requested clean exit."""
        report = self.sanitizer_report()
        if report:
            return f"sanitizer report: {report}"
        if status < 0:
            try:
                name = signal.Signals(-status).name
            except ValueError:
                name = "?"
            return f"crash: killed by signal {-status} ({name})"
        if status == 1:
            fatal = [l for l in self.log_text().splitlines() if FATAL_LINE in l]
            if fatal:
                return f"deliberate fatal-error exit (status 1): {fatal[0].strip()}"
        if status != 0:
            return f"abnormal exit status {status}"
        if not quit_asked:
            return "exit nobody asked for (status 0)"
        return None
