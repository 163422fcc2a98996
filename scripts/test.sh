#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once plain, once under
# AddressSanitizer and UndefinedBehaviorSanitizer; then builds the fuzz targets with clang
# and replays their inputs. Needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
jobs=$(nproc)

for flavour in release asan; do
  echo "== $flavour build"
  ./scripts/build.sh "$flavour"
  echo "== $flavour tests"
  ctest --test-dir "build/$flavour" --output-on-failure -j "$jobs" --timeout 300
done
echo "== fuzz targets"
./scripts/fuzz-replay.sh
echo "== all tests passed"
