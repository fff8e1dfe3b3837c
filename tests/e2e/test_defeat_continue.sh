#!/usr/bin/env bash
# A lost battle leads to the continue screen, and "No" back to the title.
game="$1"
source "${ORVALIS_E2E_LIB:-$(dirname "$0")/lib.sh}"
sim="$(dirname "$game")/orvalis-sim"
seed=3
work=$(mktemp -d)
trap 'e2e_cleanup; rm -rf "$work"' EXIT
bin=$(e2e_private_copy "$game" "$work/app")

e2e_start_x
e2e_start_game "$bin" --seed "$seed"
title=$(e2e_wait_screen ACD_Sub 30) || e2e_fail "no title window"
sleep 0.3
e2e_click "$title" $((7852 / 15 + 130)) $((2745 / 15 + 28))
battle=$(e2e_wait_screen ACD_Main 10) || e2e_fail "no battle window"
read -r _ _ _ h < <(e2e_geometry "$battle")
mb=$((h - 602))
sleep 0.8
for c in 0 1 2; do e2e_click "$battle" $((12 + c * 30 + 15)) $((mb + 318 + 15)); sleep 0.15; done
for c in 0 1 2 3; do e2e_click "$battle" $((12 + c * 30 + 15)) $((mb + 318 + 8 * 30 + 15)); sleep 0.15; done

# Fire only at empty cells until the computer wins.
layout=" $("$sim" --layout --seed "$seed" | awk '{print $2 "," $3}' | tr '\n' ' ') "
box=""
for r in $(seq 0 8); do
    for c in $(seq 0 18); do
        [[ "$layout" == *" $c,$r "* ]] && continue
        box=$(xdotool search --onlyvisible --name '^戦闘結果$' 2>/dev/null | head -n 1 || true)
        [ -n "$box" ] && break 2
        e2e_click "$battle" $((12 + c * 30 + 15)) $((mb + 11 + r * 30 + 15))
        sleep 0.45
    done
done
[ -n "$box" ] || box=$(e2e_wait_window "戦闘結果" 10) || e2e_fail "the battle did not end"
sleep 0.3
e2e_shot you_lose
e2e_key "$box" Return
cont=$(e2e_wait_screen ACD_Continue 10) || e2e_fail "no continue screen"
sleep 0.3
read -r _ _ w h < <(e2e_geometry "$cont")
[ "$w" = 801 ] && [ "$h" = 601 ] || e2e_fail "continue screen is ${w}x${h}"
e2e_shot continue_screen
e2e_click "$cont" $((6315 / 15 + 89)) $((5565 / 15 + 31))   # "No"
back=$(e2e_wait_screen ACD_Sub 10) || e2e_fail "No led nowhere"
[ "$back" = "$title" ] || e2e_fail "No did not return to the title"
echo "defeat and continue ok"
