#!/usr/bin/env bash
# Builds the Windows game on Debian 12: orvalis-<version>-windows-x86_64.zip.
#
# Installs the mingw-w64 cross compilers and wine64, builds once the Windows
# pieces the game links (Qt Core/Gui/Widgets with the windows platform plugin
# and styles, SDL2, SDL2_mixer with WAV, GoogleTest) from Debian's source
# packages into a cache outside the checkout, cross-builds the game and its
# standard-library tests, and packs the zip with every DLL it needs.
#
# Usage: scripts/windows.sh [--cache-only]
#   ORVALIS_WINDOWS_CACHE   the cache (default ~/.cache/orvalis-windows)
#   ORVALIS_WINDOWS_BUILD   the cross build (default build-windows in the checkout)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/windows-env.sh"
jobs=$(nproc)
toolchain="$root/cmake/windows-x86_64.cmake"

log() { printf 'windows: %s\n' "$*" >&2; }

install_packages() {
  "$root/scripts/setup-deps.sh" >&2
  local src=/etc/apt/sources.list.d/orvalis-deb-src.sources
  local need=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
              wine wine64 zip unzip dpkg-dev perl googletest)
  local missing=()
  for p in "${need[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  # The sources of Qt and SDL come from Debian's archive, as source packages.
  if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
    log "adding a deb-src entry for Debian's sources ($src)"
    cat >"$src" <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    apt-get update >&2
  fi
  if [ ${#missing[@]} -gt 0 ]; then
    log "installing ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}" >&2
  fi
}

# unpack SOURCE_PACKAGE: the unpacked source folder of Debian's package, once.
unpack() {
  local pkg=$1 dir
  mkdir -p "$cache/src"
  if [ ! -f "$cache/src/$pkg.dir" ]; then
    (cd "$cache/src" && apt-get source -q "$pkg" >"$cache/src/$pkg.log" 2>&1) || {
      cat "$cache/src/$pkg.log" >&2; return 1; }
    dir=$(cd "$cache/src" && ls -d "$pkg"-[0-9]*/ | head -n 1)
    echo "$cache/src/${dir%/}" >"$cache/src/$pkg.dir"
  fi
  cat "$cache/src/$pkg.dir"
}

# licence NAME FILES...: what the zip must carry for a piece it ships.
licence() {
  local name=$1; shift
  mkdir -p "$prefix/licenses/$name"
  cp -r "$@" "$prefix/licenses/$name/"
}

cmake_cross() {  # cmake_cross SRC BUILD [options...]
  local src=$1 build=$2; shift 2
  cmake -S "$src" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" "$@" >&2
  cmake --build "$build" -j "$jobs" >&2
  cmake --install "$build" >&2
}

build_sdl() {
  [ -f "$cache/sdl2.done" ] && return
  log "building SDL2 for Windows"
  local src; src=$(unpack libsdl2)
  cmake_cross "$src" "$cache/build/sdl2" -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF
  licence SDL2 "$src/LICENSE.txt"
  touch "$cache/sdl2.done"
}

build_mixer() {
  [ -f "$cache/sdl2_mixer.done" ] && return
  log "building SDL2_mixer (WAV only) for Windows"
  local src; src=$(unpack libsdl2-mixer)
  cmake_cross "$src" "$cache/build/sdl2_mixer" -DBUILD_SHARED_LIBS=ON -DSDL2MIXER_SAMPLES=OFF \
    -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_WAVE=ON -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF \
    -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_MP3=OFF -DSDL2MIXER_OPUS=OFF \
    -DSDL2MIXER_VORBIS=OFF -DSDL2MIXER_WAVPACK=OFF -DSDL2MIXER_INSTALL=ON
  licence SDL2_mixer "$src/LICENSE.txt"
  touch "$cache/sdl2_mixer.done"
}

build_qt() {
  [ -f "$cache/qt.done" ] && return
  log "building Qt Core/Gui/Widgets for Windows (the long one: about 45 minutes on two cores)"
  local src; src=$(unpack qt6-base)
  # Qt 6.4's windows platform plugin asks for dynamic OpenGL alone, which is
  # on by default even with OpenGL off: it must ask for both.
  sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
      "$src/src/plugins/platforms/windows/qwindowswindow.cpp"
  # Debian's own Qt 6 runs the host tools (moc, rcc, uic). The source package
  # leaves out the tablet header wintab.h, so tablet events are off; what the
  # game does not use is left out too.
  cmake_cross "$src" "$cache/build/qt" -DBUILD_SHARED_LIBS=ON \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_opengl=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DFEATURE_testlib=OFF -DFEATURE_sql_sqlite=OFF
  licence Qt "$src/LICENSES"
  touch "$cache/qt.done"
}

build_gtest() {
  [ -f "$cache/gtest.done" ] && return
  log "building GoogleTest for Windows"
  cmake_cross /usr/src/googletest "$cache/build/gtest" -DBUILD_SHARED_LIBS=OFF -Dgtest_disable_pthreads=OFF
  touch "$cache/gtest.done"
}

build_cache() {
  mkdir -p "$cache" "$prefix"
  build_sdl
  build_mixer
  build_gtest
  build_qt
  rm -rf "$cache/build"
}

main() {
  install_packages
  build_cache
  [ "${1:-}" = "--cache-only" ] && { log "cache ready in $cache"; return; }
  "$root/scripts/windows-build.sh"
}

main "$@"
