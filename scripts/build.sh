#!/usr/bin/env bash
# Configures and builds one flavour: scripts/build.sh [release|asan]
set -euo pipefail
cd "$(dirname "$0")/.."
flavour=${1:-release}
case "$flavour" in
  release) options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  asan) options=(-DCMAKE_BUILD_TYPE=Debug -DKVD270_SANITIZE=ON) ;;
  *) echo "unknown flavour $flavour" >&2; exit 2 ;;
esac
cmake -S . -B "build/$flavour" -G Ninja -DKVD270_WERROR=ON "${options[@]}" >/dev/null
cmake --build "build/$flavour"
