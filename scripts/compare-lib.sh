# What the comparison scripts share (compare-builds.sh, compare-windows.sh):
# a working folder with the shipped catalogues, and a scenario's script and
# input files laid out in one. Sourced, not run.

# fresh_folder FOLDER: an empty folder with datum.txt and elipsoide.txt.
fresh_folder() {
  rm -rf "$1"
  mkdir -p "$1"
  cp data/datum.txt data/elipsoide.txt "$1"
}

# scenario_into SCENARIO MARK QUOTE FOLDER SCRIPT: the scenario's actions,
# with the decimal mark and quote of the run and the working folder "."
# for "{dir}", into SCRIPT; its "#! remove" catalogues taken out of FOLDER,
# its "#! copy" test data copied in, and its "#! file NAME" files (the
# "#| LINE" lines after each) written there in Windows-1252 with CR LF.
scenario_into() {
  local scenario="$1" mark="$2" quote="$3" folder="$4" script="$5" name
  sed -e "s/{\.}/$mark/g" -e "s/{q}/$quote/g" -e 's/{dir}/./g' <"$scenario" | tr -d '\r' >"$script"
  while read -r name; do rm -f "$folder/$name"; done < <(sed -n 's/^#! remove \([^ ]*\).*/\1/p' "$scenario")
  while read -r name; do cp "tests/data/$name" "$folder/$name"; done < <(sed -n 's/^#! copy \([^ ]*\).*/\1/p' "$scenario")
  awk -v folder="$folder" '
    /^#! / { file = ""; if ($2 == "file") { file = folder "/" $3; printf "" > file; print file } next }
    /^#\|/ { if (file != "") { line = substr($0, 4); printf "%s\r\n", line >> file } }
  ' "$script" | while read -r file; do
    iconv -f UTF-8 -t CP1252 "$file" >"$file.1252" && mv "$file.1252" "$file"
  done
}

# folder_as_dir FOLDER FILE...: a message that names a file by its full path
# names the run's own folder; written as {dir}/ whatever the system's
# separator after it, two runs in two folders print the same.
folder_as_dir() {
  local folder="$1"
  shift
  DIR="$folder" perl -pi -e 's/\Q$ENV{DIR}\E[\\\/]?/{dir}\//g' "$@"
}
