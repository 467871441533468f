#!/usr/bin/env bash
# Runs the Windows test executables of build-windows/ (see
# scripts/build-windows.sh) under Wine, in a Wine prefix of their own
# (build-windows/wineprefix, made on the first run; the window's tests on a
# virtual display, xvfb-run), and says how many tests ran: "Wine: N passed,
# M failed". Extra arguments go to the test executables (e.g.
# --gtest_filter=Scenario*).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
brelosta_wine

passed=0
failed=0
skipped=0
# run_tests EXECUTABLE [LAUNCHER...]: runs one test executable under Wine
# (through the launcher, if any) and adds its counts.
run_tests() {
  local executable="$1"
  shift
  local log status=0 ran ok skip
  log="build-windows/$(basename "$executable" .exe).log"
  "$@" wine "$executable" --gtest_brief=1 "${test_arguments[@]}" >"$log" 2>&1 || status=$?
  ran=$(sed -n 's/^\[==========\] \([0-9]*\) tests\? from .* ran\..*/\1/p' "$log" | tail -1)
  ok=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\..*/\1/p' "$log" | tail -1)
  # Tests that need the build machine's Linux programs skip under Wine.
  skip=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) tests\?[.,].*/\1/p' "$log" | tail -1)
  ran=${ran:-0}
  ok=${ok:-0}
  skip=${skip:-0}
  if ((status != 0 || ran == 0)); then
    grep -v '^\[       OK \]' "$log" | tail -n 60 >&2
    echo "$executable terminó con el código $status (registro completo: $log)" >&2
    ((ran > ok + skip)) || ran=$((ok + skip + 1))
  fi
  passed=$((passed + ok))
  skipped=$((skipped + skip))
  failed=$((failed + ran - ok - skip))
}
test_arguments=("$@")
for executable in build-windows/tests/*.exe; do
  run_tests "$executable"
done
# The window's tests open real windows: on a virtual display. The Wine server
# of the tests above must be gone first: one started without a display
# would make every window fail to open.
wineserver --wait
for executable in build-windows/tests/win32/*_tests.exe; do
  run_tests "$executable" xvfb-run -a -s "-screen 0 1600x1000x24"
done
wineserver --wait

echo "Wine: $passed passed, $failed failed, $skipped skipped"
((failed == 0))
