#!/usr/bin/env bash
# CPU used by the battle screen left idle in the player's turn, the keyboard's
# cursor shown on the enemy field (Release build in build/).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
export ORVALIS_SHOTS=/tmp/orvalis-bench-shots
source "$root/tests/e2e/lib.sh"
e2e_start_x
e2e_start_game "$root/build/bin/orvalis" --seed 3
title=$(e2e_wait_window "Orvalis" 30)
sleep 0.3
e2e_click "$title" $((7852 / 15 + 130)) $((2745 / 15 + 28))
battle=$(e2e_wait_other_window "Orvalis" "$title" 10)
read -r _ _ _ h < <(e2e_geometry "$battle")
mb=$((h - 602))
sleep 0.8
for c in 0 1 2; do e2e_click "$battle" $((12 + c * 30 + 15)) $((mb + 318 + 15)); sleep 0.2; done
for c in 0 1 2 3; do e2e_click "$battle" $((12 + c * 30 + 15)) $((mb + 318 + 8 * 30 + 15)); sleep 0.2; done
sleep 3   # let the start message slide away
tick() { awk '{print $14 + $15}' "/proc/$E2E_GAME_PID/stat"; }
before=$(tick)
sleep "$seconds"
after=$(tick)
hz=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v hz="$hz" -v s="$seconds" \
    'BEGIN { printf "idle_player_turn: %.2f s CPU in %d s (%.3f%%)\n", t / hz, s, 100 * t / hz / s }'
