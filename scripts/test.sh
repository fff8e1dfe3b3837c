#!/usr/bin/env bash
# Sets up, builds the sanitizer build (ASan + UBSan) and runs the whole test suite.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup-deps.sh"
build="$root/build-asan"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVALIS_SANITIZE=ON >/dev/null
cmake --build "$build"
cd "$build"
ctest --output-on-failure --timeout 600
