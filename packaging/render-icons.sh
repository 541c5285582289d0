#!/bin/sh
# Renders the icon's PNG sizes from its SVG into the hicolor layout beside it. The PNGs
# are committed; run this after changing the SVG (needs rsvg-convert, Debian librsvg2-bin).
set -eu
cd "$(dirname "$0")/icons/hicolor"
name=example.quenmar.AviationCalculator
for size in 48 128 256; do
  mkdir -p "${size}x${size}/apps"
  rsvg-convert --width "$size" --height "$size" --format png \
    --output "${size}x${size}/apps/$name.png" "scalable/apps/$name.svg"
done
