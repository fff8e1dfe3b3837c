#!/usr/bin/env bash
# Three cleared opponents in the settings file show the bonus button; the
# bonus menu opens both viewers and comes back, and its exit leads to the title.
game="$1"
source "${ORVALIS_E2E_LIB:-$(dirname "$0")/lib.sh}"
work=$(mktemp -d)
trap 'e2e_cleanup; rm -rf "$work"' EXIT
bin=$(e2e_private_copy "$game" "$work/app")
printf '[Sound]\r\nBGM=1\r\n[CLR]\r\nCH0=1\r\nCH1=1\r\nCH2=1\r\n' > "$work/app/Pelmo.ini"

e2e_start_x
e2e_start_game "$bin"
title=$(e2e_wait_screen ACD_Sub 30) || e2e_fail "no title window"
sleep 0.4
e2e_shot bonus_title

# The bonus button (7845, 6195, 3975, 660 twips) opens the bonus menu.
e2e_click "$title" $((7845 / 15 + 130)) $((6195 / 15 + 22))
menu=$(e2e_wait_screen ACD_OmakeMode 10) || e2e_fail "the bonus button opened nothing"
sleep 0.3
e2e_shot bonus_menu

# Element 0 opens viewer A; a click on it returns to the menu.
e2e_click "$menu" $((615 / 15 + 60)) $((1350 / 15 + 45))
viewerA=$(e2e_wait_screen ACD_OmakeCG0A 10) || e2e_fail "no viewer A"
sleep 0.3
e2e_shot bonus_viewer_a
e2e_click "$viewerA" 400 300
menu=$(e2e_wait_screen ACD_OmakeMode 10) || e2e_fail "viewer A did not return"
sleep 0.3

# Element 2 opens viewer C; a click shows its second picture, another returns.
e2e_click "$menu" $((5280 / 15 + 27)) $((1350 / 15 + 45))
viewerC=$(e2e_wait_screen ACD_OmakeCG0C 10) || e2e_fail "no viewer C"
sleep 1
e2e_shot bonus_viewer_c
e2e_click "$viewerC" 400 300
sleep 0.4
e2e_shot bonus_viewer_c2
[ "$(e2e_region bonus_viewer_c 100 100 200 200)" != "$(e2e_region bonus_viewer_c2 100 100 200 200)" ] \
    || e2e_fail "viewer C did not change to its second picture"
e2e_click "$viewerC" 400 300
menu=$(e2e_wait_screen ACD_OmakeMode 10) || e2e_fail "viewer C did not return"
sleep 0.3

# Exit: back to the title, bonus button still there.
e2e_click "$menu" $((9600 / 15 + 66)) $((7920 / 15 + 22))
back=$(e2e_wait_screen ACD_Sub 10) || e2e_fail "exit did not lead anywhere"
[ "$back" = "$title" ] || e2e_fail "exit did not return to the title screen"
sleep 0.3
e2e_shot bonus_back_to_title
echo "bonus mode ok"
