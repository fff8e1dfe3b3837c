#!/usr/bin/env bash
# Cross-builds the Windows game and its standard-library tests against the
# cache that scripts/windows.sh builds, and packs
# orvalis-<version>-windows-x86_64.zip in the build folder. Prints its path.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/windows-env.sh"
[ -f "$cache/qt.done" ] || { echo "windows: no Windows cache in $cache; run scripts/windows.sh" >&2; exit 1; }
build="${ORVALIS_WINDOWS_BUILD:-$root/build-windows}"
version=$(sed -n 's/^project(Orvalis VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
mingw_dlls=(/usr/lib/gcc/x86_64-w64-mingw32/*-posix /usr/x86_64-w64-mingw32/lib)

# The pictures and sounds are drawn by the asset generator, which runs here.
cmake -S "$root" -B "$build/host" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DORVALIS_TESTS=OFF -DORVALIS_BENCHMARKS=OFF >&2
cmake --build "$build/host" --target orvalis-assetgen >&2

cmake -S "$root" -B "$build/game" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/windows-x86_64.cmake" -DCMAKE_PREFIX_PATH="$prefix" \
      -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
      -DORVALIS_HOST_ASSETGEN="$build/host/bin/orvalis-assetgen" -DORVALIS_BENCHMARKS=OFF \
      -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
      -DORVALIS_WINE_PATH="$prefix/bin;$(IFS=';'; echo "${mingw_dlls[*]}")" >&2
cmake --build "$build/game" >&2

# The folder a player unpacks: the game, every DLL it loads, its files.
stage="$build/stage/orvalis"
rm -rf "$build/stage"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/fonts" "$stage/licenses"
bin="$build/game/bin"
cp "$bin/orvalis.exe" "$stage/"
cp -r "$bin/img" "$bin/snd" "$stage/"
cp "$prefix/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$prefix/plugins/styles/"*.dll "$stage/styles/" 2>/dev/null || true
# SDL2_mixer is opened at run time, not linked: it goes in by name.
cp "$prefix/bin/SDL2.dll" "$prefix/bin/SDL2_mixer.dll" "$stage/"

# Every DLL the executables and plugins import, found in the cache or the
# mingw runtime; Windows' own DLLs are left to Windows.
find_dll() {
  local d
  for d in "$prefix/bin" "${mingw_dlls[@]}"; do
    [ -f "$d/$1" ] && { echo "$d/$1"; return 0; }
  done
  return 0
}
pending=$(find "$stage" -name '*.exe' -o -name '*.dll')
while [ -n "$pending" ]; do
  next=""
  for f in $pending; do
    for dll in $(x86_64-w64-mingw32-objdump -p "$f" | sed -n 's/^\s*DLL Name: //p'); do
      [ -f "$stage/$dll" ] && continue
      src=$(find_dll "$dll")
      [ -n "$src" ] || continue
      cp "$src" "$stage/$dll"
      next="$next $stage/$dll"
    done
  done
  pending="$next"
done

# Japanese text where Windows has no Japanese font: the IPA P Gothic the
# Linux game uses, under its own licence.
cp /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf "$stage/fonts/"
cp -r "$prefix/licenses/"* "$stage/licenses/"
mkdir -p "$stage/licenses/IPAfont" "$stage/licenses/mingw-w64" "$stage/licenses/Orvalis"
cp /usr/share/doc/fonts-ipafont-gothic/copyright "$stage/licenses/IPAfont/"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/mingw-w64/"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/mingw-w64/gcc-copyright" 2>/dev/null || true
cp "$root/packaging/copyright" "$stage/licenses/Orvalis/"
sed "s/@VERSION@/$version/" "$root/packaging/windows/README.txt" | sed 's/$/\r/' >"$stage/README.txt"

zip="$build/orvalis-$version-windows-x86_64.zip"
rm -f "$zip"
(cd "$build/stage" && zip -qr "$zip" orvalis)
echo "$zip"
