#!/usr/bin/env bash
# A battle played with the mouse, from the title's start button to "-You Win-":
# the mouse player sees none of the keyboard's marks, until a key calls them.
game="$1"
source "${ORVALIS_E2E_LIB:-$(dirname "$0")/lib.sh}"
sim="$(dirname "$game")/orvalis-sim"
seed=3

e2e_start_x
e2e_start_game "$game" --seed "$seed"
title=$(e2e_wait_screen ACD_Sub 30) || e2e_fail "no title window"
sleep 0.3
e2e_shot title
nomarks() { [ "$(e2e_marks "$1" "$2")" = 0 ] || e2e_fail "keyboard marks on the mouse player's $1"; }
nomarks title "$title"
e2e_click "$title" $((7852 / 15 + 130)) $((2745 / 15 + 28))   # start button
battle=$(e2e_wait_screen ACD_Main 10) || e2e_fail "no battle window"
sleep 0.3
read -r _ _ w h < <(e2e_geometry "$battle")
mb=$((h - 602))   # the menu bar sits above the 809 x 602 client area
[ "$w" = 809 ] && [ "$mb" -gt 0 ] && [ "$mb" -lt 60 ] || e2e_fail "battle window is ${w}x${h}"

own()   { e2e_click "$battle" $((12 + $1 * 30 + 15)) $((mb + 318 + $2 * 30 + 15)); sleep 0.15; }
enemy() { e2e_click "$battle" $((12 + $1 * 30 + 15)) $((mb + 11 + $2 * 30 + 15)); sleep 0.15; }
# Pixel of the 3-pixel colour frame of a cell (screen coordinates).
read -r ox oy < <(e2e_origin "$battle")
ownFrame()   { echo "$((ox + 12 + $1 * 30 + 1)) $((oy + mb + 318 + $2 * 30 + 1))"; }
enemyFrame() { echo "$((ox + 12 + $1 * 30 + 1)) $((oy + mb + 11 + $2 * 30 + 1))"; }

sleep 0.6   # the first tick of the computer's clock opens the deployment
e2e_shot deploy_prompt
yellow=$(convert "$E2E_SHOTS/deploy_prompt.png" -crop 528x18+$((ox + 32))+$((oy + mb + 291)) \
    -fx 'r>0.8 && g>0.8 && b<0.3 ? 1 : 0' -format '%[fx:int(mean*w*h)]' info:)
[ "$yellow" -gt 20 ] || e2e_fail "no deployment prompt in the message bar"
nomarks deploy_prompt "$battle"

own 0 0; own 0 0; own 1 0; own 2 0      # three command vehicles, one refused click
own 0 8; own 1 8; own 2 8; own 3 8      # four combat vehicles
e2e_shot deployed
read -r c1 c2 < <(e2e_pixels deployed $(ownFrame 0 0) $(ownFrame 0 8))
[ "$c1" = "255,255,0" ] || e2e_fail "command vehicle cell is $c1, not yellow"
[ "$c2" = "0,255,0" ] || e2e_fail "combat vehicle cell is $c2, not green"
nomarks deployed "$battle"
# One arrow key shows the cursor on the enemy field; the next click hides it.
e2e_key "$battle" Right
sleep 0.2
e2e_shot cursor_by_key
[ "$(e2e_marks cursor_by_key "$battle")" -gt 20 ] || e2e_fail "an arrow key showed no cursor"

# The computer's layout for this seed.
mapfile -t layout < <("$sim" --layout --seed "$seed")
commands=()
for line in "${layout[@]}"; do
    set -- $line
    [ "$1" = "指" ] && commands+=("$2 $3")
done
[ ${#commands[@]} = 3 ] || e2e_fail "layout has ${#commands[@]} command vehicles"

# First turn: one command vehicle and three shots elsewhere.
others=()
for cell in "9 4" "18 8" "0 0" "10 4" "17 1"; do
    [[ " ${layout[*]} " != *" $cell "* ]] && others+=("$cell")
done
enemy ${commands[0]}
enemy ${others[0]}
enemy ${others[1]}
e2e_shot player_turn   # still the player's turn: the computer has not fired yet
nomarks player_turn "$battle"
read -r hit < <(e2e_pixels player_turn $(enemyFrame ${commands[0]}))
[ "$hit" = "255,255,0" ] || e2e_fail "command vehicle hit is $hit, not yellow"

# The last shot of the turn; then the computer fires four, one every 430 ms.
enemy ${others[2]}
sleep 0.3
e2e_shot cp_turn_early
sleep 2.2
e2e_shot cp_turn_done
# Cells of the own field whose middle changed between two screenshots.
ownCentre() { echo "$((ox + 12 + $1 * 30 + 15)) $((oy + mb + 318 + $2 * 30 + 15))"; }
changed() {
    local args=() c r
    for r in $(seq 0 8); do for c in $(seq 0 18); do args+=($(ownCentre $c $r)); done; done
    diff <(e2e_pixels "$1" "${args[@]}" | tr ' ' '\n') <(e2e_pixels "$2" "${args[@]}" | tr ' ' '\n') \
        | grep -c '^<' || true
}
early=$(changed player_turn cp_turn_early); done_=$(changed player_turn cp_turn_done)
[ "$done_" = 4 ] || e2e_fail "the computer's turn changed $done_ cells of the own field, not 4"
[ "$early" -ge 1 ] && [ "$early" -lt 4 ] || e2e_fail "the computer's shots did not come one by one ($early after 0.5 s)"

# Second turn: the second command vehicle wins at once.
enemy ${commands[1]}
box=$(e2e_wait_window "戦闘結果" 5) || e2e_fail "no result box"
sleep 0.3
e2e_shot you_win
e2e_key "$box" Return
sleep 0.5
viewer=$(e2e_wait_screen ACD_OmakeCG0A 5) || e2e_fail "no bonus viewer after the victory"
e2e_shot after_victory
echo "battle ok: deployed, computer fired, victory"
