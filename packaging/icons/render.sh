#!/usr/bin/env bash
# Renders the PNG icons from zorvek.svg with rsvg-convert (Debian's librsvg2-bin). The PNGs are kept in
# the repository, so building and installing need no SVG renderer; run this after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" zorvek.svg -o "png/zorvek-$size.png"
done
