#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs, only those not yet present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-serialport-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  qt6-translations-l10n
  libgl-dev
  libgtest-dev googletest
  clang libclang-rt-dev clang-format
  fonts-wqy-microhei
  appstream desktop-file-utils
  shared-mime-info libglib2.0-bin xdg-utils
  python3
  poppler-utils
)
# Screenshots and the window under a virtual display.
if [[ "${KVD_WITH_DISPLAY_TOOLS:-0}" == 1 ]]; then
  packages+=(xvfb xauth imagemagick)
fi
# The core cross-built for Windows and its tests under Wine (scripts/test-windows.sh).
if [[ "${KVD_FOR_WINDOWS:-0}" == 1 ]]; then
  packages+=(g++-mingw-w64-x86-64-posix wine64 wine)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

sudo=""
if [[ $(id -u) -ne 0 ]]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
