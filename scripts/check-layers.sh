#!/usr/bin/env bash
# Fails when a source file includes a header of a layer above its own.
# Layers, lowest first: core, geodesy, formats, app; the front ends (qt, cli,
# win32) stand on app and never include each other.
set -euo pipefail
cd "$(dirname "$0")/../src"

rank() {
  case "$1" in
    core) echo 0 ;;
    geodesy) echo 1 ;;
    formats) echo 2 ;;
    app) echo 3 ;;
    *) echo 4 ;;
  esac
}

status=0
while IFS= read -r file; do
  layer="${file%%/*}"
  own=$(rank "$layer")
  while IFS= read -r included; do
    target="${included%%/*}"
    [ "$target" = "$included" ] && continue  # a header beside it, without folder
    [ -d "$target" ] || continue             # not one of our folders
    other=$(rank "$target")
    if ((other > own)) || { ((other == 4)) && [ "$target" != "$layer" ]; }; then
      echo "$file includes $included: $target is not below $layer" >&2
      status=1
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find . -name '*.cpp' -o -name '*.hpp' -o -name '*.h' | sed 's#^\./##' | sort)

if ((status == 0)); then echo "Capas: ninguna inclusión hacia arriba."; fi
exit $status
