#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh release
if [[ -x build/release/src/shell/kvd270 ]]; then
  exec build/release/src/shell/kvd270 "$@"
fi
exec build/release/src/cli/kvd270-cli "${@:---help}"
