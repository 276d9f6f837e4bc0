#!/usr/bin/env bash
# Redraws the PNG icons of the hicolor theme from the vector drawings, each at its own
# size; 16 px has a simpler drawing of its own. Needs rsvg-convert (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
for size in 16 32 48 64 128 256; do
  source=ui/icons/filmotas.svg
  [ "$size" -eq 16 ] && source=ui/icons/filmotas-16.svg
  rsvg-convert --width "$size" --height "$size" "$source" --output "data/icons/filmotas-$size.png"
done
