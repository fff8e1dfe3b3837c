#!/usr/bin/env bash
# Ticking "BGM OFF" writes BGM=1 at once, and the box comes up ticked after a restart.
game="$1"
source "${ORVALIS_E2E_LIB:-$(dirname "$0")/lib.sh}"
work=$(mktemp -d)
trap 'e2e_cleanup; rm -rf "$work"' EXIT
bin=$(e2e_private_copy "$game" "$work/app")
box_x=$((10005 / 15)); box_y=$((7155 / 15))   # CheckBGM

e2e_start_x
e2e_start_game "$bin"
title=$(e2e_wait_window "Orvalis" 30) || e2e_fail "no title window"
sleep 0.4
read -r ox oy _ _ < <(e2e_geometry "$title")
e2e_shot options_before
[ ! -e "$work/app/Pelmo.ini" ] || e2e_fail "a settings file exists before any click"
e2e_click "$title" $((box_x + 5)) $((box_y + 5))
sleep 0.4
e2e_shot options_ticked
grep -q '^BGM=1' "$work/app/Pelmo.ini" || e2e_fail "BGM=1 not written: $(cat "$work/app/Pelmo.ini" 2>/dev/null)"
before=$(e2e_region options_before $((ox + box_x)) $((oy + box_y)) 11 10)
ticked=$(e2e_region options_ticked $((ox + box_x)) $((oy + box_y)) 11 10)
[ "$before" != "$ticked" ] || e2e_fail "the box does not look ticked"

# Quit, start again: the box is ticked from the file.
e2e_click "$title" $((7845 / 15 + 40)) $((8265 / 15 + 20))
e2e_wait_exit 10 >/dev/null || e2e_fail "quit did not end the game"
e2e_start_game "$bin"
title=$(e2e_wait_window "Orvalis" 30) || e2e_fail "no title window after the restart"
sleep 0.4
read -r ox oy _ _ < <(e2e_geometry "$title")
e2e_shot options_restarted
again=$(e2e_region options_restarted $((ox + box_x)) $((oy + box_y)) 11 10)
[ "$again" = "$ticked" ] || e2e_fail "BGM OFF is not ticked after the restart"
grep -q '^BGM=1' "$work/app/Pelmo.ini" || e2e_fail "BGM=1 lost after the restart"
echo "options ok"
