#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Arguments go to the program.
# A virtual radio (kvd270-sim) answers on the port menu's COM1 while the program runs, so
# Read and Write can be tried without a radio; a real radio is reached through COM2..COM8.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh release

program=build/release/src/app/kvd270
# The program keeps its preferences and port links in its own folder when it may write there.
config=$(dirname "$program")
build/release/src/sim/kvd270-sim --link "$config/COM1" >/dev/null &
sim=$!
trap 'kill $sim 2>/dev/null || true' EXIT
"$program" "$@"
