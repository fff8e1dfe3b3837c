"""The monkey's hands: what it does on each screen and to each box. Every
choice comes from the game's seeded generator; the choices lean toward what
has broken games before - boxes held open while the clock runs behind them,
clicks during screen changes, closes through the window manager."""

import time
from typing import NamedTuple, Optional

import layout as L
from journal import SCREEN_NAMES

# The boxes' titles in the game's two languages.
QUIT_QUESTION = {"確認", "Confirm", "inside YesNo"}
RESULT_BOX = {"戦闘結果", "Battle Result", "inside Ok"}

QUIT_GRACE = 10.0  # s an exit counts as asked for after a quitting action
WIND_DOWN_PAUSE = 1.0  # s between the steps of quitting at the cap
SWITCH_SETTLE = 0.5  # s after a screen change before keys go to "the" focused window
CHAOS = 0.04  # share of random actions in a battle played on purpose
HOLD_MATCH = 3.0  # s within which a quit question is the one we opened on purpose
QUESTION_WAIT = 1.0  # s within which Escape or the quit entry must bring the question
ANSWER_WAIT = 5.0  # s within which a box answered from the keyboard must be gone
# How a box is answered. A box drawn inside the game window is no window of
# its own to click or close: there, every key a box answers.
BOX_HOWS = {"yes": {"click": 1, "Return": 1}, "no": {"click": 2, "Escape": 2, "alt+F4": 1},
            "ok": {"click": 2, "Return": 2, "Escape": 1, "alt+F4": 1}}
INSIDE_HOWS = {"yes": {"Return": 1, "KP_Enter": 1, "space": 1, "y": 1},
               "no": {"Escape": 2, "n": 1, "Tab Return": 1},
               "ok": {"Return": 2, "KP_Enter": 1, "space": 1, "Escape": 1, "Tab space": 1}}

RANDOM_BATTLE = {"grid": 45, "double": 6, "menu quit": 4, "menu title": 3, "menu surrender": 3,
                 "close": 3, "random": 8, "wait": 8, "keys": 14}
FIRST_BATTLE = {"win": 50, "lose": 35, "random": 15}
LATER_BATTLE = {"lose": 55, "random": 30, "win": 15}
# A battle played on purpose is not left by chance.
CHAOS_BATTLE = {"grid": 4, "double": 2, "random": 2, "keys": 3}
# The keyboard in a battle: cursor moves, Enter/Space on the cursor cell,
# bursts of both, and the ways to the quit question, the title and surrender.
BATTLE_KEYS = {"move": 30, "act": 20, "burst": 15, "Escape": 3, "alt+q": 2, "alt+t": 2,
               "alt+s": 2, "F10 Return": 2, "F10 Right Return": 2, "F10 Escape": 2}
KEYBOARD_HANDS = 0.3  # share of placements and shots made with the cursor keys
CURSOR_KEYS = ["Left", "Right", "Up", "Down", "Home", "End", "Prior", "Next"]


def pick(rng, table: dict):
    """One key of {choice: weight}."""
    return rng.choices(list(table), weights=list(table.values()))[0]


class BoxPlan(NamedTuple):
    wid: int
    due: float
    answer: str  # "yes", "no", "ok"
    how: str  # "click", "Return", "Escape", "alt+F4"


class BattlePlay:
    """What the monkey knows of one battle window and how it means to play it:
    "win" (at the computer's command vehicles when their cells are known),
    "lose" (at empty cells only, so the computer wins) or "random"."""

    def __init__(self, rng, shown: int, mode: str, layout: Optional[dict], now: float):
        self.shown = shown
        self.mode = mode
        self.opened = now
        self.own: list = []
        self.fired: set = set()
        self.targets = self._targets(rng, mode, layout)
        self.shots_this_turn = 0
        self.last_was_shot = False
        self.computer_turn = False

    @staticmethod
    def _targets(rng, mode, layout) -> list:
        cells = [(c, r) for r in range(L.ROWS) for c in range(L.COLS)]
        rng.shuffle(cells)
        if not layout:
            return cells
        empty = [cell for cell in cells if cell not in layout]
        if mode == "lose":
            return empty
        commands = [cell for cell, kind in layout.items() if kind == "指"]
        rng.shuffle(commands)
        return empty[:rng.randint(0, 6)] + commands

    def next_target(self, rng) -> tuple:
        if self.targets:
            return self.targets.pop(0)
        return rng.randrange(L.COLS), rng.randrange(L.ROWS)

    def new_own_cell(self, rng) -> tuple:
        while True:
            cell = rng.randrange(L.COLS), rng.randrange(L.ROWS)
            if cell not in self.own:
                return cell


class Player:
    def __init__(self, rng, desk, journal, layout: Optional[dict], lang: str):
        self.rng = rng
        self.lang = lang  # "ja" or "en": where the menu's captions stand
        self.desk = desk
        self.journal = journal
        self.layout = layout  # the computer's, first battle only
        self.quit_asked_at: Optional[float] = None
        self.quit_how = ""
        self.winding_down = False
        self._busy_until = 0.0
        self._switched_at = 0.0
        self._last_point = (0, 0)
        self._shown_since: dict = {}  # (wid, screen shown) -> when it became visible
        self._screen = None
        self._box = None
        self._plan: Optional[BoxPlan] = None
        self._hold: Optional[tuple] = None  # (seconds, asked at) for our own quit question
        self._battle: Optional[BattlePlay] = None
        # (due, screen shown, how) after a key or click that must bring the quit question.
        self._question_due: Optional[tuple] = None
        # (due, box shown, how) after keys that must answer a box.
        self._answer_due: Optional[tuple] = None
        self._battles = 0

    # --- looking -------------------------------------------------------------------

    def quit_asked(self, now: float) -> bool:
        return self.quit_asked_at is not None and now - self.quit_asked_at < QUIT_GRACE

    def step(self, windows: list, now: float):
        self._notice(windows, now)
        if now < self._busy_until:
            return
        if self._box:
            self._on_box(self._box, now)
        elif self._screen:
            self._on_screen(self._screen, now)

    def _notice(self, windows: list, now: float):
        visible = {(w.wid, w.shown) for w in windows}
        for key in list(self._shown_since):
            if key not in visible:
                del self._shown_since[key]
        for w in windows:
            if (w.wid, w.shown) not in self._shown_since:
                self._shown_since[(w.wid, w.shown)] = now
                self._announce(w)
        screens = [w for w in windows if w.is_screen]
        self._screen = max(screens, key=lambda w: self._shown_since[(w.wid, w.shown)],
                           default=None)
        self._box = self._top_box([w for w in windows if not w.is_screen])
        # Any box (the question, or a result that came first) or another
        # screen settles what the key was waiting for.
        if self._question_due and (self._box or not self._screen
                                   or self._screen.shown != self._question_due[1]):
            self._question_due = None
        if self._answer_due and self._answer_due[1] not in {w.shown for w in windows}:
            self._answer_due = None

    def fault(self, now: float) -> Optional[str]:
        """A fault of the game seen by the hands: a quit question that did not come."""
        if self._question_due and now > self._question_due[0]:
            return (f"{self._question_due[2]} in battle brought no quit question within "
                    f"{QUESTION_WAIT:.0f} s")
        if self._answer_due and now > self._answer_due[0]:
            return f"{self._answer_due[2]} did not answer the box within {ANSWER_WAIT:.0f} s"
        return None

    def _expect_question(self, w, how: str):
        self._question_due = (time.monotonic() + QUESTION_WAIT, w.shown, how)

    def _top_box(self, boxes: list):
        """The box a person can answer: a box opened behind another is blocked."""
        if len(boxes) < 2:
            return boxes[0] if boxes else None
        order = self.desk.stacking()
        return max(boxes, key=lambda w: order.index(w.wid) if w.wid in order else -1)

    def _announce(self, w):
        if w.is_screen:
            self.journal.screen_shown(w.role)
        else:
            self.journal.note(f"box {w.title!r} ({w.width}x{w.height})")

    def _pause(self, now: float, low: float = 0.05, high: float = 0.4):
        self._busy_until = now + self.rng.uniform(low, high)

    # --- acting ------------------------------------------------------------------------

    def _click(self, w, point: tuple, what: str, clicks: int = 1):
        kind = "double click" if clicks > 1 else "click"
        self.journal.action(f"{kind} {what} on {self._name(w)} at {point}")
        self._mind_title_quit(point, w.role == "ACD_Sub")
        self.desk.click(w.wid, point[0], point[1], clicks)
        self._last_point = point

    def _mind_title_quit(self, point: tuple, on_title: bool):
        """A click where the title's quit button is (or may come up) can end the game."""
        if L.TITLE_QUIT_ZONE.contains(point):
            self._ask_to_quit("the title's quit button" if on_title else
                              "a click where the title's quit button may come up",
                              time.monotonic())

    def _close(self, w, what: str = "") -> bool:
        """Alt+F4 through the window manager, only once the window has the focus."""
        if time.monotonic() - self._switched_at < SWITCH_SETTLE:
            return False  # the keys could reach the next screen, the title even
        focus = self.desk.activate(w.wid)
        if focus != w.wid:
            self.journal.note(f"{self._name(w)} did not get the focus (0x{focus:x} has it)")
            return False
        self.journal.action(f"alt+F4 on {self._name(w)}{what}")
        self.desk.key("alt+F4")
        return True

    def _keys(self, w, keys: str, what: str) -> bool:
        """Keys to a screen once it has the focus and the last change has settled."""
        if time.monotonic() - self._switched_at < SWITCH_SETTLE:
            return False
        focus = self.desk.activate(w.wid)
        if focus != w.wid:
            self.journal.note(f"{self._name(w)} did not get the focus (0x{focus:x} has it)")
            return False
        self.journal.action(f"keys {keys!r} ({what}) on {self._name(w)}")
        self.desk.key(keys)
        return True

    def _ask_to_quit(self, how: str, now: float):
        self.quit_asked_at = now
        self.quit_how = how

    def _after_switch(self, now: float, click: bool = True):
        """Sometimes a second click lands right after one that changes screens."""
        self._switched_at = now
        if click and self.rng.random() < 0.3:
            self.journal.action("click at the same spot during the screen change")
            self._mind_title_quit(self._last_point, False)
            self.desk.click_here()

    @staticmethod
    def _name(w) -> str:
        return SCREEN_NAMES.get(w.role, w.role) if w.is_screen else f"box {w.title!r}"

    # --- boxes ----------------------------------------------------------------------------

    def _on_box(self, box, now: float):
        if self._plan is None or self._plan.wid != box.wid:
            self._plan = self._plan_answer(box, now)
            return
        if now < self._plan.due:
            return  # held open while the game's clock runs behind it
        self._answer(box, self._plan, now)
        self._plan = None
        self._pause(now, 0.05, 0.2)

    def _plan_answer(self, box, now: float) -> BoxPlan:
        rng = self.rng
        quit_question = box.title in QUIT_QUESTION
        delay_is_hold = quit_question and self._hold and now - self._hold[1] < HOLD_MATCH
        if self.winding_down:
            delay = 0.2
        elif delay_is_hold:
            delay = self._hold[0]
        else:
            delay = rng.uniform(0, 1) if rng.random() < 0.6 else rng.uniform(0, 5)
        if quit_question:
            # Our own question behind the computer's turn is meant to be held, not taken.
            yes = 0.02 if delay_is_hold else 0.1
            answer = "yes" if self.winding_down or rng.random() < yes else "no"
        else:
            answer = "ok"
        hows = (INSIDE_HOWS if box.inside else BOX_HOWS)[answer]
        plan = BoxPlan(box.wid, now + delay, answer, pick(rng, hows))
        self._hold = None
        self.journal.note(f"will answer {plan.answer} by {plan.how} in {delay:.2f} s")
        return plan

    def _answer(self, box, plan: BoxPlan, now: float):
        button = L.box_button(box, 1 if plan.answer == "yes" else 0)
        how = plan.how
        if how != "click" and self.desk.activate(box.wid) != box.wid:
            if box.inside:
                return  # no window to click: the keys wait for the focus
            how = "click"  # the keys would go to another window
        if how == "click":
            self._click(box, button, plan.answer)
        else:
            self.journal.action(f"{how} on {self._name(box)} ({plan.answer})")
            self.desk.key(how)
            self._answer_due = (time.monotonic() + ANSWER_WAIT, box.shown,
                                f"{how} on {self._name(box)}")
        self.journal.box_answered()
        if plan.answer == "yes":
            self._ask_to_quit("Yes to the quit question", now)
        if box.title in RESULT_BOX:
            self._after_switch(now)

    # --- screens --------------------------------------------------------------------------

    def _on_screen(self, w, now: float):
        if self.winding_down:
            self._wind_down_step(w, now)
            return
        {"ACD_Sub": self._title, "ACD_Main": self._battle_step,
         "ACD_Continue": self._continue, "ACD_OmakeMode": self._bonus_menu,
         "ACD_OmakeCG0A": self._viewer, "ACD_OmakeCG0C": self._viewer}[w.role](w, now)

    def _random_spot(self, w) -> tuple:
        return self.rng.randrange(w.width), self.rng.randrange(w.height)

    def _title(self, w, now: float):
        what = pick(self.rng, {"start": 40, "bonus": 20, "quit": 1, "check SE": 5, "check BGM": 5,
                               "check smooth scroll": 5, "double start": 5, "close": 1,
                               "random": 8, "wait": 6, "keys": 15})
        self._pause(now)
        if what == "keys":
            self._title_keys(w, now)
        elif what == "wait":
            self._pause(now, 0.2, 1.5)
        elif what == "random":
            self._click(w, self._random_spot(w), "anywhere")
        elif what == "close":
            if self._close(w):
                self._ask_to_quit("alt+F4 on the title", now)
        elif what == "double start":
            self._click(w, L.TITLE["start"].point(self.rng), "start", clicks=2)
        else:
            self._click(w, L.TITLE[what].point(self.rng), what)
            if what in ("start", "bonus"):
                self._after_switch(now)

    def _title_keys(self, w, now: float):
        """Enter on the start button, which has the focus as the title opens; or
        the focus moved first, which can end on any button, the quit button too."""
        rng = self.rng
        moves = [rng.choice(["Tab", "shift+Tab", "Left", "Right", "Up", "Down"])
                 for _ in range(rng.randrange(0, 7))]
        keys = " ".join(moves + [rng.choice(["Return", "space"])])
        if not self._keys(w, keys, "focus and use" if moves else "start"):
            return
        if moves:
            self._ask_to_quit("keys that may reach the title's quit button", now)
        self._after_switch(now, click=False)

    def _continue(self, w, now: float):
        what = pick(self.rng, {"yes": 40, "no": 30, "double yes": 5, "random": 10, "close": 8,
                               "wait": 7, "keys": 15})
        self._pause(now)
        if what == "keys":
            if self._keys(w, self.rng.choice(["Return", "y", "Escape", "n", "Return Return"]),
                          "answer"):
                self._after_switch(now, click=False)
        elif what == "wait":
            self._pause(now, 0.2, 1.5)
        elif what == "random":
            self._click(w, self._random_spot(w), "anywhere")
        elif what == "close":
            self._close(w)
        elif what == "double yes":
            self._click(w, L.CONTINUE["yes"].point(self.rng), "yes", clicks=2)
        else:
            self._click(w, L.CONTINUE[what].point(self.rng), what)
            self._after_switch(now)

    def _bonus_menu(self, w, now: float):
        what = pick(self.rng, {"viewer A": 30, "viewer C": 30, "exit": 20, "random": 8,
                               "close": 6, "double": 6, "keys": 10})
        self._pause(now)
        if what == "keys":
            moves = " ".join(self.rng.choice(["Tab", "Left", "Right", "Up", "Down"])
                             for _ in range(self.rng.randrange(0, 4)))
            keys = self.rng.choice([f"{moves} Return", f"{moves} space", "Escape"]).strip()
            if self._keys(w, keys, "choose"):
                self._after_switch(now, click=False)
        elif what == "random":
            self._click(w, self._random_spot(w), "anywhere")
        elif what == "close":
            self._close(w)
        elif what == "double":
            button = self.rng.choice(list(L.BONUS_MENU))
            self._click(w, L.BONUS_MENU[button].point(self.rng), button, clicks=2)
        else:
            self._click(w, L.BONUS_MENU[what].point(self.rng), what)
            self._after_switch(now)

    def _viewer(self, w, now: float):
        what = pick(self.rng, {"click": 80, "double": 10, "close": 10, "keys": 15})
        self._pause(now, 0.1, 0.8)
        if what == "keys":
            keys = self.rng.choice(["Return", "space", "Right", "Down", "Escape", "Return Return"])
            if self._keys(w, keys, "go on or leave"):
                self._after_switch(now, click=False)
        elif what == "close":
            self._close(w)
        else:
            self._click(w, self._random_spot(w), "anywhere", clicks=2 if what == "double" else 1)
            self._after_switch(now)

    # --- the battle --------------------------------------------------------------------------

    def _battle_step(self, w, now: float):
        play = self._battle_of(w, now)
        if play.mode == "random":
            self._battle_random(w, play, now, RANDOM_BATTLE)
        elif self.rng.random() < CHAOS:
            self._battle_random(w, play, now, CHAOS_BATTLE)
        else:
            self._battle_on_purpose(w, play, now)

    def _battle_of(self, w, now: float) -> BattlePlay:
        if self._battle is None or self._battle.shown != w.shown:
            # Only the first battle's layout is known: the way to the viewers.
            layout = self.layout if self._battles == 0 else None
            mode = pick(self.rng, FIRST_BATTLE if layout else LATER_BATTLE)
            self._battle = BattlePlay(self.rng, w.shown, mode, layout, now)
            self._battles += 1
            self.journal.note(f"battle {self._battles} played {mode}"
                              + (" (knowing the computer's layout)" if layout else ""))
        return self._battle

    def _players_turn(self, w) -> Optional[bool]:
        """Whether the player's shot icon shows (from deployment through the
        player's turn); None when the window is gone."""
        r = L.PLAYER_SHOT_ICON.moved(L.menu_bar_height(w))
        pixels = self.desk.pixels(w.wid, r.x, r.y, r.w, r.h)
        if not pixels:
            return None
        return sum(1 for red, _, blue in pixels if blue > 150 and blue > red + 40) >= 8

    def _battle_on_purpose(self, w, play: BattlePlay, now: float):
        if now - play.opened < 0.8:  # the deployment opens with the first tick of the clock
            self._busy_until = play.opened + 0.8
            return
        if len(play.own) < 7:
            self._place(w, play, play.new_own_cell(self.rng))
            self._pause(now, 0.08, 0.25)
            return
        turn = self._players_turn(w)
        if turn is None:
            return
        if not turn:
            self._computer_turn(w, play, now)
            return
        play.computer_turn = False
        if play.shots_this_turn >= 6:
            # Still deploying: one of the vehicles was refused or came too early.
            self._place(w, play, play.new_own_cell(self.rng))
            play.shots_this_turn = 0
            return
        self._fire(w, play, play.next_target(self.rng))
        self._pause(now, 0.05, 0.3)

    def _computer_turn(self, w, play: BattlePlay, now: float):
        just_began = play.last_was_shot and not play.computer_turn
        play.computer_turn = True
        play.last_was_shot = False
        play.shots_this_turn = 0
        trick = {"lose": 0.7, "win": 0.3, "random": 0.5}[play.mode]
        if just_began and self.rng.random() < trick:
            self._quit_question_behind_turn(w, now)
        else:
            self._pause(now, 0.1, 0.2)

    def _quit_question_behind_turn(self, w, now: float):
        """The quit question opened right after the player's last shot, held
        open for a while as the computer fires behind it."""
        hold = self.rng.uniform(0, 5)
        self._hold = (hold, now)
        via = pick(self.rng, {"menu": 3, "alt+F4": 2, "Escape": 2})
        what = f" (quit question during the computer's turn, to hold {hold:.2f} s)"
        if via == "menu":
            self._click(w, L.menu_point(self.rng, "quit question", L.menu_bar_height(w), self.lang),
                        "menu 'quit'" + what)
            self._expect_question(w, "the menu's quit entry")
        elif via == "Escape":
            if self._keys(w, "Escape", what.strip()[1:-1]):
                self._expect_question(w, "Escape")
        else:
            self._close(w, what)
        self._pause(now, 0.1, 0.2)

    def _by_keys(self, w, cell: tuple, what: str) -> bool:
        """The cursor walked from the nearer corner to the cell, then Enter or Space."""
        if self.rng.random() >= KEYBOARD_HANDS:
            return False
        col, row = cell
        across = ["Home"] + ["Right"] * col if col < L.COLS // 2 else \
            ["End"] + ["Left"] * (L.COLS - 1 - col)
        down = ["Prior"] + ["Down"] * row if row < L.ROWS // 2 else \
            ["Next"] + ["Up"] * (L.ROWS - 1 - row)
        keys = " ".join(across + down + [self.rng.choice(["Return", "space"])])
        return self._keys(w, keys, what)

    def _place(self, w, play: BattlePlay, cell: tuple):
        play.own.append(cell)
        if self._by_keys(w, cell, f"own cell {cell}"):
            return
        rect = L.cell_rect("M", cell[0], cell[1], L.menu_bar_height(w))
        self._click(w, rect.point(self.rng), f"own cell {cell}")

    def _fire(self, w, play: BattlePlay, cell: tuple):
        play.fired.add(cell)
        play.shots_this_turn += 1
        play.last_was_shot = True
        if self._by_keys(w, cell, f"enemy cell {cell}"):
            return
        rect = L.cell_rect("E", cell[0], cell[1], L.menu_bar_height(w))
        self._click(w, rect.point(self.rng), f"enemy cell {cell}")

    def _battle_random(self, w, play: BattlePlay, now: float, weights: dict):
        bar = L.menu_bar_height(w)
        what = pick(self.rng, weights)
        self._pause(now)
        if what == "grid":
            self._random_grid_click(w, play, now)
        elif what == "double":
            grid = self.rng.choice("EM")
            cell = self.rng.randrange(L.COLS), self.rng.randrange(L.ROWS)
            self._click(w, L.cell_rect(grid, *cell, bar).point(self.rng),
                        f"{'enemy' if grid == 'E' else 'own'} cell {cell}", clicks=2)
        elif what == "menu quit":
            self._click(w, L.menu_point(self.rng, "quit question", bar, self.lang), "menu 'quit'")
            self._expect_question(w, "the menu's quit entry")
        elif what == "menu title":
            self._click(w, L.menu_point(self.rng, "back to title", bar, self.lang), "menu 'back to title'")
            self._after_switch(now)
        elif what == "menu surrender":
            self._click(w, L.menu_point(self.rng, "surrender", bar, self.lang), "menu 'surrender'")
        elif what == "close":
            self._close(w)
        elif what == "random":
            self._click(w, self._random_spot(w), "anywhere")
        elif what == "keys":
            self._battle_keys(w, now)
        else:
            self._pause(now, 0.2, 1.5)

    def _battle_keys(self, w, now: float):
        rng = self.rng
        what = pick(rng, BATTLE_KEYS)
        if what == "move":
            keys = " ".join(rng.choice(CURSOR_KEYS) for _ in range(rng.randrange(1, 6)))
        elif what == "act":
            keys = rng.choice(["Return", "space", "KP_Enter"])
        elif what == "burst":
            keys = " ".join(rng.choice(CURSOR_KEYS + ["Return", "space"])
                            for _ in range(rng.randrange(3, 12)))
        else:
            keys = what
        if not self._keys(w, keys, what):
            return
        if what in ("alt+t", "F10 Right Return"):
            self._after_switch(now, click=False)
        elif what in ("Escape", "alt+q", "F10 Return"):
            self._expect_question(w, what)

    def _random_grid_click(self, w, play: BattlePlay, now: float):
        rng = self.rng
        if len(play.own) < 7 and now - play.opened > 0.5:
            cell = play.new_own_cell(rng) if rng.random() < 0.8 else rng.choice(play.own or [(0, 0)])
            self._place(w, play, cell)
            return
        where = pick(rng, {"new": 60, "fired": 25, "anywhere": 15})
        if where == "anywhere":
            self._click(w, self._random_spot(w), "anywhere")
            return
        if where == "fired" and play.fired:
            cell = rng.choice(sorted(play.fired))
        else:
            cell = play.next_target(rng)
        self._fire(w, play, cell)
        if rng.random() < 0.5:
            turn = self._players_turn(w)
            if turn:
                play.computer_turn = False
            elif turn is False:
                self._computer_turn(w, play, now)

    # --- quitting at the cap ---------------------------------------------------------------

    def wind_down(self, now: float):
        """From now on every step heads for the exit through the game's own UI."""
        self.winding_down = True
        self._plan = None
        self.journal.note("time is up for this game: quitting through the UI")

    def _wind_down_step(self, w, now: float):
        self._busy_until = now + WIND_DOWN_PAUSE
        if w.role == "ACD_Sub":
            self._click(w, L.TITLE["quit"].point(self.rng), "quit")
        elif w.role == "ACD_Main":
            self._click(w, L.menu_point(self.rng, "quit question", L.menu_bar_height(w), self.lang),
                        "menu 'quit'")
        else:
            self._close(w)
