#!/usr/bin/env bash
# Saves pictures of the desktop program's windows for review, at 100 % and
# 150 % scaling, on a virtual display (xvfb-run): the Qt program's in
# OUTDIR/1 and OUTDIR/1.5, the Windows program's under Wine at 96 and 144 DPI
# in OUTDIR/windows-96 and OUTDIR/windows-144 (BRELOSTA_SCREENSHOTS=qt or
# =windows takes only one set):
#   main-point   point mode, a geographic point converted to UTM
#   main-file    file mode, after converting a small point file as a
#                Spanish spreadsheet saves it (";", a decimal comma, the
#                titles first), going on past its failed record
#   progress     the progress window at the end of that run
#   preview      the input-file preview of the same file
#   about        the about window
#   mapa         the map of the sample file (UTM zone 19 on PSAD 56 - La
#                Canoa (2)), fitted to its points
#   mapa-venezuela  the same map showing the whole of Venezuela
# Usage: scripts/screenshots.sh [OUTDIR]    (default: build/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

out="$(realpath -m "${1:-build/screenshots}")"
sets="${BRELOSTA_SCREENSHOTS:-qt windows}"
tool=build/tests/qt/brelosta_screenshots
[[ "$sets" != *qt* || -x "$tool" ]] || brelosta_build build
windows_tool=build-windows/tests/win32/brelosta_window_screenshots.exe
[[ "$sets" != *windows* || -f "$windows_tool" ]] || scripts/build-windows.sh

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp data/datum.txt data/elipsoide.txt data/puntos_ejemplo.txt data/mapa_venezuela.txt "$work/"
printf '%s\r\n' 'Id;Norte;Este;H' 'P1;1106908,854;471071,264;25' 'P2;1107012,500;471102,750;30,2' \
  'P3;s/d;470980,500;12,5' 'P4;1105500,250;470980,500;12,5' >"$work/puntos.txt"

cat >"$work/windows.script" <<'ACTIONS'
# Point mode: degrees, minutes and seconds on the left, UTM on the right.
click Geoidal
select Coord_R UTM
set LAT_D_L 10
set LAT_M_L 30
set LAT_S_L 0
set LON_D_L -66
set LON_M_L 54
set LON_S_L 0
set ALT_M_L 100
click Command1
shot Main main-point

# File mode: a UTM file, zone 20, to geographic coordinates.
click M_Archivo
select Coord_L UTM
select Coord_R Geográficas
set Zone_L 20
set File_L puntos.txt
select Formato_L Id Norte Este H
set File_R puntos-geo.txt
select Formato_R Id LAT LON H
click Titulos
click Continuar
click Command1
wait
shot Main main-file
shot Progreso progress
click Progreso.Ok

click Revisar
set Preview.File_Preview puntos.txt
select Preview.Coord Metros
select Preview.Formato Id Norte Este H
click Preview.Examinar
shot Preview preview
click Preview.Salida

click Acercade
shot About about
click About.Command1

# The map of the sample file, as its configuration sets the left panel up.
select Coord_L UTM
set Zone_L 19
select DATUM_L PSAD 56 - La Canoa (2)
set File_L puntos_ejemplo.txt
select Formato_L Id Norte Este H
click Ver_Mapa
wait
shot Mapa.Ventana mapa
click Mapa.Venezuela
shot Mapa.Ventana mapa-venezuela
ACTIONS

status=0
if [[ "$sets" == *qt* ]]; then
  for scale in 1 1.5; do
    QT_SCALE_FACTOR="$scale" xvfb-run -a -s "-screen 0 2560x1600x24" \
      "$tool" --workdir "$work" --out "$out/$scale" "$work/windows.script" || status=$?
  done
fi

# The Windows windows in a Wine prefix of their own, whose screen
# resolution (LogPixels) is set for each run; in a Wine desktop window, so
# that the windows have their title bars.
if [[ "$sets" == *windows* ]]; then
  brelosta_install_packages imagemagick
  export WINEPREFIX="$PWD/build-windows/wineprefix-screenshots" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  [ -f "$WINEPREFIX/system.reg" ] || { wineboot --init >/dev/null 2>&1; wineserver --wait; }
  for dpi in 96 144; do
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wineserver --wait
    shots="$out/windows-$dpi"
    mkdir -p "$shots"
    xvfb-run -a -s "-screen 0 2560x1600x24" wine explorer /desktop=brelosta,2400x1500 \
      "$(winepath -w "$windows_tool")" --workdir "$(winepath -w "$work")" --out "$(winepath -w "$shots")" \
      "$(winepath -w "$work/windows.script")" || status=$?
    wineserver --wait
    for picture in "$shots"/*.bmp; do
      [ -f "$picture" ] && convert "$picture" "${picture%.bmp}.png" && rm "$picture"
    done
  done
fi
echo "Imágenes en $out"
exit "$status"
