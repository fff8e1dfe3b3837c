"""Where things are on the game's screens, in window pixels (the screens'
tables are in twips, 15 to the pixel)."""

from typing import NamedTuple

COLS, ROWS = 19, 9
CELL = 30
BATTLE_CLIENT_HEIGHT = 602  # the battle window is this plus its menu bar


class Rect(NamedTuple):
    x: int
    y: int
    w: int
    h: int

    @staticmethod
    def twips(left: int, top: int, width: int, height: int) -> "Rect":
        return Rect(left // 15, top // 15, width // 15, height // 15)

    def point(self, rng, margin: float = 0.2) -> tuple:
        """A random point well inside, so a click cannot slip off an edge."""
        mx, my = int(self.w * margin), int(self.h * margin)
        return (self.x + rng.randint(mx, max(mx, self.w - 1 - mx)),
                self.y + rng.randint(my, max(my, self.h - 1 - my)))

    def moved(self, dy: int) -> "Rect":
        return Rect(self.x, self.y + dy, self.w, self.h)

    def grown(self, by: int) -> "Rect":
        return Rect(self.x - by, self.y - by, self.w + 2 * by, self.h + 2 * by)

    def contains(self, point: tuple) -> bool:
        return self.x <= point[0] < self.x + self.w and self.y <= point[1] < self.y + self.h


TITLE = {
    "start": Rect.twips(7852, 2745, 3960, 870),
    "bonus": Rect.twips(7845, 6195, 3975, 660),
    "quit": Rect.twips(7845, 8265, 3975, 660),
    "check SE": Rect.twips(8100, 7125, 195, 195),
    "check BGM": Rect.twips(10005, 7155, 165, 150),
    "check smooth scroll": Rect.twips(8115, 7830, 195, 180),
}

# Every screen opens where the last one was, so a click meant for one screen
# that arrives after a change of screens lands on the same spot of the next -
# here, perhaps, on the title's quit button.
TITLE_QUIT_ZONE = TITLE["quit"].grown(10)

CONTINUE = {
    "yes": Rect.twips(2760, 5565, 2685, 930),
    "no": Rect.twips(6315, 5565, 2685, 930),
}

BONUS_MENU = {
    "viewer A": Rect.twips(615, 1350, 1950, 1470),
    "viewer C": Rect.twips(5280, 1350, 855, 1470),
    "exit": Rect.twips(9600, 7920, 1980, 660),
}

# The battle's menu bar entries as measured with the game's font, in Japanese
# and in English: the middle and the width of each caption, in pixels from
# the left of the bar.
BATTLE_MENU = {
    "ja": {"quit question": (38, 57), "back to title": (118, 72), "surrender": (190, 43)},
    "en": {"quit question": (23, 24), "back to title": (84, 70), "surrender": (161, 55)},
}

# The rightmost of the player's shot icons: shown from the deployment on
# through the player's turn, hidden for the computer's turn and after the end.
PLAYER_SHOT_ICON = Rect.twips(8145, 4380, 255, 255)

# Message box buttons sit at the box's bottom right, 80 px wide, 7 apart.
BOX_BUTTON_FROM_RIGHT = 51
BOX_BUTTON_PITCH = 87
BOX_BUTTON_FROM_BOTTOM = 23


def menu_bar_height(window) -> int:
    return window.height - BATTLE_CLIENT_HEIGHT


def cell_rect(grid: str, col: int, row: int, bar: int) -> Rect:
    """A cell of the enemy ("E") or own ("M") field in battle window pixels."""
    top = 11 if grid == "E" else 318
    return Rect(12 + col * CELL, bar + top + row * CELL, CELL, CELL)


def menu_point(rng, entry: str, bar: int, lang: str) -> tuple:
    middle, width = BATTLE_MENU[lang][entry]
    return middle + rng.randint(-width // 3, width // 3), bar // 2


def box_button(box, index_from_right: int) -> tuple:
    return (box.width - BOX_BUTTON_FROM_RIGHT - BOX_BUTTON_PITCH * index_from_right,
            box.height - BOX_BUTTON_FROM_BOTTOM)
