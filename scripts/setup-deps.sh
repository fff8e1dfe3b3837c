#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test.
# Idempotent: installs only what is missing and says what it installs.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-l10n-tools libgl-dev libxcb1-dev
  libsdl2-mixer-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-ipafont-gothic
  xvfb xdotool x11-utils imagemagick
  openbox weston qt6-wayland python3
  dpkg-dev desktop-file-utils appstream lintian
  dbus-daemon at-spi2-core python3-pyatspi
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

echo "setup: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then SUDO="sudo"; else
    echo "setup: need root (or sudo) to install: ${missing[*]}" >&2; exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
