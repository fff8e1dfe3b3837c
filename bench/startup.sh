#!/usr/bin/env bash
# Start-up time to the mapped title window (median of N runs) and peak memory
# at the title screen, next to a minimal Qt window. Needs a Release build in
# build/, or in the folder ORVALIS_BUILD names (to set two builds side by side).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-10}"
build="${ORVALIS_BUILD:-$root/build}"
bin="$build/bin"
unset QT_QPA_PLATFORM
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :77 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb' EXIT
  export DISPLAY=:77
  sleep 1
fi
measure() {
  local label="$1"; shift
  local times=() mem=()
  for _ in $(seq 1 "$runs"); do
    read -r _ ms _ kb < <("$bin/orvalis-mapwait" 500 "$@")
    times+=("$ms"); mem+=("$kb")
  done
  local med memmed
  med=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END{print (NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2}')
  memmed=$(printf '%s\n' "${mem[@]}" | sort -n | awk '{a[NR]=$1} END{print a[int((NR+1)/2)]}')
  echo "$label: median ${med} ms to mapped window, VmHWM ${memmed} kB (runs: ${times[*]})"
}
measure "minimal Qt window" "$bin/orvalis-minimal-window"
measure "orvalis title" "$bin/orvalis"
# The same build installed into a scratch prefix, with a settings folder of
# its own: the installed layout's look-ups next to the build tree's.
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"; [ -n "${xvfb:-}" ] && kill $xvfb' EXIT
cmake --install "$build" --prefix "$prefix/p" >/dev/null
HOME="$prefix" XDG_CONFIG_HOME="$prefix/xdg" measure "orvalis title, installed" "$prefix/p/games/orvalis"
