#!/usr/bin/env bash
# Timed end-to-end conversion of a point file with brelosta-cli convert,
# side by side with PROJ's cs2cs doing the same geodetic work on the same
# points (inverse UTM, then a seven-parameter Helmert shift to WGS84).
#
#   bench/file_conversion.sh [RECORDS] [REPEATS]     (default 999999 and 5)
#
# The file is "Id Norte Este H" in UTM zone 19 on "PSAD 56 - La Canoa (2)",
# converted to "Id LAT LON H" in degrees-minutes-seconds on WGS84 with
# Bursa-Wolf, without and with the report. Before timing, the script checks
# that both programs give the same positions: every point within 1e-4
# arc-seconds in latitude and longitude (cs2cs shifts through geocentric
# coordinates as brelosta does, but gives back the height it was given, so
# the heights are not compared). Each run is timed REPEATS times with
# /usr/bin/time -v, after a sync (the best wall-clock and processor times
# count; the processor time is the steadier figure on a shared machine),
# which also gives the peak memory. Targets: the plain run
# at least 5 times as fast as cs2cs, the report run at least 3.5 times
# (and never under 3), peak memory at most 16 MB whatever the number of
# records. Then the exchange
# formats against the plain run of a conversion to UTM (see below).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

records=${1:-999999}
repeats=${2:-5}

brelosta_install_packages
brelosta_build build-bench -DBRELOSTA_BENCH=ON -DBRELOSTA_TESTS=OFF -DBRELOSTA_QT=OFF

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp data/datum.txt data/elipsoide.txt "$work/"
build-bench/bench/brelosta-genpoints --count "$records" --layout "Id Norte Este H" \
  --out "$work/puntos.txt" --plain "$work/puntos.plain"

# The saved configuration: left panel UTM zone 19 on PSAD 56 - La Canoa (2),
# right panel geographic degrees-minutes-seconds on WGS84, Bursa-Wolf,
# layouts "Id Norte Este H" and "Id LAT LON H" (index 6 of both lists).
printf '%s\r\n' 'UTM,Geogr'$'\xe1''ficas' 'Grad Min Seg,Grad Min Seg' '19,' ',' ',' ',' ',' ',' \
  'Hemisferio Norte,Hemisferio Norte' ' 0 , 1 ' 'PSAD 56 - La Canoa (2),WGS84' ' 0 , 1 , 0 ' ' 6 , 6 ' \
  >"$work/utm19_psad56_a_wgs84.cfg"

# The same shift for cs2cs: the datum's Bursa-Wolf parameters (metres,
# arc-seconds, ppm) on the International 1924 ellipsoid. The catalogue's
# rotations follow the coordinate-frame convention; +towgs84 takes them in
# the position-vector convention, so their signs are turned.
psad56="+proj=utm +zone=19 +ellps=intl +towgs84=-270.933,115.599,-360.226,5.266,1.238,-2.381,-5.109"
cs2cs_command="cs2cs -f %.9f $psad56 +to +proj=longlat +datum=WGS84"

cli=build-bench/src/cli/brelosta-cli

# best_of NAME COMMAND...: runs the command REPEATS times; prints the best
# wall-clock time, the best processor time (user + system, which other work
# on a shared machine disturbs less) and the largest peak resident memory.
best_of() {
  local name=$1 wall="" cpu="" peak=0 seconds used kilobytes
  shift
  for ((k = 0; k < repeats; k++)); do
    # What the runs before wrote goes to disk first, so that no run pays
    # for another's (both programs replace the output of their previous run).
    sync
    /usr/bin/time -v -o "$work/time.txt" "$@"
    seconds=$(awk -F': ' '/Elapsed \(wall clock\)/ {
      n = split($2, t, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + t[i]; print s }' "$work/time.txt")
    used=$(awk -F': ' '/User time|System time/ { s += $2 } END { print s }' "$work/time.txt")
    kilobytes=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
    if [ -z "$wall" ] || awk "BEGIN { exit !($seconds < $wall) }"; then wall=$seconds; fi
    if [ -z "$cpu" ] || awk "BEGIN { exit !($used < $cpu) }"; then cpu=$used; fi
    ((kilobytes > peak)) && peak=$kilobytes
  done
  printf '%-20s %8.2f s %8.2f s %10.1f MB\n' "$name" "$wall" "$cpu" "$(awk "BEGIN { print $peak / 1024 }")"
  local variable=${name//[^a-z]/_}
  eval "${variable}_wall=$wall ${variable}_cpu=$cpu ${variable}_peak=$peak"
}

# Same work: brelosta's degrees-minutes-seconds ("Id LAT LON H", the degrees
# with the angle's sign, "-0" under one degree) against cs2cs's decimal
# degrees ("lon lat h").
"$cli" convert --workdir "$work" --config "$work/utm19_psad56_a_wgs84.cfg" \
  --in "$work/puntos.txt" --out "$work/salida.txt"
sh -c "$cs2cs_command <'$work/puntos.plain' >'$work/cs2cs.txt'"
paste -d' ' "$work/salida.txt" "$work/cs2cs.txt" | tr -d '\r' | awk '
  function angle(d, m, s) { return (d ~ /^-/ ? -1 : 1) * ((d < 0 ? -d : d) + m / 60 + s / 3600) }
  function abs(x) { return x < 0 ? -x : x }
  {
    split($1, b, ",")
    dlat = abs(angle(b[2], b[3], b[4]) - $3) * 3600
    dlon = abs(angle(b[5], b[6], b[7]) - $2) * 3600
    if (dlat > worst_angle) worst_angle = dlat
    if (dlon > worst_angle) worst_angle = dlon
    n++
  }
  END {
    printf "%d puntos comparados con cs2cs: diferencia máxima %.6f\047\047\n", n, worst_angle
    if (n == 0 || worst_angle > 1e-4) { print "brelosta y cs2cs no hacen el mismo trabajo" > "/dev/stderr"; exit 1 }
  }'

echo "$records registros, mejor de $repeats corridas"
printf '%-20s %10s %10s %13s\n' "" "reloj" "procesador" "memoria"
best_of "brelosta" "$cli" convert --workdir "$work" --config "$work/utm19_psad56_a_wgs84.cfg" \
  --in "$work/puntos.txt" --out "$work/salida.txt"
best_of "brelosta report" "$cli" convert --workdir "$work" --config "$work/utm19_psad56_a_wgs84.cfg" \
  --in "$work/puntos.txt" --out "$work/reporte.txt" --report
best_of "cs2cs" sh -c "$cs2cs_command <'$work/puntos.plain' >'$work/cs2cs.txt'"

lines=$(wc -l <"$work/salida.txt")
[ "$lines" -eq "$records" ] || { echo "la salida tiene $lines líneas, no $records" >&2; exit 1; }

ratio() { awk "BEGIN { printf \"%.2f\", $1 / $2 }"; }
verdict() { awk "BEGIN { exit !($1) }" && echo "cumple" || echo "NO cumple"; }
for measure in wall cpu; do
  eval "plain=\$brelosta_$measure report=\$brelosta_report_$measure proj=\$cs_cs_$measure"
  label=$([ "$measure" = wall ] && echo "reloj" || echo "procesador")
  plain_speedup=$(ratio "$proj" "$plain")
  report_speedup=$(ratio "$proj" "$report")
  echo "$label: cs2cs / brelosta ${plain_speedup}x (meta >= 5x: $(verdict "$plain_speedup >= 5")), cs2cs / brelosta con reporte ${report_speedup}x (meta >= 3.5x: $(verdict "$report_speedup >= 3.5"))"
done
peak_mb=$(awk "BEGIN { m = $brelosta_peak > $brelosta_report_peak ? $brelosta_peak : $brelosta_report_peak; printf \"%.1f\", m / 1024 }")
echo "memoria máxima ${peak_mb} MB (meta <= 16 MB: $(verdict "$peak_mb <= 16"))"

# The exchange formats (--format) against the plain run of one conversion to
# a projected target, which DXF needs: UTM zone 19 on PSAD 56 to UTM zone 19
# on WGS84, layouts "Id Norte Este H" (index 6). Target: each format at most
# twice the plain run's time, memory within the same bound.
printf '%s\r\n' 'UTM,UTM' 'Grad Min Seg,Grad Min Seg' '19,19' ',' ',' ',' ',' ',' \
  'Hemisferio Norte,Hemisferio Norte' ' 0 , 1 ' 'PSAD 56 - La Canoa (2),WGS84' ' 0 , 1 , 0 ' ' 6 , 6 ' \
  >"$work/utm19_psad56_a_utm19_wgs84.cfg"
exchange_formats=(csv-header kml geojson dxf)
echo "$records registros a UTM 19 WGS84, mejor de $repeats corridas"
best_of "utm" "$cli" convert --workdir "$work" --config "$work/utm19_psad56_a_utm19_wgs84.cfg" \
  --in "$work/puntos.txt" --out "$work/utm.txt"
for format in "${exchange_formats[@]}"; do
  best_of "utm $format" "$cli" convert --workdir "$work" --config "$work/utm19_psad56_a_utm19_wgs84.cfg" \
    --in "$work/puntos.txt" --out "$work/utm.$format" --format "$format"
done
for measure in wall cpu; do
  label=$([ "$measure" = wall ] && echo "reloj" || echo "procesador")
  line="$label, formato / texto:"
  for format in "${exchange_formats[@]}"; do
    variable="utm_${format//[^a-z]/_}_$measure"
    eval "plain=\$utm_$measure this=\$$variable"
    slowdown=$(ratio "$this" "$plain")
    line+=" $format ${slowdown}x ($(verdict "$slowdown <= 2"))"
  done
  echo "$line (meta <= 2x)"
done
peak=0
for format in "${exchange_formats[@]}"; do
  eval "this=\$utm_${format//[^a-z]/_}_peak"
  ((this > peak)) && peak=$this
done
peak_mb=$(awk "BEGIN { printf \"%.1f\", $peak / 1024 }")
echo "memoria máxima de los formatos ${peak_mb} MB (meta <= 16 MB: $(verdict "$peak_mb <= 16"))"
