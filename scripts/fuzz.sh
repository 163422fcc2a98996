#!/usr/bin/env bash
# Runs a libFuzzer target for a given time: scripts/fuzz.sh [TARGET] [SECONDS]
# Inputs that crash are copied to fuzz/regressions/TARGET, where every build replays them.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:-channel_file}
seconds=${2:-600}

./scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKVD270_FUZZ=ON -DKVD270_GUI=OFF -DKVD270_TESTS=OFF >/dev/null
cmake --build build/fuzz --target "fuzz_${target}"

work=build/fuzz/corpus/${target}
artifacts=build/fuzz/artifacts/${target}
# Only what this run finds is kept; an older run's artifacts are in the regressions already.
rm -rf "$artifacts"
mkdir -p "$work" "$artifacts" "fuzz/regressions/${target}"
status=0
"build/fuzz/fuzz/fuzz_${target}" "$work" "fuzz/corpus/${target}" "fuzz/regressions/${target}" \
  -max_total_time="$seconds" -artifact_prefix="$artifacts/" -print_final_stats=1 || status=$?
for crash in "$artifacts"/*; do
  [[ -e "$crash" ]] || continue
  cp "$crash" "fuzz/regressions/${target}/"
  echo "kept $(basename "$crash") in fuzz/regressions/${target}"
done
exit $status
