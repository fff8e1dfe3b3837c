#!/usr/bin/env python3
"""The rooms of src/ depend one way only: every include of a file reaches its
own room or a room its library links (directly or through others), as
src/CMakeLists.txt lists them; and in the engine's rooms (the standard
library ones, up to the simulator's) no pieces - a header with its source -
need each other round in a loop. The build already refuses an upward include where the system has
symbolic links; this says so everywhere, and names the file and the line.

    python3 tests/layers/check_layers.py [SRC_DIR]"""

import os
import re
import sys

src = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                      os.path.join(os.path.dirname(__file__), "..", "..", "src"))
cmake = re.sub(r"#.*", "", open(os.path.join(src, "CMakeLists.txt"), encoding="utf-8").read())

# orvalis_room(NAME ... LINKS orvalis_a orvalis_b ...): what each room links.
links = {}
for room, body in re.findall(r"orvalis_room\((\w+)(.*?)\)", cmake, re.S):
    links[room] = set(re.findall(r"orvalis_(\w+)", body.split("LINKS")[1])) if "LINKS" in body \
        else set()


def below(room, seen=None):
    seen = set() if seen is None else seen
    for lower in links.get(room, ()):
        if lower not in seen:
            seen.add(lower)
            below(lower, seen)
    return seen


faults = []
includes = {}  # "room/Piece" -> the pieces its header and source include
for room in sorted(links):
    for name in sorted(os.listdir(os.path.join(src, room))):
        path = f"{room}/{name}"
        piece = os.path.splitext(path)[0]
        text = open(os.path.join(src, path), encoding="utf-8").read()
        includes.setdefault(piece, set())
        for number, line in enumerate(text.splitlines(), 1):
            m = re.match(r'\s*#\s*include\s+"(\w+)/([\w.]+)"', line)
            if not m:
                continue
            target_room = m.group(1)
            target = f"{target_room}/{os.path.splitext(m.group(2))[0]}"
            if target != piece:
                includes[piece].add(target)
            if target_room != room and target_room not in below(room):
                faults.append(f"{path}:{number}: includes {target_room}/, which {room}/ may not see")


def loop_from(path, trail, done):
    if path in trail:
        return trail[trail.index(path):] + [path]
    if path in done or path not in includes:
        return None
    done.add(path)
    for target in sorted(includes[path]):
        found = loop_from(target, trail + [path], done)
        if found:
            return found
    return None


engine = below("sim") | {"sim"}
done = set()
for path in sorted(p for p in includes if p.split("/")[0] in engine):
    found = loop_from(path, [], done)
    if found:
        faults.append("pieces need each other round: " + " -> ".join(found))

for fault in faults:
    print(fault)
print(f"{len(links)} rooms, {len(includes)} pieces: "
      + ("one way, no loops" if not faults else f"{len(faults)} faults"))
sys.exit(1 if faults else 0)
