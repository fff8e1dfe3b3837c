#!/usr/bin/env bash
# The Debian package, built from this checkout with one command: its control
# data (section, dependencies the linker cannot see), Debian's hardening in
# the executable, and its files, unpacked into a scratch folder, run as an
# installed game. It is never installed on this machine.
# Usage: test_deb.sh SOURCE_DIR PACKAGE_BUILD_DIR
src="$1"; build="$2"
source "$src/tests/e2e/lib.sh"
work=$(mktemp -d)
trap 'e2e_cleanup; rm -rf "$work"' EXIT

deb=$("$src/scripts/package.sh" "$build" | tail -n 1) || e2e_fail "scripts/package.sh failed"
[ -f "$deb" ] || e2e_fail "no package at '$deb'"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = orvalis ] || e2e_fail "package is called $(field Package)"
[ "$(field Section)" = games ] || e2e_fail "section is $(field Section)"
[ -n "$(field Maintainer)" ] || e2e_fail "no maintainer"
depends=$(field Depends)
for dep in libsdl2-mixer-2.0-0 qt6-qpa-plugins qt6-wayland fonts-ipafont-gothic libqt6widgets6 \
           libqt6gui6 libc6; do
    [[ ", $depends," == *", $dep"[\ ,]* ]] || e2e_fail "Depends lacks $dep: $depends"
done

# Debian's own checks of a package: any error fails, warnings are shown.
lintian --fail-on error --display-level '>=warning' "$deb" >"$work/lintian" 2>&1 \
    || e2e_fail "lintian finds errors in the package: $(grep -v 'root privileges' "$work/lintian")"
grep -v 'root privileges' "$work/lintian" || true

dpkg-deb -x "$deb" "$work/root"
exe="$work/root/usr/games/orvalis"
readelf -h "$exe" | grep -q 'DYN (Position-Independent' || e2e_fail "not a PIE"
readelf -d "$exe" | grep -q 'BIND_NOW' || e2e_fail "no BIND_NOW"
readelf -lW "$exe" | grep -q GNU_RELRO || e2e_fail "no RELRO"
syms=$(readelf --dyn-syms -W "$exe")
grep -q __stack_chk_fail <<<"$syms" || e2e_fail "no stack protector"
grep -q '_chk@' <<<"$syms" || e2e_fail "no FORTIFY"
[ -z "$(find "$work/root" -name 'orvalis-*')" ] || e2e_fail "a helper program is in the package"
[ -f "$work/root/usr/share/games/orvalis/img/Stage1-FG_E.bmp" ] || e2e_fail "no pictures"
desktop-file-validate "$work/root/usr/share/applications/org.orvalis.Orvalis.desktop" ||
    e2e_fail "the packaged desktop entry does not validate"

# Unpacked, it runs where it lies, its settings in the player's folder.
mkdir -p "$work/xdg" "$work/elsewhere"
e2e_start_x
(cd "$work/elsewhere" && HOME="$work" XDG_CONFIG_HOME="$work/xdg" "$exe" 2>"$work/stderr") &
E2E_GAME_PID=$!
title=$(e2e_wait_window "Orvalis" 30) || e2e_fail "the unpacked game shows no window: $(cat "$work/stderr")"
sleep 0.4
e2e_shot package_title
e2e_click "$title" $((10005 / 15 + 5)) $((7155 / 15 + 5))   # music off
sleep 0.5
grep -q '^BGM=1' "$work/xdg/orvalis/Pelmo.ini" 2>/dev/null || e2e_fail "BGM=1 not in the player's settings"
e2e_click "$title" $((7845 / 15 + 40)) $((8265 / 15 + 20))   # quit
rc=$(e2e_wait_exit 10) || e2e_fail "quit did not end the game"
[ "$rc" = 0 ] || e2e_fail "the game ended with status $rc"
[ -z "$(find "$work/root" -name Pelmo.ini)" ] || e2e_fail "settings written into the unpacked tree"
echo "package ok: $(basename "$deb"), $(stat -c %s "$deb") bytes; Depends: $depends"
