#!/usr/bin/env bash
# Renders the application icon's PNG sizes from src/shell/icons/kvd270.svg (run after editing
# the SVG; the PNGs are committed so a build needs no SVG renderer).
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || sudo apt-get install -y --no-install-recommends librsvg2-bin
for size in 16 22 24 32 48 64 128 256 512; do
  mkdir -p "data/icons/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" src/shell/icons/kvd270.svg -o "data/icons/${size}x${size}/kvd270.png"
done
