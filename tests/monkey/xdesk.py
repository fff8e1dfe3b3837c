"""The monkey's desktop: a private Xvfb with openbox on it, and the few X
queries and inputs the monkey needs (xdotool, xprop, xwininfo, import)."""

import os
import re
import shutil
import subprocess
import tempfile
import time
from typing import NamedTuple, Optional

# The game window carries the name of the screen it shows as WM_WINDOW_ROLE,
# followed by "+YesNo" or "+Ok" while a box is drawn inside it; boxes of their
# own carry none. A box inside is listed as a window of its own with the game
# window's id negated and the title "inside YesNo" or "inside Ok".
SCREEN_ROLES = ("ACD_Sub", "ACD_Main", "ACD_Continue", "ACD_OmakeMode",
                "ACD_OmakeCG0A", "ACD_OmakeCG0C")


class Window(NamedTuple):
    wid: int
    role: str  # a screen name, "" for a box
    title: str
    width: int
    height: int
    shown: int  # a new number each time the window shows another screen

    @property
    def is_screen(self) -> bool:
        return self.role in SCREEN_ROLES

    @property
    def inside(self) -> bool:
        """A box drawn inside the game window."""
        return self.wid < 0


def _quiet(cmd, env, timeout=5.0) -> subprocess.CompletedProcess:
    """Runs a tool; a window that vanished under it is no error of ours."""
    try:
        return subprocess.run(cmd, env=env, capture_output=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        return subprocess.CompletedProcess(cmd, 124, b"", b"timeout")


class XServer:
    """Xvfb on a free display plus openbox; stop() takes both down."""

    def __init__(self):
        self.display = ""
        self._xvfb: Optional[subprocess.Popen] = None
        self._wm: Optional[subprocess.Popen] = None
        self._home = tempfile.mkdtemp(prefix="orvalis-monkey-x-")

    def env(self) -> dict:
        env = dict(os.environ)
        env["DISPLAY"] = self.display
        # No user settings for openbox: its stock rc.xml binds Alt+F4 to Close.
        env["XDG_CONFIG_HOME"] = self._home
        env["XDG_RUNTIME_DIR"] = self._home
        return env

    def start(self):
        for n in range(160, 260):
            if os.path.exists(f"/tmp/.X{n}-lock") or os.path.exists(f"/tmp/.X11-unix/X{n}"):
                continue
            if self._try_display(n):
                self._start_wm()
                return
        raise RuntimeError("could not start Xvfb")

    def _try_display(self, n: int) -> bool:
        self._xvfb = subprocess.Popen(
            ["Xvfb", f":{n}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.display = f":{n}"
        for _ in range(50):
            # Ours only while our server lives: another one may have taken
            # the same number a moment before.
            if self._xvfb.poll() is not None:
                return False
            if _quiet(["xdpyinfo"], self.env()).returncode == 0:
                time.sleep(0.1)
                if self._xvfb.poll() is None:
                    return True
                return False
            time.sleep(0.1)
        self._xvfb.kill()
        self._xvfb.wait()
        return False

    def _start_wm(self):
        self._wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env(),
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            out = _quiet(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], self.env()).stdout
            if b"window id" in out:
                return
            time.sleep(0.1)
        raise RuntimeError("openbox did not come up")

    def stop(self):
        for proc in (self._wm, self._xvfb):
            if proc and proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        shutil.rmtree(self._home, ignore_errors=True)


class Desk:
    """Looks at and acts on the windows of one display."""

    def __init__(self, env: dict):
        self.env = dict(env, LC_ALL="C.UTF-8")  # xprop prints titles in the locale's charset
        self._known: dict = {}  # wid -> Window as last seen; a box keeps its title and size
        self._inside: dict = {}  # game window's wid -> the box inside it as last seen
        self._shown = 0

    def forget_windows(self):
        self._known.clear()
        self._inside.clear()

    def visible_windows(self, pid: int) -> list:
        out = _quiet(["xdotool", "search", "--onlyvisible", "--pid", str(pid)], self.env).stdout
        windows = []
        for token in out.split():
            window = self._describe(int(token))
            if window:
                windows.append(window)
                if window.wid in self._inside:
                    windows.append(self._inside[window.wid])
        return windows

    def _describe(self, wid: int) -> Optional[Window]:
        known = self._known.get(wid)
        if known and not known.is_screen:
            return known
        # The game window changes its screen, and its size with it.
        props = _quiet(["xprop", "-id", str(wid), "WM_WINDOW_ROLE", "_NET_WM_NAME"], self.env)
        info = _quiet(["xwininfo", "-id", str(wid)], self.env)
        if props.returncode or info.returncode:
            return None  # gone already
        text = props.stdout.decode("utf-8", "replace")
        role = re.search(r'WM_WINDOW_ROLE\(STRING\) = "(.*)"', text)
        title = re.search(r'_NET_WM_NAME\(UTF8_STRING\) = "(.*)"', text)
        size = info.stdout.decode()
        width = re.search(r"Width: (\d+)", size)
        height = re.search(r"Height: (\d+)", size)
        if not (width and height):
            return None
        role, _, inside = (role.group(1) if role else "").partition("+")
        box = self._inside.get(wid)
        if not inside:
            self._inside.pop(wid, None)
        elif not box or box.title != "inside " + inside:
            self._shown += 1
            self._inside[wid] = Window(-wid, "", "inside " + inside, 0, 0, self._shown)
        if not known or known.role != role:
            self._shown += 1
        window = Window(wid, role, title.group(1) if title else "", int(width.group(1)),
                        int(height.group(1)), self._shown if not known or known.role != role
                        else known.shown)
        self._known[wid] = window
        return window

    def stacking(self) -> list:
        """The managed windows from the bottom to the top, as openbox stacks them."""
        out = _quiet(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"], self.env).stdout.decode()
        return [int(token, 16) for token in re.findall(r"0x[0-9a-fA-F]+", out)]

    def click(self, wid: int, x: int, y: int, clicks: int = 1):
        """A left click (clicks=2: a fast double click) at window coordinates."""
        cmd = ["xdotool", "mousemove", "--window", str(abs(wid)), str(x), str(y), "sleep", "0.03",
               "click"]
        if clicks > 1:
            cmd += ["--repeat", str(clicks), "--delay", "20"]
        _quiet(cmd + ["1"], self.env)

    def click_here(self):
        """A left click wherever the pointer is now."""
        _quiet(["xdotool", "click", "1"], self.env)

    def focused(self) -> int:
        out = _quiet(["xdotool", "getwindowfocus"], self.env).stdout.strip()
        return int(out) if out.isdigit() else 0

    def activate(self, wid: int) -> int:
        """Asks the window manager to focus the window; returns who has the focus."""
        _quiet(["xdotool", "windowactivate", "--sync", str(abs(wid))], self.env, timeout=2.0)
        focus = self.focused()
        return -focus if wid < 0 and focus == -wid else focus

    def key(self, keys: str):
        """Keys (blank-separated) to whichever window has the focus, as a person types them."""
        _quiet(["xdotool", "key", "--delay", "40", *keys.split()], self.env)

    def pixels(self, wid: int, x: int, y: int, w: int, h: int) -> list:
        """(r, g, b) of a rectangle of a window, row by row; [] when it is gone."""
        out = _quiet(["import", "-silent", "-window", str(wid), "-crop", f"{w}x{h}+{x}+{y}",
                      "-depth", "8", "rgb:-"], self.env).stdout
        if len(out) != w * h * 3:
            return []
        return [tuple(out[i:i + 3]) for i in range(0, len(out), 3)]

    def screenshot(self, path: str):
        _quiet(["import", "-silent", "-window", "root", path], self.env, timeout=15.0)
