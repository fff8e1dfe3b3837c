#!/usr/bin/env bash
# Builds one fuzzer with clang++ - the settings file (ini, the default) or the
# bitmap length check (bitmap) - and runs it for a short, bounded time from
# its committed seed corpus. Fails on any crash or sanitizer report.
# Usage: fuzz/run.sh BUILD_DIR [SECONDS] [ini|bitmap]
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="${1:?usage: run.sh BUILD_DIR [SECONDS] [ini|bitmap]}"
seconds="${2:-20}"
target="${3:-ini}"

if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz_$target: SKIPPED - clang++ is not installed (scripts/setup-deps.sh installs it)"
  exit 0
fi

generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
# The fuzzer gets its own flags; none of the game build's.
env -u CXXFLAGS -u LDFLAGS cmake -S "$here" -B "$build" "${generator[@]}" \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target "${target}_fuzz"

# The fuzzer's scratch files live in memory when it can, and go away after.
scratch="$(mktemp -d "$( [ -w /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/orvalis-$target-fuzz.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
export TMPDIR="$scratch"

# New inputs go to a scratch corpus; the committed seeds stay as they are.
mkdir -p "$build/$target-corpus" "$build/artifacts"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
"$build/${target}_fuzz" -max_total_time="$seconds" -rss_limit_mb=1024 -timeout=5 \
  -max_len=16384 -print_final_stats=1 -artifact_prefix="$build/artifacts/" \
  "$build/$target-corpus" "$here/$target-corpus"
