#!/usr/bin/env bash
# Shows that the Windows build (brelosta-cli.exe under Wine) prints and writes
# byte for byte what the Linux build does: every scenario of tests/scenarios,
# and every file of tests/data and data/ converted with each shipped
# configuration, forward and back, with and without report, and the sample
# file in each exchange format (--format); each in both decimal marks. Compares the exit code, standard output, standard error and
# every file left in the working folder. Needs build/ and build-windows/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/compare-lib.sh
brelosta_wine
root="$PWD"
linux="$root/build/src/cli/brelosta-cli"
windows="$root/build-windows/src/cli/brelosta-cli.exe"

# Neither build may take the decimal mark from this machine's settings.
unset BRELOSTA_NUMBER_FORMAT

work="$(mktemp -d "${TMPDIR:-/tmp}/brelosta-compare-XXXXXX")"
trap 'rm -rf "$work"' EXIT


mkdir -p "$work/linux" "$work/windows"
declare -A side_folder=([linux]="$work/linux" [windows]="$(winepath -w "$work/windows" 2>/dev/null)")

# run_both NAME COMMAND-ARGUMENTS...: runs both builds in $work/linux and
# $work/windows (prepared by the caller) and compares what they leave.
runs=0
differences=0
succeeded=0
# run_side SIDE COMMAND-ARGUMENTS...: one build's run, what it printed in
# $work/SIDE.out and .err, its exit code in $work/SIDE.status.
run_side() {
  local side="$1" status=0
  shift
  if [ "$side" = linux ]; then
    (cd "$work/$side" && "$linux" "$@" >"$work/$side.out" 2>"$work/$side.err") || status=$?
  else
    (cd "$work/$side" && wine "$windows" "$@" >"$work/$side.out" 2>"$work/$side.err") || status=$?
  fi
  echo "$status" >"$work/$side.status"
  folder_as_dir "${side_folder[$side]}" "$work/$side.out" "$work/$side.err"
}

# printed_differs: the parts of what the two runs printed that differ.
printed_differs() {
  local part problem=""
  for part in status out err; do
    cmp -s "$work/linux.$part" "$work/windows.$part" || problem+=" $part"
  done
  echo "$problem"
}

run_both() {
  local name="$1" side
  shift
  for side in linux windows; do run_side "$side" "$@"; done
  runs=$((runs + 1))
  [ "$(cat "$work/linux.status")" = 0 ] && succeeded=$((succeeded + 1))
  local problem
  problem=$(printed_differs)
  # Wine on a loaded machine has been seen to lose the whole of a program's
  # standard error: a run whose exit code and files agree but whose printed
  # text does not is run once more on Windows, and only its printing counts.
  if [ -n "$problem" ] && [[ "$problem" != *status* ]] &&
    diff -r "$work/linux" "$work/windows" >/dev/null; then
    run_side windows "$@"
    problem=$(printed_differs)
  fi
  diff -r "$work/linux" "$work/windows" >/dev/null || problem+=" files"
  if [ -n "$problem" ]; then
    differences=$((differences + 1))
    echo "DIFERENCIA ($problem ): $name" >&2
    diff "$work/linux.out" "$work/windows.out" | head -5 >&2 || true
    diff "$work/linux.err" "$work/windows.err" | head -5 >&2 || true
    diff -r "$work/linux" "$work/windows" | head -5 >&2 || true
  fi
}

# The script of a scenario and its input files, with the decimal mark of the
# run; the working folder is the current one.
prepare_scenario() { # SCENARIO MARK QUOTE FOLDER
  fresh_folder "$4"
  scenario_into "$1" "$2" "$3" "$4" "$4.script"
}

for format in point comma; do
  mark=.
  quote=
  if [ "$format" = comma ]; then mark=,; quote='"'; fi

  while IFS= read -r scenario; do
    for side in linux windows; do prepare_scenario "$scenario" "$mark" "$quote" "$work/$side"; done
    cp "$work/linux.script" "$work/scenario.script"
    run_both "$format ${scenario#tests/scenarios/}" script --workdir . --number-format "$format" ../scenario.script
  done < <(find tests/scenarios -name '*.scn' | sort)

  for config in tests/data/*.cfg data/*.cfg; do
    for input in tests/data/* data/puntos_ejemplo.txt; do
      for direction in "" --reverse; do
        for report in "" --report; do
          for side in linux windows; do
            fresh_folder "$work/$side"
            cp "$config" "$work/$side/config.cfg"
            cp "$input" "$work/$side/$(basename "$input")"
          done
          run_both "$format convert $config $input $direction $report" convert --workdir . --config config.cfg \
            --in "$(basename "$input")" --out salida.txt --number-format "$format" $direction $report
        done
      done
    done
    # The exchange formats of the sample file, with the .prj beside a CSV.
    for direction in "" --reverse; do
      for options in "--format csv-header" "--format csv-header --bom" "--format kml" "--format kml --heights" \
        "--format geojson" "--format dxf"; do
        for side in linux windows; do
          fresh_folder "$work/$side"
          cp "$config" "$work/$side/config.cfg"
          cp data/puntos_ejemplo.txt "$work/$side/"
        done
        run_both "$format convert $config $direction $options" convert --workdir . --config config.cfg \
          --in puntos_ejemplo.txt --out salida.txt --number-format "$format" $direction $options
      done
    done
  done
done
wineserver --wait

echo "Linux y Windows: $runs ejecuciones comparadas ($succeeded con código 0), $differences con diferencias"
((differences == 0))
