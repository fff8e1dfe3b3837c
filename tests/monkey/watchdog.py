"""The checks that run on every look at the desktop while a game lives: a
game window must be visible, only one at a time, and the event loop must
answer the window manager's ping."""

import subprocess
from typing import Optional

INVISIBLE_LIMIT = 5.0  # s without any game window or box
STARTUP_GRACE = 30.0  # s for the first window of a sanitizer build
SILENCE_LIMIT = 10.0  # s without a pong
PING_EVERY = 1.0
PING_TIMEOUT_MS = 2000


class Pinger:
    """Keeps at most one ping in flight; remembers when the last pong came."""

    def __init__(self, xping: str, env: dict, now: float):
        self._xping = xping
        self._env = env
        self._proc: Optional[subprocess.Popen] = None
        self._started = 0.0
        self.last_pong = now

    def poll(self, wid: Optional[int], now: float):
        if self._proc and self._proc.poll() is not None:
            if self._proc.returncode == 0:
                self.last_pong = now
            self._proc = None
        if self._proc is None and wid and now - self._started >= PING_EVERY:
            self._proc = subprocess.Popen([self._xping, str(wid), str(PING_TIMEOUT_MS)],
                                          env=self._env, stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL)
            self._started = now

    def stop(self):
        if self._proc and self._proc.poll() is None:
            self._proc.kill()
            self._proc.wait()
        self._proc = None


class Watchdog:
    def __init__(self, pinger: Pinger, now: float):
        self._pinger = pinger
        self._started = now
        self._seen_window = False
        self._invisible_since: Optional[float] = None

    def check(self, windows: list, now: float) -> Optional[str]:
        """A fault seen in this look, or None."""
        return (self._check_visible(windows, now) or self._check_one_screen(windows, now)
                or self._check_answers(windows, now))

    def _check_visible(self, windows, now) -> Optional[str]:
        if windows:
            if not self._seen_window:
                self._pinger.last_pong = now  # the clock of silence starts here
            self._seen_window = True
            self._invisible_since = None
            return None
        if not self._seen_window:
            if now - self._started > STARTUP_GRACE:
                return f"no game window {STARTUP_GRACE:.0f} s after the start"
            return None
        if self._invisible_since is None:
            self._invisible_since = now
        if now - self._invisible_since >= INVISIBLE_LIMIT:
            return f"no visible game window (and no box) for {INVISIBLE_LIMIT:.0f} s"
        return None

    def _check_one_screen(self, windows, now) -> Optional[str]:
        # The game shows its screens in its one window, never in a second.
        screens = sorted(w.role for w in windows if w.is_screen)
        if len(screens) > 1:
            return "two game windows visible at once: " + ", ".join(screens)
        return None

    def _check_answers(self, windows, now) -> Optional[str]:
        # Any window will do: one event loop serves them all.
        self._pinger.poll(windows[0].wid if windows else None, now)
        if self._seen_window and now - self._pinger.last_pong >= SILENCE_LIMIT:
            return f"no answer to the window manager's ping for {SILENCE_LIMIT:.0f} s"
        return None
