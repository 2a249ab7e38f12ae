#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG drawings into data/icons/png/.
# The PNGs are kept in the repository, so building needs no SVG renderer; run this after
# changing a drawing (needs rsvg-convert: apt-get install librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
mkdir -p png
rsvg-convert -w 16 -h 16 tablevane-16.svg -o png/16.png
for size in 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" tablevane.svg -o "png/$size.png"
done
