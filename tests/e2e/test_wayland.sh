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
for _ in $(seq 1 300); do [ -S "$work/orvalis" ] && break; sleep 0.1; done
[ -S "$work/orvalis" ] || e2e_fail "weston did not start: $(tail -n 3 "$work/weston.log")"

# No decorations: what is not weston's background is the client area itself.
export WAYLAND_DISPLAY=orvalis QT_WAYLAND_DISABLE_WINDOWDECORATION=1

# "W H X Y" of the client area (or of the window, with a title bar) in a
# screenshot of weston's output; its bottom right corner holds the pointer.
client() { convert "$E2E_SHOTS/$1.png" -crop 1270x990+0+0 +repage -trim -format '%w %h %X %Y' info:; }
# Weston draws its pointer where it last saw the X pointer, which need not be
# where that is now: by way of a point nearby, so that weston hears a move.
park() { xdotool mousemove 1275 995 mousemove 1278 998; }
# Shoots NAME until weston's pointer shows in the corner left out of the
# measures (parked again while it does not), the shot is the same as the one
# before and TEST... NAME holds; 30 s at most, for a loaded machine.
settle() {
    local name="$1" end=$((SECONDS + 30)) sum last=""
    shift
    while [ "$SECONDS" -lt "$end" ]; do
        e2e_shot "$name"
        sum=$(e2e_region "$name" 0 0 1280 1000)
        if [ "$(convert "$E2E_SHOTS/$name.png" -crop 10x10+1270+990 -format %k info:)" = 1 ]; then
            park; sum=""
        elif [ "$sum" = "$last" ] && "$@" "$name"; then
            return 0
        fi
        last="$sum"
        sleep 0.2
    done
    return 1
}
wide() { [ "$(client "$2" | cut -d' ' -f1)" = "$1" ]; }
same() { [ "$(e2e_region "$1" 0 0 1280 1000)" = "$(e2e_region "$2" 0 0 1280 1000)" ]; }
# A box is up: its title strip has the only pixels of the highlight colour.
boxed() { [ "$(convert "$E2E_SHOTS/$1.png" -fill black +opaque '#308CC6' -format %k info:)" = 2 ]; }
# The deployment's prompt is up: yellow words in the strip between the fields.
prompted() {
    local w h x y
    read -r w h x y < <(client "$1")
    [ "$(convert "$E2E_SHOTS/$1.png" -crop 500x40+$((x + 20))+$((y + h - 330)) +repage \
         -fill black +opaque '#FFFF00' -format %k info:)" = 2 ]
}
# Waits for the client area WIDTH pixels wide and still; shoots it as NAME, prints "W H X Y".
wait_client() {
    settle "$2" wide "$1" || e2e_fail "$2: no client area $1 wide (last $(client "$2"))"
    client "$2"
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

park
e2e_start_game "$game" --seed 3
area=$(wait_client 801 wl_title)
read -r _ _ hx hy <<<"$area"
home="$hx $hy"
at_home() {
    read -r _ _ x y <<<"$2"
    [ "$x $y" = "$home" ] || e2e_fail "$1 at $x $y, not where the game began ($home)"
}

xdotool key Return
battle=$(wait_client 809 wl_battle); at_home battle "$battle"
xdotool key alt+t
area=$(wait_client 801 wl_title2); at_home "title again" "$area"
# The start button, clicked: Wayland's pointer reaches the game too.
xdotool mousemove $((hx + 655)) $((hy + 212)) click 1
park
battle=$(wait_client 809 wl_battle2); at_home "battle again" "$battle"

settle wl_steady prompted || e2e_fail "the deployment's prompt is not up"
xdotool key Escape
settle wl_question boxed || e2e_fail "Escape asked no quit question"
centred "the quit question" "$(changed wl_steady wl_question)" "$battle"
xdotool key Escape
settle wl_answered same wl_steady || e2e_fail "No left the battle changed"

xdotool key alt+s
settle wl_result boxed || e2e_fail "surrendering showed no result box"
# Its title strip: the only pixels of the highlight colour.
strip=$(convert "$E2E_SHOTS/wl_result.png" -crop 1280x1000+0+0 +repage -fill black \
        +opaque '#308CC6' -trim -format '%w %h %X %Y' info:)
read -r sw _ sx sy <<<"$strip"
read -r cw ch cx cy <<<"$battle"
[ $(( (2 * sx + sw) - (2 * cx + cw) )) -le 4 ] && [ $(( (2 * cx + cw) - (2 * sx + sw) )) -le 4 ] \
    && [ "$sy" -gt $((cy + ch / 3)) ] && [ "$sy" -lt $((cy + ch / 2)) ] \
    || e2e_fail "the result box's title at $strip is not centred over $battle"
xdotool key Return
area=$(wait_client 801 wl_continue); at_home "continue screen" "$area"
[ "$(convert "$E2E_SHOTS/wl_continue.png" -format "%[pixel:p{$((hx + 20)),$((hy + 20))}]" info:)" \
    = "srgb(0,0,0)" ] || e2e_fail "the continue screen is not the one shown"
kill "$E2E_GAME_PID"; wait "$E2E_GAME_PID" 2>/dev/null || true

# With Qt's own title bar, as a player has it: its maximize button leaves the
# window as it was (a maximized window of the wrong size would be cut off by
# weston), and the close button clicked again under the quit question it
# asked on the battle screen does not end the game.
unset QT_WAYLAND_DISABLE_WINDOWDECORATION
# The game's Wayland requests, logged: when it asks back out of maximized.
WAYLAND_DEBUG=client e2e_start_game "$game" --seed 3 2>"$work/game.log"
frame=$(wait_client 807 wl_decorated)
read -r fw _ fx fy <<<"$frame"
bar() { xdotool mousemove $((fx + fw - $1)) $((fy + 15)) click 1; park; }
bar 39   # maximize
for _ in $(seq 1 150); do grep -q 'unset_maximized' "$work/game.log" && break; sleep 0.2; done
[ "$(wait_client 807 wl_unmaximized)" = "$frame" ] || e2e_fail "maximizing moved or resized the window"
xdotool key Return
frame=$(wait_client 815 wl_decorated_battle)
read -r fw _ fx fy <<<"$frame"
settle wl_decorated_battle prompted || e2e_fail "the deployment's prompt is not up"
bar 17   # close
settle wl_asked boxed || e2e_fail "the close button asked no quit question"
# No, pressed after the second click, is heard after it: back to the battle
# only if that click left the game and its question up.
bar 17
xdotool key Escape
settle wl_still_here same wl_decorated_battle \
    || { kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "a second close under the quit question ended the game"
         e2e_fail "No to the quit question left no battle"; }
kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "a second close under the quit question ended the game"
echo "wayland ok: title, battle, title, battle, continue at $home; boxes centred; title bar buttons"
