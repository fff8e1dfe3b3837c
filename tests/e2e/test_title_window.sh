#!/usr/bin/env bash
# The game opens its title window and the quit button ends it.
game="$1"
source "${ORVALIS_E2E_LIB:-$(dirname "$0")/lib.sh}"

e2e_start_x
e2e_start_game "$game"
win=$(e2e_wait_window "Orvalis" 30) || e2e_fail "no window captioned Orvalis"
sleep 0.5
read -r x y w h < <(e2e_geometry "$win")
[ "$w" = 801 ] && [ "$h" = 601 ] || e2e_fail "client area is ${w}x${h}, not 801x601"
e2e_shot title

# The quit button (Command2: 7845, 8265, 3975, 660 twips) ends the program.
e2e_click "$win" $((7845 / 15 + 40)) $((8265 / 15 + 20))
rc=$(e2e_wait_exit 10) || e2e_fail "the game did not end after the quit button"
[ "$rc" = 0 ] || e2e_fail "the game ended with status $rc"
echo "title window ok: ${w}x${h} at $x,$y"
