#!/usr/bin/env bash
# Screenshots of every dialog, and of the table's editors open over their cells, in both
# languages under a virtual display:
#   scripts/screenshots.sh [output folder]   (default docs/screenshots)
# Needs xvfb-run and ImageMagick's import (scripts/install-deps.sh) and a release build.
# Without a window manager the windows have no frames; the window titles are not shown.
set -euo pipefail
cd "$(dirname "$0")/.."
tool=$PWD/build/release/tools/screens/dialog_screens

# Inside the virtual display: scripts/screenshots.sh --shoot png language item [focus [file]]
if [[ ${1:-} == --shoot ]]; then
  png=$2
  shift 2
  "$tool" "$@" >"$png.id" 2>/dev/null &
  pid=$!
  id=
  for _ in $(seq 50); do
    sleep 0.2
    id=$(head -n1 "$png.id")
    [[ -n $id ]] && break
  done
  sleep 1  # painted
  if [[ -n $id ]]; then
    import -window "$id" "$png"
    # An open list is a window of its own: take the screen where the main window lies.
    if [[ $2 == cell ]]; then
      import -window root -crop "$(identify -format %wx%h "$png")+0+0" "$png"
    fi
  fi
  kill "$pid"
  rm -f "$png.id"
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
# A few channels to edit: a frequency cell, a tone cell and a choice cell.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/channels.csv" <<'CSV'
Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,Skip,Power
1,145.531250,,0,TSQL,88.5,88.5,023,NN,FM,,High
2,146.520000,+,0.6,Tone,100.0,88.5,023,NN,NFM,S,Low
3,147.000000,,0,DTCS,88.5,88.5,131,NN,FM,,High
CSV
build/release/src/cli/kvd270-cli import-csv "$work/channels.csv" --out "$work/channels.DAT" \
  --band 5 >/dev/null
editors=(
  "frequency 2,1"
  "tone 1,2"
  "choice 2,6"
)
for language in 0 1; do
  suffix=$([[ $language == 0 ]] && echo zh || echo en)
  for shot in "${shots[@]}"; do
    read -r name item focus <<<"$shot"
    xvfb-run -a -s "-screen 0 1920x1080x24" \
      "$0" --shoot "$out/dialog-$name-$suffix.png" "$language" "$item" ${focus:+"$focus"}
  done
  for shot in "${editors[@]}"; do
    read -r name cell <<<"$shot"
    xvfb-run -a -s "-screen 0 1920x1080x24" \
      "$0" --shoot "$out/editing-$name-$suffix.png" "$language" cell "$cell" "$work/channels.DAT"
  done
done
