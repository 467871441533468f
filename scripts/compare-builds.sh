#!/usr/bin/env bash
# Shows that two builds of brelosta-cli write the same bytes: a change that
# should leave every output as it was is run here against the build before
# it. Compares exit code, standard output and error and every file left, for
#   - every kind as source against every kind as target (geographic in both
#     angle formats), records with and without Id, with and without report;
#   - every file of tests/data and data/ with each shipped configuration,
#     forward and back, with and without report;
#   - every scenario of tests/scenarios (a scenario changed on purpose shows
#     here as a difference);
# each in both decimal marks.
# Usage: scripts/compare-builds.sh OLD_BUILD_DIR [NEW_BUILD_DIR]   (default new: build)
set -euo pipefail
shopt -s nullglob
cd "$(dirname "$0")/.."
source scripts/compare-lib.sh
old="$(realpath "$1")/src/cli/brelosta-cli"
new="$(realpath "${2:-build}")/src/cli/brelosta-cli"
[ -x "$old" ] && [ -x "$new" ] || { echo "uso: $0 CARPETA_DE_COMPILACION_ANTERIOR [NUEVA]" >&2; exit 2; }
unset BRELOSTA_NUMBER_FORMAT

work="$(mktemp -d "${TMPDIR:-/tmp}/brelosta-builds-XXXXXX")"
trap 'rm -rf "$work"' EXIT
inputs="$work/inputs"


runs=0
differences=0
completed=0
# run_both NAME SETUP COMMAND-ARGUMENTS...: SETUP fills a working folder
# (its argument); both builds run in a folder of their own.
run_both() {
  local name="$1" setup="$2" side status
  shift 2
  for side in old new; do
    fresh_folder "$work/$side"
    "$setup" "$work/$side"
    status=0
    (cd "$work/$side" && "${!side}" "$@" >"$work/$side.out" 2>"$work/$side.err") || status=$?
    echo "$status" >"$work/$side.status"
    folder_as_dir "$work/$side" "$work/$side.out" "$work/$side.err"
  done
  runs=$((runs + 1))
  if [ "$(cat "$work/new.status")" = 0 ] && ! grep -q "interrumpida" "$work/new.out"; then
    completed=$((completed + 1))
  fi
  local problem=""
  for part in status out err; do
    cmp -s "$work/old.$part" "$work/new.$part" || problem+=" $part"
  done
  diff -r "$work/old" "$work/new" >/dev/null || problem+=" files"
  if [ -n "$problem" ]; then
    differences=$((differences + 1))
    echo "DIFERENCIA ($problem ): $name" >&2
    diff -r "$work/old" "$work/new" | head -6 >&2 || true
  fi
}

# --- Every kind against every kind ------------------------------------------
# Each kind's settings for a panel (L or R), as script actions.
kind_actions() { # KIND SIDE MARK
  local side="$2" m="$3"
  case "$1" in
    dms) echo "select Coord_$side Geográficas" ;;
    decimal) printf 'select Coord_%s Geográficas\nselect Units_%s Grados Decimales\n' "$side" "$side" ;;
    utm) printf 'select Coord_%s UTM\nset Zone_%s 19\n' "$side" "$side" ;;
    tm) printf 'select Coord_%s Transverse Mercator\nset Zone_%s 0%s9996\nset Lon_origen_%s -66\nset Feste_%s 500000\n' \
      "$side" "$side" "$m" "$side" "$side" ;;
    mercator) printf 'select Coord_%s Mercator\nset Zone_%s 5\nset Lon_origen_%s -66\n' "$side" "$side" "$side" ;;
    lambert) printf 'select Coord_%s Conica de Lambert\nset Zone_%s 4\nset Para_2_%s 9\nset Lon_origen_%s -66\n' \
      "$side" "$side" "$side" "$side" ;;
    lq) echo "select Coord_$side Loma Quintana (Ven)" ;;
  esac
}
layout_of() { # KIND ID(yes|no)
  local fields="Norte Este H"
  case "$1" in dms | decimal) fields="LAT LON H" ;; esac
  if [ "$2" = yes ]; then echo "Id $fields"; else echo "$fields"; fi
}
kinds=(dms decimal utm tm mercator lambert lq)

# The points of each kind: geographic points on La Canoa converted by the
# old build, so that both builds read the same input.
make_inputs() {
  mkdir -p "$inputs"
  fresh_folder "$inputs/make"
  printf '%s\r\n' 'P1,10.5,-66.9,25' 'ESTACION-LARGA,8.25,-63.5,1500.25' 'P3,0.5,-64.25,-12.5' 'P4,11.75,-71.1,0' \
    >"$inputs/make/geo.txt"
  local kind id
  for kind in "${kinds[@]}"; do
    for id in yes no; do
      {
        echo "value M_Archivo 1"
        echo "select Units_L Grados Decimales"
        echo "select DATUM_L PSAD 56 - La Canoa (2)"
        echo "select DATUM_R PSAD 56 - La Canoa (2)"
        kind_actions "$kind" R .
        echo "set Formato_L Id LAT LON H"
        echo "set Formato_R $(layout_of "$kind" "$id")"
        echo "set File_L geo.txt"
        echo "set File_R $kind-$id.txt"
        echo "click Command1"
      } >"$inputs/make/make.script"
      (cd "$inputs/make" && "$old" script --number-format point make.script >/dev/null)
      cp "$inputs/make/$kind-$id.txt" "$inputs/"
    done
  done
}

matrix_setup() { cp "$inputs/$source-$id.txt" "$1/in.txt" && cp "$work/matrix.script" "$1/"; }

run_matrix() { # FORMAT MARK
  local format="$1" mark="$2" source target id report
  for source in "${kinds[@]}"; do
    for target in "${kinds[@]}"; do
      for id in yes no; do
        for report in sinencabezado conencabezado; do
          {
            echo "value M_Archivo 1"
            echo "click $report"
            kind_actions "$source" L "$mark"
            kind_actions "$target" R "$mark"
            [ "$source" = lq ] || [ "$target" = lq ] || echo "select DATUM_L PSAD 56 - La Canoa (2)"
            echo "set Formato_L $(layout_of "$source" "$id")"
            echo "set Formato_R $(layout_of "$target" "$id")"
            echo "set File_L in.txt"
            echo "set File_R out.txt"
            echo "click Command1"
            echo "print Progreso.espere"
          } >"$work/matrix.script"
          run_both "$format $source -> $target Id=$id $report" matrix_setup script --workdir . \
            --number-format "$format" matrix.script
        done
      done
    done
  done
}

# --- Shipped files and configurations -----------------------------------------
convert_setup() { cp "$config" "$1/config.cfg" && cp "$input" "$1/"; }

# --- Scenarios ------------------------------------------------------------------
# A scenario's script and input files with the decimal mark of the run; the
# working folder is the current one.
scenario_setup() { scenario_into "$scenario" "$mark" "$quote" "$1" "$1/scenario.script"; }

make_inputs
for format in point comma; do
  mark=.
  quote=
  if [ "$format" = comma ]; then mark=,; quote='"'; fi
  run_matrix "$format" "$mark"
  for config in tests/data/*.cfg data/*.cfg; do
    for input in tests/data/* data/puntos_ejemplo.txt; do
      for direction in "" --reverse; do
        for report in "" --report; do
          run_both "$format convert $config $input $direction $report" convert_setup convert --workdir . \
            --config config.cfg --in "$(basename "$input")" --out salida.txt --number-format "$format" \
            $direction $report
        done
      done
    done
  done
  while IFS= read -r scenario; do
    run_both "$format ${scenario#tests/scenarios/}" scenario_setup script --workdir . --number-format "$format" \
      scenario.script
  done < <(find tests/scenarios -name '*.scn' | sort)
done

echo "Compilaciones comparadas: $runs ejecuciones ($completed sin interrupción), $differences con diferencias"
((differences == 0))
