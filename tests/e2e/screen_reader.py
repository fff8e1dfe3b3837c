#!/usr/bin/python3
"""What a screen reader finds of the running game over AT-SPI.

  screen_reader.py tree            every object shown in the game's
                                   windows: depth, role, name, description
  screen_reader.py listen SECONDS PATTERN...
                                   the name, focus and text events the game
                                   sends (event, role, name) until it has
                                   sent one matching each PATTERN (a regular
                                   expression), in this order, or SECONDS
                                   have passed
"""
import re
import sys

import pyatspi
from gi.repository import GLib


def game():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Orvalis":
            return app
    sys.exit("the game is not on the accessibility bus")


def line(acc):
    return "\t".join((acc.getRoleName(), acc.name or "", acc.description or ""))


def tree(acc, depth=0):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is None:
            continue
        if not child.getState().contains(pyatspi.STATE_SHOWING):
            continue  # out of sight, or decoration
        print(f"{depth}\t{line(child)}", flush=True)
        tree(child, depth + 1)


def listen(seconds, patterns):
    awaited = [re.compile(p) for p in patterns]

    def heard(event):
        try:
            if event.host_application.name != "Orvalis":
                return
            said = f"{event.type}\t{line(event.source)}"
        except Exception:  # an object already gone
            return
        print(said, flush=True)
        if awaited and awaited[0].search(said):
            awaited.pop(0)
            if not awaited:
                pyatspi.Registry.stop()

    kinds = ["object:property-change:accessible-name", "object:state-changed:focused",
             "object:active-descendant-changed", "focus:"]
    pyatspi.Registry.registerEventListener(heard, *kinds)
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    print("listening", flush=True)
    pyatspi.Registry.start()


if __name__ == "__main__":
    if sys.argv[1:2] == ["tree"]:
        tree(game())
    elif sys.argv[1:2] == ["listen"]:
        game()
        listen(float(sys.argv[2]), sys.argv[3:])
    else:
        sys.exit(__doc__)
