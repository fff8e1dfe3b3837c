# Shared helpers of the end-to-end tests: a private X server, the game under
# it, window lookup, clicks and screenshots.
set -euo pipefail
unset QT_QPA_PLATFORM
export SDL_AUDIODRIVER=dummy
# Leak checks belong to the unit tests; the real binary quits with _Exit anyway.
export ASAN_OPTIONS=detect_leaks=0

E2E_GAME_PID=""
E2E_XVFB_PID=""
E2E_SHOTS="${ORVALIS_SHOTS:-/tmp/orvalis-shots}"
mkdir -p "$E2E_SHOTS"
# Where the game window's client area stood when the first screen was waited for.
E2E_HOME_FILE=$(mktemp)

e2e_fail() { echo "FAIL: $*" >&2; exit 1; }

e2e_start_x() {
    local n
    for n in $(seq 90 140); do
        if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
            # -noreset: a game that quits must not take the server down with it
            # for the moment the next game connects.
            Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
            E2E_XVFB_PID=$!
            export DISPLAY=":$n"
            local i
            for i in $(seq 1 300); do
                # Ours only if our server is still alive: another test may
                # have taken the same display number a moment before.
                kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
                if xdpyinfo >/dev/null 2>&1; then
                    sleep 0.1
                    kill -0 "$E2E_XVFB_PID" 2>/dev/null && return 0
                    break
                fi
                sleep 0.1
            done
            kill "$E2E_XVFB_PID" 2>/dev/null || true
        fi
    done
    e2e_fail "could not start Xvfb"
}

e2e_cleanup() {
    rm -f "$E2E_HOME_FILE"
    [ -n "$E2E_GAME_PID" ] && kill "$E2E_GAME_PID" 2>/dev/null || true
    [ -n "$E2E_XVFB_PID" ] && kill "$E2E_XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap e2e_cleanup EXIT

# e2e_start_game BINARY [ARGS...]
e2e_start_game() {
    : > "$E2E_HOME_FILE"
    "$@" &
    E2E_GAME_PID=$!
}

# Waits for a visible window with this exact name; prints its id.
e2e_wait_window() {
    local name="$1" timeout="${2:-20}" id="" i
    for i in $(seq 1 $((timeout * 10))); do
        id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Prints "X Y W H" of a window's client area.
e2e_geometry() {
    local info
    info=$(xwininfo -id "$1")
    echo "$(echo "$info" | awk '/Absolute upper-left X/{print $4}') \
$(echo "$info" | awk '/Absolute upper-left Y/{print $4}') \
$(echo "$info" | awk '/Width:/{print $2}') \
$(echo "$info" | awk '/Height:/{print $2}')"
}

# e2e_click WINDOW X Y: a left click at client coordinates.
e2e_click() {
    xdotool mousemove --window "$1" "$2" "$3" sleep 0.05 click 1
}

e2e_shot() {
    import -window root "$E2E_SHOTS/$1.png"
}

# The colour "R,G,B" of one pixel of a screenshot.
e2e_pixel() {
    convert "$E2E_SHOTS/$1.png" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
    echo
}

# Presses a key in a window: focus it first (there is no window manager to do it).
e2e_key() {
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool key "$2"
}

# Waits for the game to exit; prints its status.
e2e_wait_exit() {
    local timeout="${1:-10}" i
    for i in $(seq 1 $((timeout * 10))); do
        if ! kill -0 "$E2E_GAME_PID" 2>/dev/null; then
            local rc=0
            wait "$E2E_GAME_PID" || rc=$?
            E2E_GAME_PID=""
            echo "$rc"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Colours "R,G,B" of several pixels of a screenshot in one pass: e2e_pixels SHOT X1 Y1 X2 Y2 ...
e2e_pixels() {
    local shot="$1"; shift
    local fmt=""
    while [ $# -ge 2 ]; do
        fmt+="%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)] "
        shift 2
    done
    convert "$E2E_SHOTS/$shot.png" -format "$fmt" info:
    echo
}

# Absolute screen position of a window's top-left corner: "X Y".
e2e_origin() {
    local g
    g=$(e2e_geometry "$1")
    echo "$g" | awk '{print $1, $2}'
}

# Waits until the game's one window shows the screen ROLE (the window's role
# names its screen); prints the window's id. Fails when a second game window
# shows, or when the window is not where it stood for the first screen.
e2e_wait_screen() {
    local role="$1" timeout="${2:-30}" ids id i home here
    for i in $(seq 1 $((timeout * 10))); do
        ids=$(xdotool search --onlyvisible --name "^Orvalis\$" 2>/dev/null || true)
        for id in $ids; do
            xprop -id "$id" WM_WINDOW_ROLE 2>/dev/null | grep -q "\"$role\"" || continue
            [ "$(echo "$ids" | wc -w)" = 1 ] || e2e_fail "more than one game window: $ids"
            here=$(e2e_origin "$id")
            home=$(cat "$E2E_HOME_FILE")
            [ -n "$home" ] || echo "$here" > "$E2E_HOME_FILE"
            [ -z "$home" ] || [ "$home" = "$here" ] || e2e_fail "$role shows at $here, not at $home"
            echo "$id"
            return 0
        done
        sleep 0.1
    done
    return 1
}

# A private copy of the game (binary, img/, snd/) in its own folder, so a test
# has its own settings file. Prints the new binary's path.
e2e_private_copy() {
    local game="$1" dir="$2"
    mkdir -p "$dir"
    cp "$game" "$dir/" && cp -r "$(dirname "$game")/img" "$(dirname "$game")/snd" "$dir/"
    echo "$dir/$(basename "$game")"
}

# Pixels of the keyboard's marks (the cursor cell, the focus ring) inside a
# window in a screenshot: e2e_marks SHOT WINDOW.
e2e_marks() {
    local x y w h
    read -r x y w h < <(e2e_geometry "$2")
    convert "$E2E_SHOTS/$1.png" -crop "${w}x${h}+${x}+${y}" +repage -fill black +opaque '#00E0FF' \
        -fill white -opaque '#00E0FF' -format '%[fx:int(mean*w*h+0.5)]' info:
}

# A region of a screenshot as text, for comparing two looks of the same spot.
e2e_region() {
    convert "$E2E_SHOTS/$1.png" -crop "$4x$5+$2+$3" +repage -depth 8 rgb:- | md5sum | cut -d' ' -f1
}
