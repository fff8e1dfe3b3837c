#!/usr/bin/env python3
"""Monkey tester: plays the real game under Xvfb and openbox with seeded
random input, game after game, and fails on a sanitizer report, a crash, an
exit nobody asked for, a game without a window, two game windows at once, a
quit question that does not come, or an event loop that stops answering.
Each game plays in Japanese or in English.

    python3 tests/monkey/monkey.py --game build-asan/bin/orvalis --seed 1 --minutes 5

The same seed gives the same choices (timing aside); a failure prints the
command that replays just the failing game."""

import argparse
import os
import random
import shutil
import signal
import sys
import time
from typing import Optional

from game import GameFolder, GameRun, random_settings
from journal import Journal, screen_counts
from player import Player
from watchdog import Pinger, Watchdog
from xdesk import Desk, XServer

POLL = 0.05  # s between looks at the desktop
CAP = (60.0, 120.0)  # s a game may run before the monkey quits it
KILL_AFTER = 25.0  # s to quit through the UI before the game is killed
LOG_TAIL = 80  # lines of the game's output in a failure report


def parse_args(argv):
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("binary", nargs="?", help="the game (same as --game)")
    p.add_argument("--game", help="the game's executable, img/ and snd/ beside it")
    p.add_argument("--seed", type=int, default=1)
    p.add_argument("--minutes", type=float, default=2.0, help="no new game after this")
    p.add_argument("--games", type=int, help="stop after this many games")
    p.add_argument("--start-game", type=int, default=0,
                   help="skip the seed's first games (replays game N alone with --games 1)")
    p.add_argument("--xping", help="the ping helper (default: orvalis-xping beside the game)")
    p.add_argument("--log-dir", default="/tmp/orvalis-monkey")
    args = p.parse_args(argv)
    args.game = os.path.abspath(args.game or args.binary or p.error("no game given"))
    args.xping = args.xping or os.path.join(os.path.dirname(args.game), "orvalis-xping")
    if not os.access(args.xping, os.X_OK):
        p.error(f"no ping helper at {args.xping}")
    return args


def describe_settings(text: Optional[str]) -> str:
    if text is None:
        return "no settings file"
    return "Pelmo.ini " + " ".join(line for line in text.split("\n") if "=" in line)


class Monkey:
    def __init__(self, args, xserver: XServer):
        self.args = args
        self.env = xserver.env()
        self.desk = Desk(self.env)
        self.folder = GameFolder(args.game)
        os.makedirs(args.log_dir, exist_ok=True)
        self.journal = Journal(os.path.join(args.log_dir, f"monkey-seed{args.seed}.log"))
        self.master = random.Random(args.seed)
        self.deadline = time.monotonic() + args.minutes * 60
        self.games = 0
        self.killed = 0
        self.captured = False

    def close(self):
        self.journal.close()
        self.folder.remove()

    def run(self) -> int:
        # Each game draws from a generator of its own, so one game's timing
        # cannot change the next game's choices.
        for _ in range(self.args.start_game):
            self.master.getrandbits(64)
        index = self.args.start_game
        passed = True
        while passed and time.monotonic() < self.deadline and self.games != self.args.games:
            self.games += 1
            passed = self.play_game(index, random.Random(self.master.getrandbits(64)))
            index += 1
        self.print_summary()
        return 0 if passed else 1

    def play_game(self, index: int, rng: random.Random) -> bool:
        seed = rng.randrange(1, 2**31)
        settings = random_settings(rng)
        cap = rng.uniform(*CAP)
        lang = rng.choice(["ja", "en"])
        inside = rng.random() < 0.4
        self.folder.write_settings(settings)
        self.journal.start_game(index)
        self.journal.note(f"game seed {seed}, {lang}, {describe_settings(settings)}, "
                          f"boxes {'inside the window' if inside else 'as windows'}, "
                          f"cap {cap:.0f} s")
        self.desk.forget_windows()
        self.captured = False
        started = time.monotonic()
        run = GameRun(self.folder, seed, self.env, lang, inside)
        player = Player(rng, self.desk, self.journal, self.folder.computer_layout(seed), lang)
        pinger = Pinger(self.args.xping, self.env, started)
        try:
            problem, ending = self.watch(index, run, player, Watchdog(pinger, started),
                                         min(started + cap, self.deadline))
            if problem:
                self.report(index, run, settings, problem, time.monotonic() - started)
        finally:
            pinger.stop()
            run.kill()
        if problem:
            return False
        j = self.journal
        print(f"game {index}: seed {seed}, {time.monotonic() - started:.1f} s, "
              f"{j.game_actions} actions, {j.game_boxes} boxes, "
              f"screens: {screen_counts(j.game_screens)}; {ending}", flush=True)
        return True

    def watch(self, index: int, run: GameRun, player: Player, watchdog: Watchdog,
              end_at: float):
        """Plays until the game ends; returns (fault or None, how it ended)."""
        kill_at = None
        while True:
            now = time.monotonic()
            status = run.status()
            if status is not None:
                return (run.exit_problem(status, player.quit_asked(now)),
                        f"ended by {player.quit_how or '?'} (exit {status})")
            report = run.sanitizer_report()
            if report:
                self.capture(index)
                run.wait(5)  # the rest of the report
                return f"sanitizer report: {report}", ""
            windows = self.desk.visible_windows(run.pid)
            problem = watchdog.check(windows, now)
            if problem and run.status() is None:
                self.capture(index)
                return problem, ""
            if now >= end_at and not player.winding_down:
                player.wind_down(now)
                kill_at = now + KILL_AFTER
            if kill_at and now >= kill_at:
                self.journal.note("killed: it did not quit through the UI in time (no fault)")
                self.killed += 1
                return None, "killed at the cap"
            player.step(windows, now)
            problem = player.fault(now)
            if problem and run.status() is None:
                self.capture(index)
                return problem, ""
            time.sleep(POLL)

    def failure_stem(self, index: int) -> str:
        return os.path.join(self.args.log_dir, f"failure-seed{self.args.seed}-game{index}")

    def capture(self, index: int):
        """The desktop as the fault left it, while the game still shows it."""
        self.desk.screenshot(self.failure_stem(index) + ".png")
        self.captured = True

    def report(self, index: int, run: GameRun, settings, problem: str, seconds: float):
        stem = self.failure_stem(index)
        if not self.captured:
            self.capture(index)
        run.kill()
        shutil.copy(run.log_path, stem + "-stderr.log")
        with open(stem + "-actions.log", "w", encoding="utf-8") as f:
            f.write("\n".join(self.journal.game_lines) + "\n")
        me = os.path.abspath(__file__)
        print(f"FAIL: {problem}\n"
              f"  monkey seed {self.args.seed}, game {index} (game seed {run.seed}, "
              f"{describe_settings(settings)}), {seconds:.1f} s into the game, "
              f"{self.journal.elapsed() / 60:.2f} min into the run\n"
              f"  replay: python3 {me} --game {self.args.game} --xping {self.args.xping} "
              f"--seed {self.args.seed} --start-game {index} --games 1\n"
              f"  screenshot {stem}.png, game output {stem}-stderr.log\n"
              f"  actions of this game:")
        for line in self.journal.game_lines:
            print("    " + line)
        print(f"  game output (last {LOG_TAIL} lines):")
        for line in run.log_text().splitlines()[-LOG_TAIL:]:
            print("    " + line)
        sys.stdout.flush()

    def print_summary(self):
        j = self.journal
        minutes = j.elapsed() / 60
        print(f"monkey seed {self.args.seed}: {self.games} games, {j.actions} actions in "
              f"{minutes:.2f} min ({j.actions / minutes:.0f} actions/min, "
              f"{self.games / minutes:.2f} games/min); screens reached: "
              f"{screen_counts(j.screens)}; boxes answered {j.boxes_answered}; "
              f"killed at the cap {self.killed}")


def main(argv) -> int:
    args = parse_args(argv)
    # A test runner's SIGTERM still takes the X server and the game down.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(2))
    xserver = XServer()
    monkey = None
    try:
        xserver.start()
        monkey = Monkey(args, xserver)
        return monkey.run()
    finally:
        if monkey:
            monkey.close()
        xserver.stop()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
