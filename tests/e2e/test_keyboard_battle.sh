#!/usr/bin/env bash
# A whole battle from the keyboard alone - no mouse event at all: the start
# button from the title, the vehicles placed and the shots fired with the
# cursor, "-You Win-" answered, and on through the bonus picture into the
# next stage.
game="$1"
source "${ORVALIS_E2E_LIB:-$(dirname "$0")/lib.sh}"
sim="$(dirname "$game")/orvalis-sim"
seed=3

e2e_start_x
e2e_start_game "$game" --seed "$seed"
title=$(e2e_wait_screen ACD_Sub 30) || e2e_fail "no title window"
sleep 0.5
e2e_shot kb_title
e2e_key "$title" Return                      # the start button has the focus
battle=$(e2e_wait_screen ACD_Main 10) || e2e_fail "Enter on the title started nothing"
xdotool windowfocus --sync "$battle" 2>/dev/null || true
read -r ox oy w h < <(e2e_geometry "$battle")
mb=$((h - 602))
[ "$w" = 809 ] || e2e_fail "battle window is ${w}x${h}"
keys() { xdotool key --delay 25 "$@"; sleep 0.15; }
# Home and Page Up put the cursor in the corner; then right and down.
to() { local moves=(Home Prior) i; for ((i = 0; i < $1; i++)); do moves+=(Right); done
       for ((i = 0; i < $2; i++)); do moves+=(Down); done; keys "${moves[@]}"; }
ownFrame()   { echo "$((ox + 12 + $1 * 30 + 1)) $((oy + mb + 318 + $2 * 30 + 1))"; }
enemyFrame() { echo "$((ox + 12 + $1 * 30 + 1)) $((oy + mb + 11 + $2 * 30 + 1))"; }
# Bright cursor pixels inside a cell of the enemy field, just within its rim.
cursorAt() { local v; read -r v < <(e2e_pixels "$1" $((ox + 12 + $2 * 30 + 4)) $((oy + mb + 11 + $3 * 30 + 10))); echo "$v"; }

sleep 0.7   # the first tick of the computer's clock opens the deployment
keys Return                                   # before: (9, 4) takes a command vehicle
keys Return                                   # refused, as a click there is
to 0 0; keys Return; keys Right Return        # two more command vehicles
to 0 8; keys Return Right Return Right Return Right Return   # four combat vehicles
e2e_shot kb_deployed
read -r c1 c2 c3 c4 < <(e2e_pixels kb_deployed $(ownFrame 9 4) $(ownFrame 1 0) $(ownFrame 0 8) $(ownFrame 3 8))
[ "$c1" = "255,255,0" ] && [ "$c2" = "255,255,0" ] || e2e_fail "command vehicles are $c1 $c2, not yellow"
[ "$c3" = "0,255,0" ] && [ "$c4" = "0,255,0" ] || e2e_fail "combat vehicles are $c3 $c4, not green"
[ "$(cursorAt kb_deployed 9 4)" = "0,224,255" ] || e2e_fail "no cursor on the enemy field in the player's turn"

mapfile -t layout < <("$sim" --layout --seed "$seed")
commands=()
for line in "${layout[@]}"; do set -- $line; [ "$1" = "指" ] && commands+=("$2 $3"); done
others=()
for cell in "9 4" "18 8" "0 0" "10 4" "17 1"; do
    [[ " ${layout[*]} " != *" $cell "* ]] && others+=("$cell")
done

# First turn: one command vehicle hit and three shots elsewhere; the cursor
# sits on the last one, and the cell's colour rim still shows around it.
to ${commands[0]}; keys Return
to ${others[0]}; keys Return
to ${others[1]}; keys Return
e2e_shot kb_player_turn
read -r hit < <(e2e_pixels kb_player_turn $(enemyFrame ${commands[0]}))
[ "$hit" = "255,255,0" ] || e2e_fail "the command vehicle hit is $hit, not yellow"
read -r rim < <(e2e_pixels kb_player_turn $(enemyFrame ${others[1]}))
case "$rim" in 255,255,255|255,200,200) ;; *) e2e_fail "the cursor hides the answer's colour ($rim)";; esac
[ "$(cursorAt kb_player_turn ${others[1]})" = "0,224,255" ] || e2e_fail "the cursor is not on the last shot"
to ${others[2]}; keys Return                  # the turn's last shot
sleep 0.3
e2e_shot kb_cp_turn
[ "$(cursorAt kb_cp_turn ${others[2]})" != "0,224,255" ] || e2e_fail "the cursor stays in the computer's turn"
sleep 2.2

# Second turn: the second command vehicle wins.
to ${commands[1]}; keys Return
box=$(e2e_wait_window "戦闘結果" 5) || e2e_fail "no result box"
sleep 0.3
e2e_shot kb_you_win
e2e_key "$box" Return
viewer=$(e2e_wait_screen ACD_OmakeCG0A 10) || e2e_fail "no bonus viewer after the victory"
sleep 0.3
read -r _ _ vw vh < <(e2e_geometry "$viewer")
[ "$vw" = 801 ] && [ "$vh" = 601 ] || e2e_fail "the viewer is ${vw}x${vh}"
e2e_shot kb_viewer
e2e_key "$viewer" Return                      # on, as its click leads
next=$(e2e_wait_screen ACD_Main 10) || e2e_fail "Enter on the viewer led nowhere"
read -r _ _ nw _ < <(e2e_geometry "$next")
[ "$nw" = 809 ] || e2e_fail "the next screen is ${nw} wide, not the battle"
e2e_shot kb_stage2
echo "keyboard battle ok: title, deployment, shots, victory, viewer, stage 2"
