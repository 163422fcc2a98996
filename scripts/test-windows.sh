#!/usr/bin/env bash
# Cross-builds the Qt-free core, its tests and the fuzz regression replays for 64-bit Windows
# (mingw-w64) and runs them under Wine. Installs what is missing; GoogleTest is built once
# from Debian's sources for the cross compiler and kept under build/windows-googletest-VERSION.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
stage_started=$SECONDS
# Ends the previous stage with its time and names the next one.
stage() {
  echo "   ($((SECONDS - stage_started)) s)"
  stage_started=$SECONDS
  [[ -n ${1:-} ]] && echo "== $1"
  return 0
}
echo "== packages"
KVD_FOR_WINDOWS=1 ./scripts/install-deps.sh

root=$PWD
toolchain=$root/cmake/mingw-w64-x86_64.cmake
gtest=$root/build/windows-googletest-$(dpkg-query -W -f='${Version}' googletest)

# A scratch Wine prefix of this run alone; no window, no Mono or Gecko installers.
export WINEPREFIX
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/kvd270-wine.XXXXXX")
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
cleanup() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
stage "Wine prefix"
wineserver --persistent=120  # one server for every test process, not one each
wineboot --init >/dev/null 2>&1

if [[ ! -f $gtest/install/lib/cmake/GTest/GTestConfig.cmake ]]; then
  stage "GoogleTest for Windows"
  rm -rf "$gtest"
  cmake -S /usr/src/googletest -B "$gtest/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$gtest/install" >/dev/null
  cmake --build "$gtest/build"
  cmake --install "$gtest/build" >/dev/null
fi

stage "windows build"
cmake -S . -B build/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVD270_WERROR=ON -DKVD270_QT=OFF \
  -DGTest_DIR="$gtest/install/lib/cmake/GTest" >/dev/null
cmake --build build/windows
stage "windows tests (Wine)"
ctest --test-dir build/windows --output-on-failure -j "$(nproc)" --timeout 300
stage
echo "== windows tests passed in $((SECONDS - started)) s"
