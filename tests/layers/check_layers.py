#!/usr/bin/env python3
"""The rooms of src/ depend one way only: every include reaches the file's own
room or one its library links (directly or through others), as
src/CMakeLists.txt lists them; and in the engine's rooms (the standard-library
ones, up to the simulator's) no pieces - a header with its source - need each
other round in a loop. The build refuses an upward include already where the
system has symbolic links; this names the file and line everywhere.

    python3 tests/layers/check_layers.py [SRC_DIR]"""

import os
import re
import sys

src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "../../src")
cmake = re.sub(r"#.*", "", open(os.path.join(src, "CMakeLists.txt"), encoding="utf-8").read())
links = {room: set(re.findall(r"orvalis_(\w+)", body.partition("LINKS")[2]))
         for room, body in re.findall(r"orvalis_room\((\w+)(.*?)\)", cmake, re.S)}


def below(room):
    found, todo = set(), [room]
    while todo:
        for lower in links.get(todo.pop(), ()):
            if lower not in found:
                found.add(lower)
                todo.append(lower)
    return found


faults, needs = [], {}  # needs: "room/Piece" -> the pieces it includes
for room in sorted(links):
    for name in sorted(os.listdir(os.path.join(src, room))):
        piece = f"{room}/{os.path.splitext(name)[0]}"
        needs.setdefault(piece, set())
        lines = open(os.path.join(src, room, name), encoding="utf-8").read().splitlines()
        for number, line in enumerate(lines, 1):
            m = re.match(r'\s*#\s*include\s+"(\w+)/([\w.]+)"', line)
            if not m:
                continue
            if m.group(1) != room and m.group(1) not in below(room):
                faults.append(f"{room}/{name}:{number}: includes {m.group(1)}/, which {room}/ "
                              "may not see")
            target = f"{m.group(1)}/{os.path.splitext(m.group(2))[0]}"
            if target != piece:
                needs[piece].add(target)


def loop(piece, trail, done):
    if piece in trail:
        return trail[trail.index(piece):] + [piece]
    if piece in done:
        return None
    done.add(piece)
    return next(filter(None, (loop(t, trail + [piece], done) for t in sorted(needs.get(piece, ())))),
                None)


engine, done = below("sim") | {"sim"}, set()
for piece in sorted(p for p in needs if p.split("/")[0] in engine):
    found = loop(piece, [], done)
    if found:
        faults.append("pieces need each other round: " + " -> ".join(found))

print("\n".join(faults + [f"{len(links)} rooms, {len(needs)} pieces: "
                          + (f"{len(faults)} faults" if faults else "one way, no loops")]))
sys.exit(1 if faults else 0)
