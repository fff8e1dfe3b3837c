#!/usr/bin/env bash
# Builds the Debian package from this checkout: a Release build with Debian's
# own hardening flags (PIE, RELRO and BIND_NOW, stack protector, FORTIFY), then
# CPack. Prints the package's path.
# Usage: scripts/package.sh [BUILD_DIR]   (default: build-deb)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup-deps.sh" >&2
build="${1:-$root/build-deb}"

export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
cppflags="$(dpkg-buildflags --get CPPFLAGS)"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DORVALIS_TESTS=OFF -DORVALIS_BENCHMARKS=OFF -DCMAKE_INSTALL_PREFIX=/usr \
      -DCMAKE_C_FLAGS="$cppflags $(dpkg-buildflags --get CFLAGS)" \
      -DCMAKE_CXX_FLAGS="$cppflags $(dpkg-buildflags --get CXXFLAGS)" \
      -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >&2
cmake --build "$build" >&2
rm -f "$build"/orvalis_*.deb
(cd "$build" && cpack -G DEB >&2)
ls "$build"/orvalis_*.deb
