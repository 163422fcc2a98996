#!/usr/bin/env bash
# Builds every libFuzzer target with clang and runs it once over its seed corpus and its
# regressions. The tests replay the same inputs through gcc builds; this keeps the fuzz
# targets themselves building under clang, which scripts/fuzz.sh needs.
set -euo pipefail
cd "$(dirname "$0")/.."
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKVD270_FUZZ=ON -DKVD270_GUI=OFF -DKVD270_TESTS=OFF >/dev/null
for folder in fuzz/corpus/*/; do
  target=$(basename "$folder")
  cmake --build build/fuzz --target "fuzz_${target}"
  # Files, not folders: given a folder, libFuzzer would add what it finds to it.
  mapfile -t inputs < <(find "fuzz/corpus/${target}" "fuzz/regressions/${target}" -type f 2>/dev/null)
  if ! out=$("build/fuzz/fuzz/fuzz_${target}" -runs=0 "${inputs[@]}" 2>&1); then
    echo "$out" | tail -n 40
    exit 1
  fi
  echo "fuzz_${target}: ${#inputs[@]} inputs replayed"
done
