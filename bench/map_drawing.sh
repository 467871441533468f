#!/usr/bin/env bash
# Times the map window on a large point file: reading it and taking every
# record to WGS84, building the drawing list for three views on two canvas
# sizes, and painting it into an image with Qt (offscreen), against the
# target of under a second for all of it; and, for scale, PROJ's cs2cs doing
# the same geodetic work on the same points (inverse UTM, seven-parameter
# shift to WGS84).
#
#   bench/map_drawing.sh [POINTS] [REPEATS]     (default 100000 and 5)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

points=${1:-100000}
repeats=${2:-5}

brelosta_install_packages
brelosta_build build-bench-map -DBRELOSTA_BENCH=ON -DBRELOSTA_TESTS=OFF

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp data/datum.txt data/elipsoide.txt data/mapa_venezuela.txt "$work/"
build-bench-map/bench/brelosta-genpoints --count "$points" --layout "Id Norte Este H" \
  --out "$work/puntos.txt" --plain "$work/puntos.plain"

QT_QPA_PLATFORM=offscreen build-bench-map/bench/brelosta-map-bench --workdir "$work" --file "$work/puntos.txt" \
  --repeats "$repeats"

# The catalogue's coordinate-frame rotations in PROJ's position-vector
# convention (signs turned), as in bench/file_conversion.sh.
psad56="+proj=utm +zone=19 +ellps=intl +towgs84=-270.933,115.599,-360.226,5.266,1.238,-2.381,-5.109"
best=""
for ((k = 0; k < repeats; k++)); do
  start=$(date +%s.%N)
  cs2cs -f %.9f $psad56 +to +proj=longlat +datum=WGS84 <"$work/puntos.plain" >"$work/cs2cs.txt"
  took=$(awk "BEGIN { print ($(date +%s.%N) - $start) * 1000 }")
  if [ -z "$best" ] || awk "BEGIN { exit !($took < $best) }"; then best=$took; fi
done
printf 'cs2cs, los mismos %d puntos a WGS84: %.1f ms\n' "$points" "$best"
