#!/usr/bin/env bash
# Draws the program's icon from its source, packaging/icons/brelosta.svg, at
# every size the desktops and Windows ask for: brelosta-SIZE.png and a
# multi-size brelosta.ico. Run it after changing the drawing and commit what
# it writes; builds use the committed files and do not need these tools.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
brelosta_install_packages librsvg2-bin icoutils

icons=packaging/icons
sizes=(16 32 48 64 128 256)
for size in "${sizes[@]}"; do
  rsvg-convert --width "$size" --height "$size" --output "$icons/brelosta-$size.png" "$icons/brelosta.svg"
done
# Windows takes the small sizes as bitmaps and the largest as a PNG.
icotool --create --output "$icons/brelosta.ico" \
  "$icons"/brelosta-{16,32,48,64,128}.png --raw="$icons/brelosta-256.png"
