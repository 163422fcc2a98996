#!/usr/bin/env bash
# Screenshots of every dialog in both languages under a virtual display:
#   scripts/dialog-screenshots.sh [output folder]   (default docs/screenshots)
# Needs xvfb-run and ImageMagick's import (scripts/install-deps.sh) and a release build.
# Without a window manager the windows have no frames; the window titles are not shown.
set -euo pipefail
cd "$(dirname "$0")/.."
tool=$PWD/build/release/src/dialogs/dialog_screens

# Inside the virtual display: scripts/dialog-screenshots.sh --shoot language item focus file
if [[ ${1:-} == --shoot ]]; then
  shift
  "$tool" "$1" "$2" ${3:+"$3"} >"$4.id" 2>/dev/null &
  pid=$!
  id=
  for _ in $(seq 50); do
    sleep 0.2
    id=$(head -n1 "$4.id")
    [[ -n $id ]] && break
  done
  sleep 1  # painted
  [[ -n $id ]] && import -window "$id" "$4"
  kill "$pid"
  rm -f "$4.id"
  exit 0
fi

out=$(realpath -m "${1:-docs/screenshots}")
mkdir -p "$out"
shots=(
  "optional-function mnudtmf"
  "keys-set-pf1 Key_enactment Combo1"
  "keys-set-pf2 Key_enactment Combo2"
  "embedded-information mnusetin"
  "debug-frequency mnutestfre"
  "power-debug mnudebug"
  "about mnuabout"
)
for language in 0 1; do
  suffix=$([[ $language == 0 ]] && echo zh || echo en)
  for shot in "${shots[@]}"; do
    read -r name item focus <<<"$shot"
    xvfb-run -a -s "-screen 0 1920x1080x24" \
      "$0" --shoot "$language" "$item" "${focus:-}" "$out/dialog-$name-$suffix.png"
  done
done
