#!/usr/bin/env bash
# scripts/check-install.sh BUILD: installs BUILD into a temporary prefix and
# uses the installed brelosta-cli as a new user would, from an empty folder
# with a fresh home: it must make the user folder from the shipped files and
# convert a point there. Then desktop-file-validate checks the desktop entry.
set -euo pipefail
source="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-build}" && pwd)"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

fail() {
  echo "instalación: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$root/prefix" >/dev/null
cli="$root/prefix/bin/brelosta-cli"
mkdir "$root/empty" "$root/home" "$root/home2"
cd "$root/empty"

# A home without user-dirs.dirs: the user folder is made in the home folder.
# A point typed in UTM zone 20 on WGS84 is 10 N, 66 W.
output=$(env -i PATH="$PATH" HOME="$root/home" "$cli" script - <<'SCRIPT'
select Coord_L UTM
set Zone_L 20
set LAT_D_L 1106908.8542
set LON_D_L 171071.2640
click Command1
print LAT_D_R LON_D_R LAT_S_R LON_S_R
SCRIPT
)
[ "$output" = $'LAT_D_R=10\nLON_D_R=-66\nLAT_S_R=0.00000\nLON_S_R=0.00000' ] || fail "punto mal convertido: $output"
for name in datum.txt elipsoide.txt puntos_ejemplo.txt utm19_psad56_a_regven.cfg; do
  cmp -s "$source/data/$name" "$root/home/Brelosta/$name" || fail "falta $name en la carpeta del usuario"
done
[ -z "$(ls -A "$root/empty")" ] || fail "la carpeta actual no quedó vacía"
# The map finds the outline the program ships.
notice=$(env -i PATH="$PATH" HOME="$root/home" "$cli" script - <<'SCRIPT'
click Ver_Mapa
print Mapa.Aviso
SCRIPT
)
[ "$notice" = "Mapa.Aviso=" ] || fail "el mapa no encontró su contorno: $notice"

# A documents folder named in user-dirs.dirs; the sample file converts
# with the sample configuration.
mkdir -p "$root/home2/.config" "$root/home2/Documentos"
echo 'XDG_DOCUMENTS_DIR="$HOME/Documentos"' >"$root/home2/.config/user-dirs.dirs"
user="$root/home2/Documentos/Brelosta"
env -i PATH="$PATH" HOME="$root/home2" "$cli" convert --config "$user/utm19_psad56_a_regven.cfg" \
  --in "$user/puntos_ejemplo.txt" --out salida.txt || fail "convert no escribió la salida"
[ "$(wc -l <salida.txt)" -eq "$(wc -l <"$user/puntos_ejemplo.txt")" ] || fail "salida incompleta"

desktop-file-validate "$root/prefix/share/applications/brelosta.desktop"
echo "Instalación: la carpeta del usuario se crea y convierte; la entrada del escritorio es válida."
