#!/usr/bin/env bash
# Sets up, builds (Release) and starts the game on the current display.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" --target orvalis
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "play: no display available (DISPLAY is not set); the game needs a desktop session." >&2
  exit 2
fi
if [ -n "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && command -v xdpyinfo >/dev/null 2>&1 \
   && ! xdpyinfo >/dev/null 2>&1; then
  echo "play: cannot open the display '$DISPLAY'; is the desktop session running?" >&2
  exit 2
fi
exec "$root/build/bin/orvalis"
