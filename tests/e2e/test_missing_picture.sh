#!/usr/bin/env bash
# A missing or broken picture stops the game, as the battle is set up and
# before any click on its grids, with an error box naming the file and what
# is wrong with it.
game="$1"
source "${ORVALIS_E2E_LIB:-$(dirname "$0")/lib.sh}"
appdir="$(dirname "$game")"
work=$(mktemp -d)
trap 'e2e_cleanup; rm -rf "$work"' EXIT

e2e_start_x
for case in missing-field broken-portrait broken-sprites half-field tiny-sprites folder-portrait; do
    rm -rf "$work/app" && mkdir -p "$work/app"
    cp "$game" "$work/app/" && cp -r "$appdir/img" "$appdir/snd" "$work/app/"
    case "$case" in
        missing-field) rm "$work/app/img/Stage1-FG_E.bmp"; expect="Stage1-FG_E.bmp" ;;
        broken-portrait) printf 'not a picture' > "$work/app/img/Chara-0.bmp"; expect="Chara-0.bmp" ;;
        broken-sprites) printf 'BM' > "$work/app/img/×▲爆発[指]爆発[戦].bmp"; expect="爆発" ;;
        half-field)
            f="$work/app/img/Stage1-FG_M.bmp"
            head -c $(( $(stat -c %s "$f") / 2 )) "$f" > "$work/half" && mv "$work/half" "$f"
            expect="Stage1-FG_M.bmp: the file is truncated" ;;
        tiny-sprites)
            convert -size 1x1 xc:blue "BMP3:$work/app/img/×▲爆発[指]爆発[戦].bmp"
            expect="爆発\[戦\].bmp: the picture is too small: 1 x 1 where at least 10 x 1 is needed" ;;
        folder-portrait)
            rm "$work/app/img/Chara-0.bmp" && mkdir "$work/app/img/Chara-0.bmp"
            expect="Chara-0.bmp: it is a folder" ;;
    esac
    "$work/app/$(basename "$game")" 2> "$work/stderr" &
    E2E_GAME_PID=$!
    title=$(e2e_wait_window "Orvalis" 30) || e2e_fail "$case: no title window"
    sleep 0.3
    e2e_click "$title" $((7852 / 15 + 130)) $((2745 / 15 + 28))
    box=$(e2e_wait_window "Orvalis: error" 10) || e2e_fail "$case: no error box"
    e2e_shot "error_$case"
    e2e_key "$box" Return
    rc=$(e2e_wait_exit 10) || e2e_fail "$case: the game did not end"
    [ "$rc" != 0 ] || e2e_fail "$case: the game ended with status 0"
    grep -q "$expect" "$work/stderr" || e2e_fail "$case: the message does not name $expect: $(cat "$work/stderr")"
    echo "$case ok (status $rc)"
done
