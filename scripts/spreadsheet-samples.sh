#!/usr/bin/env bash
# Makes the spreadsheet samples of tests/data (hoja_*): workbooks written
# with openpyxl (scripts/spreadsheet_samples.py), saved as text by
# LibreOffice headless as a user of a Spanish-language system saves them
# ("Texto CSV" with ";" and a decimal comma, in UTF-8 and in Windows-1252,
# and tab-separated text) and as an English one does (tab-separated text
# with a decimal point). Excel's "CSV UTF-8" form, the same with a
# byte-order mark, is made from the UTF-8 sample.
#
#   scripts/spreadsheet-samples.sh [FOLDER]     (default tests/data)
#   scripts/spreadsheet-samples.sh --check      makes them anew and compares
#
# The samples are committed; the test SpreadsheetSamples (--check) makes
# them again, so they stay what LibreOffice writes. It exits with 77
# (skipped) where LibreOffice or openpyxl is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
check=false
if [ "${1:-}" = --check ]; then
  check=true
  command -v soffice >/dev/null && /usr/bin/python3 -c 'import openpyxl' 2>/dev/null || exit 77
  set -- "$work/made"
fi
mkdir -p "${1:-tests/data}"
out=$(realpath "${1:-tests/data}")

/usr/bin/python3 scripts/spreadsheet_samples.py "$work"

# save_as LOCALE OPTIONS EXTENSION NAME WORKBOOK: the workbook's sheet as
# text, with the CSV filter's options (field separator, text delimiter,
# character set: 76 UTF-8, 1 Windows-1252; first line; ...; the 7th, whether
# every text is quoted), into FOLDER/NAME.
save_as() {
  local locale=$1 options=$2 extension=$3 name=$4 book=$5
  mkdir -p "$work/out"
  LC_ALL=$locale LANG=$locale soffice --headless "-env:UserInstallation=file://$work/profile" \
    --convert-to "$extension:Text - txt - csv (StarCalc):$options" --outdir "$work/out" "$work/$book.xlsx" \
    >/dev/null 2>&1
  mv "$work/out/$book.$extension" "$out/$name"
}

spanish=es_VE.UTF-8
english=en_US.UTF-8
save_as $spanish 59,34,76,1,,,false csv hoja_puntos_es.csv puntos
save_as $spanish 59,34,1,1,,,false csv hoja_puntos_es_1252.csv puntos
save_as $spanish 59,34,76,1,,,true csv hoja_puntos_es_comillas.csv puntos
save_as $spanish 9,34,76,1,,,false txt hoja_puntos_tab_es.txt puntos
save_as $english 9,34,76,1,,,false txt hoja_puntos_tab_en.txt puntos
save_as $spanish 59,34,76,1,,,false csv hoja_errores_es.csv errores
{ printf '\xEF\xBB\xBF'; cat "$out/hoja_puntos_es.csv"; } >"$out/hoja_puntos_es_bom.csv"

if $check; then
  status=0
  for made in "$out"/hoja_*; do
    cmp "$made" "tests/data/$(basename "$made")" || status=1
  done
  ((status == 0)) && echo "Las muestras de hojas de cálculo son las que escribe LibreOffice."
  exit $status
fi
