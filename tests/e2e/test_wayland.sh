#!/usr/bin/env bash
# The game on a Wayland desktop: weston nested on our X server, the game on
# Qt's Wayland plugin. Five changes of screen leave the client area exactly
# where the compositor first put it, and the quit question and the result box
# open centred over it.
game="$1"
source "${ORVALIS_E2E_LIB:-$(dirname "$0")/lib.sh}"
work=$(mktemp -d)
chmod 700 "$work"
weston=""
trap '[ -z "$weston" ] || kill "$weston" 2>/dev/null; e2e_cleanup; rm -rf "$work"' EXIT

e2e_start_x
bg="#010203"
cat > "$work/weston.ini" <<EOF
[core]
idle-time=0
[shell]
background-color=0xff${bg#\#}
panel-position=none
locking=false
animation=none
startup-animation=none
EOF
export XDG_RUNTIME_DIR="$work"
weston --backend=x11-backend.so --width=1280 --height=1000 --config="$work/weston.ini" \
       --socket=orvalis >"$work/weston.log" 2>&1 &
weston=$!
for _ in $(seq 1 100); do [ -S "$work/orvalis" ] && break; sleep 0.1; done
[ -S "$work/orvalis" ] || e2e_fail "weston did not start: $(tail -n 3 "$work/weston.log")"

# No decorations: what is not weston's background is the client area itself.
export WAYLAND_DISPLAY=orvalis QT_WAYLAND_DISABLE_WINDOWDECORATION=1
e2e_start_game "$game" --seed 3

# "W H X Y" of the client area (or of the window, with a title bar) in a
# screenshot of weston's output; its bottom right corner holds the pointer.
client() { convert "$E2E_SHOTS/$1.png" -crop 1270x990+0+0 +repage -trim -format '%w %h %X %Y' info:; }
# Waits for the client area WIDTH pixels wide and still; shoots it as NAME, prints "W H X Y".
wait_client() {
    local width="$1" name="$2" i area last=""
    for i in $(seq 1 100); do
        e2e_shot "$name"
        area=$(client "$name")
        [ "${area%% *}" = "$width" ] && [ "$area" = "$last" ] && { echo "$area"; return 0; }
        last="$area"
        sleep 0.2
    done
    e2e_fail "$name: no client area $width wide (last $area)"
}
# The bounding box "W H X Y" of the pixels that differ between two screenshots.
changed() {
    convert "$E2E_SHOTS/$1.png" "$E2E_SHOTS/$2.png" -compose difference -composite \
        -crop 1280x1000+0+0 +repage -threshold 0 -trim -format '%w %h %X %Y' info:
}
# Fails unless the box (W H X Y) is centred on the client area (W H X Y), give or take 2 px.
centred() {
    local bw bh bx by cw ch cx cy
    read -r bw bh bx by <<<"$2"
    read -r cw ch cx cy <<<"$3"
    local dx=$(( (2 * bx + bw) - (2 * cx + cw) )) dy=$(( (2 * by + bh) - (2 * cy + ch) ))
    [ "${dx#-}" -le 4 ] && [ "${dy#-}" -le 4 ] || e2e_fail "$1 at $2 is not centred over $3"
}

read -r _ _ hx hy < <(wait_client 801 wl_title)
home="$hx $hy"
# The pointer rests on the window's artwork, out of the screenshots' way.
xdotool mousemove $((hx + 60)) $((hy + 300))
at_home() {
    read -r _ _ x y <<<"$2"
    [ "$x $y" = "$home" ] || e2e_fail "$1 at $x $y, not where the game began ($home)"
}

xdotool key Return
battle=$(wait_client 809 wl_battle); at_home battle "$battle"
xdotool key alt+t
at_home "title again" "$(wait_client 801 wl_title2)"
# The start button, clicked: Wayland's pointer reaches the game too.
xdotool mousemove $((hx + 655)) $((hy + 212)) click 1
sleep 0.2
xdotool mousemove $((hx + 60)) $((hy + 300))
battle=$(wait_client 809 wl_battle2); at_home "battle again" "$battle"

sleep 1   # the deployment's prompt is up and still
e2e_shot wl_steady
xdotool key Escape
sleep 1
e2e_shot wl_question
centred "the quit question" "$(changed wl_steady wl_question)" "$battle"
xdotool key Escape
sleep 0.5
e2e_shot wl_answered
[ "$(compare -metric AE "$E2E_SHOTS/wl_steady.png" "$E2E_SHOTS/wl_answered.png" null: 2>&1)" = 0 ] \
    || e2e_fail "No left the battle changed"

xdotool key alt+s
sleep 1
e2e_shot wl_result
# Its title strip: the only pixels of the highlight colour.
strip=$(convert "$E2E_SHOTS/wl_result.png" -crop 1280x1000+0+0 +repage -fill black \
        +opaque '#308CC6' -trim -format '%w %h %X %Y' info:)
read -r sw _ sx sy <<<"$strip"
read -r cw ch cx cy <<<"$battle"
[ $(( (2 * sx + sw) - (2 * cx + cw) )) -le 4 ] && [ $(( (2 * cx + cw) - (2 * sx + sw) )) -le 4 ] \
    && [ "$sy" -gt $((cy + ch / 3)) ] && [ "$sy" -lt $((cy + ch / 2)) ] \
    || e2e_fail "the result box's title at $strip is not centred over $battle"
xdotool key Return
at_home "continue screen" "$(wait_client 801 wl_continue)"
[ "$(convert "$E2E_SHOTS/wl_continue.png" -format "%[pixel:p{$((hx + 20)),$((hy + 20))}]" info:)" \
    = "srgb(0,0,0)" ] || e2e_fail "the continue screen is not the one shown"
kill "$E2E_GAME_PID"; wait "$E2E_GAME_PID" 2>/dev/null || true

# With Qt's own title bar, as a player has it: its maximize button leaves the
# window as it was (a maximized window of the wrong size would be cut off by
# weston), and the close button clicked again under the quit question it
# asked on the battle screen does not end the game.
unset QT_WAYLAND_DISABLE_WINDOWDECORATION
park() { xdotool mousemove 1278 998; }
park
e2e_start_game "$game" --seed 3
frame=$(wait_client 807 wl_decorated)
read -r fw _ fx fy <<<"$frame"
bar() { xdotool mousemove $((fx + fw - $1)) $((fy + 15)) click 1 sleep 0.2; park; }
bar 39   # maximize
sleep 1.5
[ "$(wait_client 807 wl_unmaximized)" = "$frame" ] || e2e_fail "maximizing moved or resized the window"
xdotool key Return
frame=$(wait_client 815 wl_decorated_battle)
read -r fw _ fx fy <<<"$frame"
bar 17   # close
sleep 1
bar 17
sleep 1
kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "a second close under the quit question ended the game"
e2e_shot wl_asked
xdotool key Escape
sleep 0.5
[ "$(wait_client 815 wl_still_here)" = "$frame" ] || e2e_fail "No to the quit question left no battle"
[ "$(compare -metric AE "$E2E_SHOTS/wl_asked.png" "$E2E_SHOTS/wl_still_here.png" null: 2>&1)" != 0 ] \
    || e2e_fail "the close button asked no quit question"
echo "wayland ok: title, battle, title, battle, continue at $home; boxes centred; title bar buttons"
