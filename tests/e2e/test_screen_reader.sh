#!/usr/bin/env bash
# What a screen reader reads of the game over AT-SPI: the title's buttons and
# option boxes by what they do, the battle's cells by coordinates and what is
# known of them, the counts and the message line as text, and the events it
# hears as the cursor moves and a shot is answered. Runs on a session bus of
# its own with the accessibility bus and registry it starts.
game="$1"
if [ -z "${ORVALIS_A11Y_BUS:-}" ]; then
    ORVALIS_A11Y_BUS=1 dbus-run-session -- bash "$0" "$@" 2>&1 | grep -v '^dbus-daemon\['
    exit "${PIPESTATUS[0]}"
fi
source "${ORVALIS_E2E_LIB:-$(dirname "$0")/lib.sh}"
here="$(cd "$(dirname "$0")" && pwd)"
reader() { /usr/bin/python3 "$here/screen_reader.py" "$@"; }
sim="$(dirname "$game")/orvalis-sim"
seed=3

e2e_start_x
# The registry first, so the game finds it as it starts.
/usr/bin/python3 -c "import pyatspi; pyatspi.Registry.getDesktop(0)" || e2e_fail "no accessibility bus"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
e2e_start_game "$game" --seed "$seed"
title=$(e2e_wait_screen ACD_Sub 30) || e2e_fail "no title window"
sleep 1
shown="$E2E_SHOTS/sr_title.txt"
reader tree >"$shown" || e2e_fail "the title cannot be read"
for want in "push button	Start a new game" "push button	Quit the game" \
            "check box	Sound effects off" "check box	Music off" "check box	Smooth scrolling"; do
    grep -qF "$want" "$shown" || e2e_fail "the title has no '$want'"
done

e2e_key "$title" Return
battle=$(e2e_wait_screen ACD_Main 10) || e2e_fail "Enter on the title started nothing"
sleep 1   # the first tick opens the deployment
shown="$E2E_SHOTS/sr_battle.txt"
reader tree >"$shown" || e2e_fail "the battle cannot be read"
grep -qF "table	Enemy field" "$shown" || e2e_fail "no enemy field"
grep -qF "table	Your field" "$shown" || e2e_fail "no own field"
[ "$(grep -c "table cell	[A-S][1-9]: " "$shown")" = 342 ] || e2e_fail "the fields do not have 2 x 171 named cells"
grep -qF "table cell	A1: not yet fired" "$shown" || e2e_fail "an enemy cell does not say it is not yet fired"
grep -qF "label	Enemy command vehicles left: 3" "$shown" || e2e_fail "the enemy's count is not text"
[ "$(grep -c "	table	" "$shown")" = 2 ] || e2e_fail "a grid that means nothing is read out"
! grep -qE "	(Turn|PLShot|CPShot)" "$shown" || e2e_fail "labels beyond the window's edge are read out"

# Placing by keys: the cursor's cell is heard as the focus, the placed
# vehicle as the cell's new name, the prompt as it counts down.
heard="$E2E_SHOTS/sr_deploy_events.txt"
reader listen 2.5 >"$heard" &
listener=$!
for i in $(seq 1 50); do [ -s "$heard" ] && break; sleep 0.1; done
xdotool windowfocus --sync "$battle" 2>/dev/null || true
xdotool key --delay 150 Return Right Return
wait "$listener"
grep -qF "accessible-name	table cell	J5: command vehicle" "$heard" || e2e_fail "a placed vehicle is not heard"
grep -qE "focus.*	table cell	K5: " "$heard" || e2e_fail "the cursor's move is not heard"
grep -qF "残り 1機" "$heard" || e2e_fail "the prompt's change is not heard"

# The rest of the fleet, then a shot at a command vehicle.
xdotool key --delay 60 Right Return Home Next Return Right Return Right Return Right Return
sleep 0.5
mapfile -t layout < <("$sim" --layout --seed "$seed")
for line in "${layout[@]}"; do set -- $line; [ "$1" = "指" ] && { col=$2; row=$3; break; }; done
name="$(printf "\\x$(printf %x $((65 + col)))")$((row + 1))"
moves=(Home Prior)
for ((i = 0; i < col; i++)); do moves+=(Right); done
for ((i = 0; i < row; i++)); do moves+=(Down); done
xdotool key --delay 40 "${moves[@]}"
reader listen 2 >"$heard" &
listener=$!
for i in $(seq 1 50); do [ -s "$heard" ] && break; sleep 0.1; done
xdotool key Return
wait "$listener"
grep -qF "table cell	$name: command vehicle hit" "$heard" || e2e_fail "the hit on $name is not heard"
shown="$E2E_SHOTS/sr_hit.txt"
reader tree >"$shown"
grep -qF "table cell	$name: command vehicle hit" "$shown" || e2e_fail "$name does not read as hit"
grep -qF "label	Enemy command vehicles left: 2" "$shown" || e2e_fail "the enemy's count did not change"
awk -F'\t' '$2 == "label" && $3 != "" && $4 == "Message" { found = 1 } END { exit !found }' "$shown" ||
    e2e_fail "the message line is empty after a hit"
[ "$(grep -c "Enemy command vehicles left: 2" "$heard")" = 1 ] || e2e_fail "a count is told more than once"
echo "screen reader ok: title, fields, counts, events of the cursor, a placement and a hit"
