#!/usr/bin/env bash
# The Windows game as a Windows player gets it, run under Wine on our X
# server: the zip built and unpacked into a fresh folder, the standard-library
# tests as Windows programs, then the game - the title, an option ticked and
# written to Pelmo.ini beside the exe (CRLF), a battle begun, the fleet placed
# and a shot fired from the keyboard, the quit question answered No, then Yes.
# Skipped (status 77) without the Windows cache that scripts/windows.sh builds.
root="$1"
source "$root/scripts/windows-env.sh"
if [ ! -f "$cache/qt.done" ]; then
    echo "windows: no Windows cache in $cache, so the Windows game is not tested;" \
         "build it once with scripts/windows.sh"
    exit 77
fi
source "$root/tests/e2e/lib.sh"
build="${ORVALIS_WINDOWS_BUILD:-$root/build-windows}"
work=$(mktemp -d)
trap 'e2e_cleanup; wineserver -k 2>/dev/null; rm -rf "$work"' EXIT

zip=$("$root/scripts/windows-build.sh" 2>"$work/build.log") \
    || { tail -n 30 "$work/build.log"; e2e_fail "the Windows build failed"; }
ctest --test-dir "$build/game" --output-on-failure || e2e_fail "the Windows tests failed under Wine"

unzip -q "$zip" -d "$work"
dir="$work/orvalis"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
e2e_start_x
openbox >/dev/null 2>&1 &
wineboot --init >/dev/null 2>&1 || e2e_fail "Wine could not make its prefix"
e2e_start_game wine "$dir/orvalis.exe" --seed 3 --lang ja

# The game's window once its client area is WIDTH wide; prints its id.
screen() {
    local i id
    for i in $(seq 1 600); do
        for id in $(xdotool search --onlyvisible --name '^Orvalis$' 2>/dev/null); do
            [ "$(e2e_geometry "$id" | awk '{print $3}')" = "$1" ] && { echo "$id"; return 0; }
        done
        kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the game ended (waiting for a screen $1 wide)"
        sleep 0.1
    done
    e2e_fail "no screen $1 wide"
}
keys() { xdotool key --delay 40 "$@"; }
# Waits until the pixel at X Y of the window WIN (client coordinates) has the colour R,G,B.
until_pixel() {
    local i x y
    read -r x y _ _ < <(e2e_geometry "$1")
    for i in $(seq 1 100); do
        e2e_shot wine_look
        [ "$(e2e_pixel wine_look $((x + $2)) $((y + $3)))" = "$4" ] && return 0
        sleep 0.2
    done
    return 1
}

title=$(screen 801)
xdotool windowactivate --sync "$title" 2>/dev/null || true
e2e_shot wine_title
# Tab reaches the sound-effects box; Space ticks it, written at once.
keys Tab space
for _ in $(seq 1 100); do grep -qs "SE=1" "$dir/Pelmo.ini" && break; sleep 0.1; done
grep -q $'^SE=1\r$' "$dir/Pelmo.ini" || e2e_fail "Pelmo.ini beside the exe: $(od -c "$dir/Pelmo.ini" 2>&1 | head -n 3)"
keys shift+Tab Return

battle=$(screen 809)
read -r _ _ _ h < <(e2e_geometry "$battle")
mb=$((h - 602))
own()   { echo "$((12 + $1 * 30 + 1)) $((mb + 318 + $2 * 30 + 1))"; }
enemy() { echo "$((12 + $1 * 30 + 1)) $((mb + 11 + $2 * 30 + 1))"; }
to() { local moves=(Home Prior) i; for ((i = 0; i < $1; i++)); do moves+=(Right); done
       for ((i = 0; i < $2; i++)); do moves+=(Down); done; keys "${moves[@]}"; }
# The deployment opens with the clock's first tick: Enter places once it has.
for _ in $(seq 1 20); do
    keys Return
    until_pixel "$battle" $(own 9 4) 255,255,0 && break
done
until_pixel "$battle" $(own 9 4) 255,255,0 || e2e_fail "no command vehicle placed from the keyboard"
to 0 0; keys Return Right Return
to 0 8; keys Return Right Return Right Return Right Return
until_pixel "$battle" $(own 3 8) 0,255,0 || e2e_fail "the fleet is not placed"
# A shot: the cell at the cursor changes once it is answered.
to 18 8
read -r bx by _ _ < <(e2e_geometry "$battle")
read -r ex ey < <(enemy 18 8)
# Aimed once the cell has stopped changing (the cursor drawn on it).
aimed=""
for _ in $(seq 1 100); do
    e2e_shot wine_aimed
    look=$(e2e_region wine_aimed $((bx + ex)) $((by + ey)) 28 28)
    [ "$look" = "$aimed" ] && break
    aimed="$look"
    sleep 0.2
done
keys Return
for i in $(seq 1 100); do
    e2e_shot wine_battle
    [ "$(e2e_region wine_battle $((bx + ex)) $((by + ey)) 28 28)" != "$aimed" ] && break
    [ "$i" = 100 ] && e2e_fail "the shot at (18, 8) was not answered"
    sleep 0.2
done

# The quit question: No goes on, Yes ends the game.
keys Escape
box=$(e2e_wait_window "確認" 30) || e2e_fail "Escape asked no quit question"
e2e_shot wine_question
xdotool windowactivate --sync "$box" 2>/dev/null || true
keys Escape
for _ in $(seq 1 100); do xdotool search --onlyvisible --name '^確認$' >/dev/null 2>&1 || break; sleep 0.1; done
kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "No to the quit question ended the game"
# Once the battle has the keys back (Wine hands them over a moment after the box).
for _ in $(seq 1 6); do
    xdotool windowactivate --sync "$battle" 2>/dev/null || true
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$battle" ] || { sleep 0.5; continue; }
    keys Escape
    box=$(e2e_wait_window "確認" 5) && break
done
[ -n "$(xdotool search --onlyvisible --name '^確認$' 2>/dev/null)" ] \
    || e2e_fail "Escape asked no quit question the second time"
e2e_shot wine_question_again
xdotool windowactivate --sync "$box" 2>/dev/null || true
keys Return
for _ in $(seq 1 600); do kill -0 "$E2E_GAME_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$E2E_GAME_PID" 2>/dev/null && e2e_fail "Yes to the quit question did not end the game"
status=0
wait "$E2E_GAME_PID" || status=$?
E2E_GAME_PID=""
[ "$status" = 0 ] || e2e_fail "the game ended with status $status"
echo "wine ok: tests, title, Pelmo.ini, battle, fleet, a shot, the quit question"
