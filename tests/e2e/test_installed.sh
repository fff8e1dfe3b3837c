#!/usr/bin/env bash
# The game installed into a prefix of its own (read-only for the player) and
# started from another folder: its desktop files validate, its options go to
# the player's own settings file and are kept across a restart, nothing is
# written under the prefix; no usable home folder still lets it run; an
# incomplete data folder stops it with the file named.
game="$1"
source "${ORVALIS_E2E_LIB:-$(dirname "$0")/lib.sh}"
build="$(cd "$(dirname "$game")/.." && pwd)"
work=$(mktemp -d)
trap 'e2e_cleanup; chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
prefix="$work/p"
cmake --install "$build" --prefix "$prefix" >/dev/null || e2e_fail "cmake --install failed"

# The desktop's own checkers.
id=org.orvalis.Orvalis
desktop-file-validate "$prefix/share/applications/$id.desktop" || e2e_fail "desktop entry does not validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
    e2e_fail "metainfo does not validate: $(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml")"
for px in 16 32 48 64 128 256; do
    size=$(identify -format '%wx%h' "$prefix/share/icons/hicolor/${px}x${px}/apps/$id.png") ||
        e2e_fail "no ${px}px icon"
    [ "$size" = "${px}x${px}" ] || e2e_fail "the ${px}px icon is $size"
done
gzip -t "$prefix/share/man/man6/orvalis.6.gz" || e2e_fail "man page is not gzip"
for helper in orvalis-sim orvalis-assetgen orvalis-bench; do
    [ -z "$(find "$prefix" -name "$helper")" ] || e2e_fail "$helper was installed"
done

# The player: nobody's rights when the test runs as root, so that a
# read-only prefix really is read-only for the game.
as_player() {
    if [ "$(id -u)" = 0 ]; then
        setpriv --reuid=65534 --regid=65534 --clear-groups env "$@"
    else
        env "$@"
    fi
}
mkdir -p "$work/home" "$work/xdg" "$work/elsewhere"
[ "$(id -u)" = 0 ] && chown 65534:65534 "$work/home" "$work/xdg" "$work/elsewhere"
chmod -R a-w "$prefix"
listing() { find "$prefix" -printf '%P %s %T@ %m\n' | sort | md5sum; }
before=$(listing)

box_x=$((8100 / 15)); box_y=$((7125 / 15))   # CheckSE
settings="$work/xdg/orvalis/Pelmo.ini"
e2e_start_x
start_installed() {   # extra env assignments...
    (cd "$work/elsewhere" && as_player "$@" "$prefix/games/orvalis" 2>>"$work/stderr") &
    E2E_GAME_PID=$!
}
start_installed HOME="$work/home" XDG_CONFIG_HOME="$work/xdg"
title=$(e2e_wait_window "Orvalis" 30) || e2e_fail "the installed game shows no window: $(cat "$work/stderr")"
sleep 0.4
read -r ox oy _ _ < <(e2e_geometry "$title")
e2e_shot installed_before
e2e_click "$title" $((box_x + 5)) $((box_y + 5))
sleep 0.5
e2e_shot installed_ticked
grep -q '^SE=1' "$settings" 2>/dev/null || e2e_fail "SE=1 not written to $settings: $(cat "$work/stderr")"
ticked=$(e2e_region installed_ticked $((ox + box_x)) $((oy + box_y)) 11 10)
[ "$ticked" != "$(e2e_region installed_before $((ox + box_x)) $((oy + box_y)) 11 10)" ] ||
    e2e_fail "the box does not look ticked"
e2e_click "$title" $((7845 / 15 + 40)) $((8265 / 15 + 20))   # quit
rc=$(e2e_wait_exit 10) || e2e_fail "quit did not end the game"
[ "$rc" = 0 ] || e2e_fail "the game ended with status $rc"

start_installed HOME="$work/home" XDG_CONFIG_HOME="$work/xdg"
title=$(e2e_wait_window "Orvalis" 30) || e2e_fail "no window after the restart"
sleep 0.4
read -r ox oy _ _ < <(e2e_geometry "$title")
e2e_shot installed_restarted
[ "$(e2e_region installed_restarted $((ox + box_x)) $((oy + box_y)) 11 10)" = "$ticked" ] ||
    e2e_fail "SE OFF is not ticked after the restart"
e2e_click "$title" $((7845 / 15 + 40)) $((8265 / 15 + 20))
e2e_wait_exit 10 >/dev/null || e2e_fail "quit did not end the game"
[ "$(listing)" = "$before" ] || e2e_fail "something under the prefix changed"
[ -z "$(find "$work/elsewhere" -mindepth 1)" ] || e2e_fail "the game wrote into its working folder"
if grep -q warning "$work/stderr"; then e2e_fail "warnings with a good home: $(cat "$work/stderr")"; fi

# No home folder to keep settings in: the option still applies, one warning.
: > "$work/stderr"
start_installed -u XDG_CONFIG_HOME HOME=/nonexistent/home
title=$(e2e_wait_window "Orvalis" 30) || e2e_fail "no window without a home"
sleep 0.4
read -r ox oy _ _ < <(e2e_geometry "$title")
e2e_click "$title" $((box_x + 5)) $((box_y + 5))
sleep 0.5
e2e_click "$title" $((box_x + 5)) $((box_y + 5))
sleep 0.5
e2e_click "$title" $((box_x + 5)) $((box_y + 5))
sleep 0.5
e2e_shot installed_homeless
[ "$(e2e_region installed_homeless $((ox + box_x)) $((oy + box_y)) 11 10)" = "$ticked" ] ||
    e2e_fail "the option does not apply without a home"
kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the game ended without a home"
[ "$(grep -c 'warning' "$work/stderr")" = 1 ] || e2e_fail "expected one warning: $(cat "$work/stderr")"
grep -q "options are not saved" "$work/stderr" || e2e_fail "unclear warning: $(cat "$work/stderr")"
e2e_click "$title" $((7845 / 15 + 40)) $((8265 / 15 + 20))
e2e_wait_exit 10 >/dev/null || e2e_fail "quit did not end the game"

# An incomplete data folder: the same error as ever, naming the file.
cp -a "$prefix" "$work/q" && chmod -R u+w "$work/q"
rm "$work/q/share/games/orvalis/img/Stage1-FG_E.bmp"
: > "$work/stderr"
(cd "$work/elsewhere" && as_player HOME="$work/home" "$work/q/games/orvalis" 2>>"$work/stderr") &
E2E_GAME_PID=$!
title=$(e2e_wait_window "Orvalis" 30) || e2e_fail "no window with an incomplete data folder"
sleep 0.4
e2e_click "$title" $((7852 / 15 + 130)) $((2745 / 15 + 28))
box=$(e2e_wait_window "Orvalis: error" 10) || e2e_fail "no error box for the missing picture"
e2e_key "$box" Return
rc=$(e2e_wait_exit 10) || e2e_fail "the game did not end after the error"
[ "$rc" != 0 ] || e2e_fail "the game ended with status 0 after the error"
grep -q "share/games/orvalis/img/Stage1-FG_E.bmp: the file is missing" "$work/stderr" ||
    e2e_fail "the error does not name the file: $(cat "$work/stderr")"
echo "installed game ok"
