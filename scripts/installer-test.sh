#!/usr/bin/env bash
# Checks the Windows installer under Wine: installs
# build-windows/brelosta-VERSION-setup.exe silently (/S) into a fresh Wine
# prefix whose user folders lie in a temporary home, checks what it put where,
# starts the installed program as its Start-menu shortcut does (in
# Documents\Brelosta) on a virtual display until its window
# "BRELOSTA Version VERSION" shows, then uninstalls silently and checks that
# the program is gone and the user's working folder stays.
set -euo pipefail
cd "$(dirname "$0")/.."

version=$(sed -n 's/^project(brelosta VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
setup="$PWD/build-windows/brelosta-$version-setup.exe"
[ -f "$setup" ] || { echo "falta $setup (scripts/build-windows.sh)" >&2; exit 1; }

home="$(mktemp -d)"
export HOME="$home" WINEPREFIX="$home/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$home"' EXIT
wineboot --init >/dev/null 2>&1
wineserver --wait

fail() {
  echo "Instalador: $*" >&2
  exit 1
}

wine "$setup" /S
wineserver --wait
program="$WINEPREFIX/drive_c/Program Files/Brelosta"
documents="$(readlink -f "$WINEPREFIX/drive_c/users/$(whoami)/Documents")/Brelosta"
menu="$WINEPREFIX/drive_c/users/$(whoami)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Brelosta"
for file in brelosta.exe brelosta-cli.exe ayuda.html desinstalar.exe datum.txt elipsoide.txt; do
  [ -f "$program/$file" ] || fail "no instaló $file en Program Files"
done
for file in data/*; do
  cmp -s "$file" "$program/$(basename "$file")" || fail "$(basename "$file") no está en Program Files"
  cmp -s "$file" "$documents/$(basename "$file")" || fail "$(basename "$file") no está en Documents\\Brelosta"
done
[ -f "$menu/Brelosta.lnk" ] || fail "no hay acceso directo en el menú Inicio"
strings -a -e l "$menu/Brelosta.lnk" | grep -qF 'Documents\Brelosta' ||
  fail "el acceso directo no empieza en Documents\\Brelosta"

# The installed program, started in the working folder, opens its window.
title="BRELOSTA Version $version"
(cd "$documents" && xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
  wine "$1" &
  for _ in $(seq 120); do
    xwininfo -root -tree 2>/dev/null | grep -qF "\"$2\"" && exit 0
    sleep 0.5
  done
  exit 1' started "$program/brelosta.exe" "$title") || fail "la ventana \"$title\" no se abrió"
wineserver -k 2>/dev/null || true
wineserver --wait

wine "$program/desinstalar.exe" /S
wineserver --wait
# The uninstaller runs from a copy of itself and may end after wine returns.
for _ in $(seq 20); do
  [ -e "$program/brelosta.exe" ] || break
  sleep 0.5
done
[ ! -e "$program/brelosta.exe" ] || fail "la desinstalación dejó brelosta.exe"
[ ! -e "$menu/Brelosta.lnk" ] || fail "la desinstalación dejó el acceso directo"
[ -f "$documents/datum.txt" ] || fail "la desinstalación borró la carpeta de trabajo del usuario"
echo "Instalador: instala en silencio, el programa instalado abre \"$title\", se desinstala."
