# Where the Windows build keeps its pieces; sourced by the Windows scripts and tests.
cache="${ORVALIS_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/orvalis-windows}"
prefix="$cache/prefix"
export ORVALIS_WINDOWS_PREFIX="$prefix"
