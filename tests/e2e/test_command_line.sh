#!/usr/bin/env bash
# The command line, answered before any window opens: with no display at all,
# --help and --version still answer, a bad option is refused with one line and
# a hint (status 2), and the game itself says in one line that there is no
# display (status 1), with no crash.
game="$1"
set -uo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
out=$(mktemp); err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
# run STATUS ARGS...: runs the game without a display; fails unless it ends with STATUS.
run() {
    local want="$1"; shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0 \
        timeout 20 "$game" "$@" >"$out" 2>"$err"
    local rc=$?
    [ "$rc" = "$want" ] || fail "'$*' ended with $rc, not $want: $(cat "$err")"
}
lines() { [ "$(wc -l <"$2")" = "$1" ] || fail "expected $1 line(s), got: $(cat "$2")"; }

run 0 --help
grep -q '^Usage: orvalis' "$out" && grep -q -- '--seed N' "$out" && grep -q -- '--lang L' "$out" ||
    fail "no usage: $(cat "$out")"
[ ! -s "$err" ] || fail "--help wrote to stderr: $(cat "$err")"
run 0 --version
[ "$(cat "$out")" = "orvalis $(sed -n 's/^project(Orvalis VERSION \([0-9.]*\).*/\1/p' \
    "$(dirname "$0")/../../CMakeLists.txt")" ] || fail "--version says '$(cat "$out")'"
for bad in "--bogus" "--seed abc" "--seed" "--seed -1" "--seed 4294967296" "-platform xcb" \
           "--lang" "--lang fr" "--lang=EN"; do
    run 2 $bad
    lines 2 "$err"
    grep -q "^Try 'orvalis --help'" "$err" || fail "'$bad' gave no hint: $(cat "$err")"
    [ ! -s "$out" ] || fail "'$bad' wrote to stdout"
done
run 1 --seed 7
lines 1 "$err"
grep -q 'no display' "$err" || fail "no word of the missing display: $(cat "$err")"
echo "command line ok"
