#!/usr/bin/env bash
# Renders the PNG sizes of the program's icon from mtz4clone.svg (run after
# changing the SVG; the PNGs are kept in the repository).
set -euo pipefail
cd "$(dirname "$0")"
../../scripts/install-deps.sh librsvg2-bin
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" mtz4clone.svg -o "mtz4clone-$size.png"
done
