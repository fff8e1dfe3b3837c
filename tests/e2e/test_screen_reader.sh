#!/usr/bin/env bash
# What a screen reader reads of the game over AT-SPI, in the game's Japanese
# and in English: the title's buttons and option boxes by what they do, the
# battle's cells by coordinates and what is known of them, the counts and the
# message line as text, and the events it hears as the cursor moves and a
# shot is answered. Runs on a session bus of its own with the accessibility
# bus and registry it starts.
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

work=$(mktemp -d)
trap 'e2e_cleanup; rm -rf "$work"' EXIT
# A copy of its own, the bonus open: the English game is read to its last screen.
bin=$(e2e_private_copy "$game" "$work/app")
printf '[CLR]\nCH0=1\nCH1=1\nCH2=1\n' >"$work/app/Pelmo.ini"
# Any Japanese left in a file of what the reader found.
no_japanese() {
    ! grep -P '[\x{3000}-\x{30ff}\x{4e00}-\x{9fff}\x{ff00}-\x{ffef}]' "$1" || e2e_fail "Japanese in $1"
}

e2e_start_x
# The registry first, so the game finds it as it starts.
/usr/bin/python3 -c "import pyatspi; pyatspi.Registry.getDesktop(0)" || e2e_fail "no accessibility bus"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# read_game LOCALE [OPTION]: one game under that locale, read and listened
# to; the words it must say come from W.
read_game() {
local lang="$1"
LANG="$lang" e2e_start_game "$bin" --seed "$seed" "${@:2}"
title=$(e2e_wait_screen ACD_Sub 30) || e2e_fail "no title window"
sleep 1
shown="$E2E_SHOTS/sr_title_$lang.txt"
reader tree >"$shown" || e2e_fail "the title cannot be read"
for want in "push button	${W[start]}" "push button	${W[quit]}" \
            "check box	${W[se]}" "check box	${W[bgm]}" "check box	${W[smooth]}"; do
    grep -qF "$want" "$shown" || e2e_fail "the title has no '$want'"
done

e2e_key "$title" Return
battle=$(e2e_wait_screen ACD_Main 10) || e2e_fail "Enter on the title started nothing"
sleep 1   # the first tick opens the deployment
shown="$E2E_SHOTS/sr_battle_$lang.txt"
reader tree >"$shown" || e2e_fail "the battle cannot be read"
grep -qF "table	${W[enemy]}" "$shown" || e2e_fail "no enemy field"
grep -qF "table	${W[own]}" "$shown" || e2e_fail "no own field"
[ "$(grep -c "table cell	[A-S][1-9]: " "$shown")" = 342 ] || e2e_fail "the fields do not have 2 x 171 named cells"
grep -qF "table cell	A1: ${W[unfired]}" "$shown" || e2e_fail "an enemy cell does not say it is not yet fired"
grep -qF "label	${W[left]}: 3" "$shown" || e2e_fail "the enemy's count is not text"
[ "$(grep -c "	table	" "$shown")" = 2 ] || e2e_fail "a grid that means nothing is read out"
! grep -qE "	(Turn|PLShot|CPShot)" "$shown" || e2e_fail "labels beyond the window's edge are read out"

# Placing by keys: the cursor's cell is heard as the focus, the placed
# vehicle as the cell's new name, the prompt as it counts down.
heard="$E2E_SHOTS/sr_deploy_events_$lang.txt"
reader listen 2.5 >"$heard" &
listener=$!
for i in $(seq 1 50); do [ -s "$heard" ] && break; sleep 0.1; done
xdotool windowfocus --sync "$battle" 2>/dev/null || true
xdotool key --delay 150 Return Right Return
wait "$listener"
grep -qF "accessible-name	table cell	J5: ${W[command]}" "$heard" || e2e_fail "a placed vehicle is not heard"
grep -qE "focus.*	table cell	K5: " "$heard" || e2e_fail "the cursor's move is not heard"
grep -qF "${W[one]}" "$heard" || e2e_fail "the prompt's change is not heard"

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
grep -qF "table cell	$name: ${W[hit]}" "$heard" || e2e_fail "the hit on $name is not heard"
shown="$E2E_SHOTS/sr_hit_$lang.txt"
reader tree >"$shown"
grep -qF "table cell	$name: ${W[hit]}" "$shown" || e2e_fail "$name does not read as hit"
grep -qF "label	${W[left]}: 2" "$shown" || e2e_fail "the enemy's count did not change"
awk -F'\t' -v m="${W[message]}" '$2 == "label" && $3 != "" && $4 == m { found = 1 } END { exit !found }' "$shown" ||
    e2e_fail "the message line is empty after a hit"
[ "$(grep -c "${W[left]}: 2" "$heard")" = 1 ] || e2e_fail "a count is told more than once"
[ "$lang" = C.UTF-8 ] || english_to_the_end
kill "$E2E_GAME_PID" 2>/dev/null; wait "$E2E_GAME_PID" 2>/dev/null || true; E2E_GAME_PID=""
}

# The English game after the battle: the result box, the continue screen, the
# title, the bonus menu and a viewer, with not a Japanese word read.
english_to_the_end() {
    for shown in "$E2E_SHOTS"/sr_*_$lang.txt; do no_japanese "$shown"; done
    e2e_shot sr_battle_english
    xdotool key alt+s
    sleep 1
    e2e_shot sr_result_english
    reader tree >"$E2E_SHOTS/sr_result_$lang.txt"
    grep -qF "You Lose" "$E2E_SHOTS/sr_result_$lang.txt" || e2e_fail "no result box read"
    xdotool key Return
    e2e_wait_screen ACD_Continue 10 >/dev/null || e2e_fail "no continue screen"
    sleep 0.5
    e2e_shot sr_continue_english
    reader tree >"$E2E_SHOTS/sr_continue_$lang.txt"
    xdotool key n
    e2e_wait_screen ACD_Sub 10 >/dev/null || e2e_fail "No led nowhere"
    sleep 0.5
    e2e_shot sr_title_english
    xdotool key Tab Return
    e2e_wait_screen ACD_OmakeMode 10 >/dev/null || e2e_fail "no bonus menu"
    sleep 0.5
    reader tree >"$E2E_SHOTS/sr_bonus_$lang.txt"
    xdotool key Return
    e2e_wait_screen ACD_OmakeCG0A 10 >/dev/null || e2e_fail "no bonus picture"
    sleep 0.5
    reader tree >"$E2E_SHOTS/sr_viewer_$lang.txt"
    for shown in result continue bonus viewer; do no_japanese "$E2E_SHOTS/sr_${shown}_$lang.txt"; done
}

declare -A W=([start]="新しいゲームを始める" [quit]="ゲームを終了する" [se]="効果音オフ" [bgm]="音楽オフ"
    [smooth]="なめらかスクロール" [enemy]="敵の陣地" [own]="自分の陣地" [unfired]="未攻撃"
    [left]="敵の指令車の残り" [command]="指令車" [hit]="指令車ヒット" [one]="残り 1機" [message]="メッセージ")
read_game C.UTF-8
W=([start]="Start a new game" [quit]="Quit the game" [se]="Sound effects off" [bgm]="Music off"
    [smooth]="Smooth scrolling" [enemy]="Enemy field" [own]="Your field" [unfired]="not yet fired"
    [left]="Enemy command vehicles left" [command]="command vehicle" [hit]="command vehicle hit"
    [one]="1 left" [message]="Message")
read_game en_US.UTF-8
# The option wins over the locale.
LANG=C.UTF-8 e2e_start_game "$bin" --lang en
e2e_wait_screen ACD_Sub 30 >/dev/null || e2e_fail "no title with --lang en"
sleep 1
reader tree >"$E2E_SHOTS/sr_title_lang_en.txt"
grep -qF "push button	Start a new game" "$E2E_SHOTS/sr_title_lang_en.txt" || e2e_fail "--lang en is not English"
no_japanese "$E2E_SHOTS/sr_title_lang_en.txt"
echo "screen reader ok, in Japanese and English: title, fields, counts, events of the cursor, a placement and a hit"
