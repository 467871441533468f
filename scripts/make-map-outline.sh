#!/usr/bin/env bash
# Derives data/mapa_venezuela.txt, the outline the map window draws:
# coastlines, international borders and the borders of Venezuela's states,
# for a frame around Venezuela. Run by a developer, once, and its output
# committed; neither the build nor the tests run it.
#
# Source: GSHHG 2.3.7 (Wessel and Smith), high resolution, as Debian's
# gmt-gshhg-high ships it (LGPL-3+): the shorelines (GSHHS, all levels) and
# the borders of the CIA World Data Bank II within it (level 1 national,
# level 2 internal). Which internal borders are Venezuela's is told by the
# country's polygon from DCW-GMT 2.1.1 (gmt-dcw, LGPL-3+). GMT's `coast`
# dumps both as text; scripts/map_outline.py joins, selects and simplifies.
#
# Usage: scripts/make-map-outline.sh [TOLERANCE_DEGREES]   (default 0.003)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

brelosta_install_packages gmt gmt-gshhg-high gmt-dcw

tolerance="${1:-0.003}"
# West, east, south, north (degrees): Venezuela, its islands and coasts, and
# enough of Colombia, Brazil, Guyana and the Caribbean around them.
frame=-75/-57/-0.5/13.5

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# -Dh: high resolution; -A0: every shoreline level (lakes such as Valencia
# and Guri too), no feature dropped for its area; -M: line segments as text.
# In the scratch folder, where GMT leaves its gmt.history.
(
  cd "$work"
  gmt coast -R"$frame" -Dh -A0 -W -M >costa.txt
  gmt coast -R"$frame" -Dh -N1 -M >frontera.txt
  gmt coast -R"$frame" -Dh -N2 -M >estado.txt
  gmt coast -EVE -Dh -M >venezuela.txt
)

/usr/bin/python3 scripts/map_outline.py --tolerance "$tolerance" --frame="$frame" \
  --coast "$work/costa.txt" --borders "$work/frontera.txt" --internal "$work/estado.txt" \
  --country "$work/venezuela.txt" --out data/mapa_venezuela.txt
ls -l data/mapa_venezuela.txt
