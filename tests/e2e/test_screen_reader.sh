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
# Reads what is shown into FILE until WANT is among it: the game's answer.
readout() {
    local end=$((SECONDS + 30))
    until reader tree >"$1" 2>/dev/null && grep -qF "$2" "$1"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.2
    done
}
# Listens into FILE, in the background, until the game has said what matches
# each PATTERN in turn. A new listener is heard from only some time after it
# starts: the cursor goes down and back until its move is heard.
hear() {
    reader listen 30 "${@:2}" >"$1" &
    listener=$!
    local end=$((SECONDS + 30))
    until grep -q "focus" "$1"; do
        [ "$SECONDS" -lt "$end" ] || e2e_fail "no move of the cursor is heard"
        xdotool key Down Up
        sleep 0.5
    done
}
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
title=$(e2e_wait_screen ACD_Sub) || e2e_fail "no title window"
shown="$E2E_SHOTS/sr_title_$lang.txt"
readout "$shown" "push button	${W[start]}" || e2e_fail "the title cannot be read"
for want in "push button	${W[start]}" "push button	${W[quit]}" \
            "check box	${W[se]}" "check box	${W[bgm]}" "check box	${W[smooth]}"; do
    grep -qF "$want" "$shown" || e2e_fail "the title has no '$want'"
done

e2e_key "$title" Return
battle=$(e2e_wait_screen ACD_Main) || e2e_fail "Enter on the title started nothing"
shown="$E2E_SHOTS/sr_battle_$lang.txt"
# The first tick opens the deployment.
readout "$shown" "${W[three]}" || e2e_fail "the battle cannot be read"
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
xdotool windowfocus --sync "$battle" 2>/dev/null || true
hear "$heard" "accessible-name	table cell	J5: ${W[command]}" "focus.*	table cell	K5: " "${W[one]}"
xdotool key --delay 150 Return Right Return
wait "$listener"
grep -qF "accessible-name	table cell	J5: ${W[command]}" "$heard" || e2e_fail "a placed vehicle is not heard"
grep -qE "focus.*	table cell	K5: " "$heard" || e2e_fail "the cursor's move is not heard"
grep -qF "${W[one]}" "$heard" || e2e_fail "the prompt's change is not heard"

# The rest of the fleet, then a shot at a command vehicle.
xdotool key --delay 60 Right Return Home Next Return Right Return Right Return Right Return
readout "$work/fleet.txt" "table cell	D9: ${W[combat]}" || e2e_fail "the fleet is not placed"
mapfile -t layout < <("$sim" --layout --seed "$seed")
for line in "${layout[@]}"; do set -- $line; [ "$1" = "指" ] && { col=$2; row=$3; break; }; done
name="$(printf "\\x$(printf %x $((65 + col)))")$((row + 1))"
moves=(Home Prior)
for ((i = 0; i < col; i++)); do moves+=(Right); done
for ((i = 0; i < row; i++)); do moves+=(Down); done
xdotool key --delay 40 "${moves[@]}"
# A move after the shot: heard, it follows all the shot had to say.
hear "$heard" "table cell	$name: ${W[hit]}" "focus.*	table cell	(?!$name: )"
# The shot waits for the player's turn, which the clock's next tick opens
# after the last placement: a shot before it is refused, as a click is.
shot() { grep -qF "table cell	$name: ${W[hit]}" "$heard"; }
for _ in $(seq 1 12); do
    xdotool key Return
    for _ in $(seq 1 15); do shot && break; sleep 0.2; done
    shot && break
done
xdotool key "$([ "$col" = 0 ] && echo Right || echo Left)"
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
    readout "$E2E_SHOTS/sr_result_$lang.txt" "You Lose" || e2e_fail "no result box read"
    e2e_shot sr_result_english
    xdotool key Return
    e2e_wait_screen ACD_Continue >/dev/null || e2e_fail "no continue screen"
    readout "$E2E_SHOTS/sr_continue_$lang.txt" "Continue?" || e2e_fail "the continue screen cannot be read"
    e2e_shot sr_continue_english
    xdotool key n
    e2e_wait_screen ACD_Sub >/dev/null || e2e_fail "No led nowhere"
    readout "$work/title.txt" "${W[start]}" || e2e_fail "the title cannot be read again"
    e2e_shot sr_title_english
    xdotool key Tab Return
    e2e_wait_screen ACD_OmakeMode >/dev/null || e2e_fail "no bonus menu"
    readout "$E2E_SHOTS/sr_bonus_$lang.txt" "push button" || e2e_fail "the bonus menu cannot be read"
    xdotool key Return
    e2e_wait_screen ACD_OmakeCG0A >/dev/null || e2e_fail "no bonus picture"
    readout "$E2E_SHOTS/sr_viewer_$lang.txt" "image" || e2e_fail "the bonus picture cannot be read"
    for shown in result continue bonus viewer; do no_japanese "$E2E_SHOTS/sr_${shown}_$lang.txt"; done
}

declare -A W=([start]="新しいゲームを始める" [quit]="ゲームを終了する" [se]="効果音オフ" [bgm]="音楽オフ"
    [smooth]="なめらかスクロール" [enemy]="敵の陣地" [own]="自分の陣地" [unfired]="未攻撃"
    [left]="敵の指令車の残り" [command]="指令車" [combat]="戦闘車" [hit]="指令車ヒット" [three]="残り 3機"
    [one]="残り 1機" [message]="メッセージ")
read_game C.UTF-8
W=([start]="Start a new game" [quit]="Quit the game" [se]="Sound effects off" [bgm]="Music off"
    [smooth]="Smooth scrolling" [enemy]="Enemy field" [own]="Your field" [unfired]="not yet fired"
    [left]="Enemy command vehicles left" [command]="command vehicle" [combat]="combat vehicle"
    [hit]="command vehicle hit" [three]="3 left" [one]="1 left" [message]="Message")
read_game en_US.UTF-8
# The option wins over the locale.
LANG=C.UTF-8 e2e_start_game "$bin" --lang en
e2e_wait_screen ACD_Sub >/dev/null || e2e_fail "no title with --lang en"
readout "$E2E_SHOTS/sr_title_lang_en.txt" "push button	Start a new game" || e2e_fail "--lang en is not English"
no_japanese "$E2E_SHOTS/sr_title_lang_en.txt"
echo "screen reader ok, in Japanese and English: title, fields, counts, events of the cursor, a placement and a hit"
