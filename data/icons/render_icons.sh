#!/usr/bin/env bash
# Renders the program icon into the PNG sizes a desktop looks for (needs librsvg2-bin).
# Run again after a change of the SVG and commit the PNGs.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    mkdir -p "${size}x${size}"
    rsvg-convert -w "$size" -h "$size" org.vestrano.Vestrano.svg -o "${size}x${size}/org.vestrano.Vestrano.png"
done
