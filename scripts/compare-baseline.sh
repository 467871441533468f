#!/usr/bin/env bash
# Byte identity of a change that should leave outputs as they are: runs an
# earlier build's brelosta-cli and this one's on the same file conversions,
# every kind (and both angle formats) as source and as target, with and
# without report, in both decimal marks, and compares what each prints and
# the output file it writes, byte for byte.
# Usage: scripts/compare-baseline.sh BASELINE_CLI [CLI]   (CLI default: build/src/cli/brelosta-cli)
set -euo pipefail
cd "$(dirname "$0")/.."
baseline="$(realpath "$1")"
cli="$(realpath "${2:-build/src/cli/brelosta-cli}")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp data/datum.txt data/elipsoide.txt "$work/"

# The panel set-up of each system, as script actions for side S.
setup() {
  local side=$1 system=$2
  case "$system" in
    geo-dms) echo "select Coord_$side Geográficas"; echo "select Units_$side Grad Min Seg" ;;
    geo-dec) echo "select Coord_$side Geográficas"; echo "select Units_$side Grados Decimales" ;;
    utm) echo "select Coord_$side UTM"; echo "set Zone_$side 19" ;;
    tm) echo "select Coord_$side Transverse Mercator"; echo "set Zone_$side 0.9996"
        echo "set Lon_origen_$side -66"; echo "set Feste_$side 500000" ;;
    mercator) echo "select Coord_$side Mercator"; echo "set Lon_origen_$side -66" ;;
    lambert) echo "select Coord_$side Conica de Lambert"; echo "set Zone_$side 9"; echo "set Para_2_$side 3"
             echo "set Lon_origen_$side -66"; echo "set Lat_origen_$side 6" ;;
    local) echo "select Coord_$side Loma Quintana (Ven)" ;;
  esac
}
layout() { case "$1" in geo-*) echo "Id LAT LON H" ;; *) echo "Id Norte Este H" ;; esac; }
datum() { case "$1" in local) echo "PSAD 56 - La Canoa (2)" ;; *) echo "$2" ;; esac; }

systems=(geo-dms geo-dec utm tm mercator lambert local)
# One input file per system: the same points, converted with this build from
# decimal degrees on PSAD 56.
printf '%s\r\n' 'P1,10.5,-66.9,905.3' 'Cerro Ávila,10.55,-66.87,2100' ',10.2,-67.1,12.5' >"$work/geo.txt"
for s in "${systems[@]}"; do
  {
    echo "click M_Archivo"
    setup L geo-dec
    echo "select DATUM_L PSAD 56 - La Canoa (2)"
    echo "select Formato_L Id LAT LON H"
    setup R "$s"
    echo "select DATUM_R PSAD 56 - La Canoa (2)"
    echo "select Formato_R $(layout "$s")"
    echo "set File_L $work/geo.txt"
    echo "set File_R $work/in-$s.txt"
    echo "click Command1"
  } >"$work/make.script"
  "$cli" script --workdir "$work" --number-format point "$work/make.script" >/dev/null
done

compared=0
written=0
differ=0
for mark in point comma; do
  for s in "${systems[@]}"; do
    for t in "${systems[@]}"; do
      for header in sinencabezado conencabezado; do
        for datums in "PSAD 56 - La Canoa (2)|WGS84" "PSAD 56 - La Canoa (2)|PSAD 56 - La Canoa (2)"; do
          left="$(datum "$s" "${datums%|*}")"
          right="$(datum "$t" "${datums#*|}")"
          [[ "$s" == local && "$t" == local ]] && continue
          {
            echo "click M_Archivo"
            echo "click $header"
            setup L "$s"
            echo "select DATUM_L $left"
            echo "select Formato_L $(layout "$s")"
            setup R "$t"
            echo "select DATUM_R $right"
            echo "select Formato_R $(layout "$t")"
            echo "set File_L $work/in-$s.txt"
            echo "set File_R $work/out.txt"
            echo "click Command1"
            echo "print Progreso.espere LAT_D_R LON_D_R ALT_M_R Zone_R"
          } >"$work/run.script"
          for build in baseline cli; do
            rm -f "$work/out.txt"
            "${!build}" script --workdir "$work" --number-format "$mark" "$work/run.script" >"$work/$build.printed" 2>&1 || true
            if [ -f "$work/out.txt" ]; then mv "$work/out.txt" "$work/$build.out"; else echo "(no file)" >"$work/$build.out"; fi
          done
          compared=$((compared + 1))
          grep -qx "(no file)" "$work/cli.out" || written=$((written + 1))
          if ! cmp -s "$work/baseline.out" "$work/cli.out" || ! cmp -s "$work/baseline.printed" "$work/cli.printed"; then
            differ=$((differ + 1))
            echo "DIFFERENT: $mark $s -> $t $header ($left -> $right)"
          fi
        done
      done
    done
  done
done
echo "$compared conversions compared ($written wrote a file), $differ different"
[ "$differ" -eq 0 ]
