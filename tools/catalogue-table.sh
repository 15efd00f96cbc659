#!/bin/sh
# Writes docs/catalogue.md: the 47 areas with the number of units each ships.
# The units are counted in the compiled data files, so the data compiler runs
# first and every area source has to compile.
#
#   tools/catalogue-table.sh [BUILD_DIR]      (default: build)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
case $build in /*) ;; *) build=$(pwd)/$build ;; esac
if [ ! -f "$build/CMakeCache.txt" ]; then
  echo "catalogue-table: $build ist kein Build-Verzeichnis (erst \"make build\")" >&2
  exit 1
fi
cmake --build "$build" --target mensurio_data >/dev/null

# The area files in catalogue order (area 1 first).
files="ANZAHL ARBEIT ARBEITSP BELEUCHT BRECHKRA DICHTE DRUCK ELFLUSSD ELKAP ELLADUNG
ELLEITW ELSPANN ELWIDER ENDOSIS FLAECHE GESCHW INDUKTIV IONENDO KRAFT LAENGE LEISTUNG
LEUCHTDI LISTAER LISTROM MAFELD MAFLUSS MAFLUDI MASPANN MASSE MASTROM RADIOAKT
RADIOSPE RAVOLU STROMST TEMPERA VISKDYN VISKKIN VOLUMEN VOLSPEZ VOLSTROM WAEHRUNG
WAERMKAP WAELEIT WELTZEIT WINKEL WINKELR ZEIT"

mkdir -p "$root/docs"
out=$root/docs/catalogue.md
tmp=$out.tmp.$$
trap 'rm -f "$tmp"' EXIT
{
  echo "# Einheitenkatalog"
  echo
  echo "Anzahl der Einheiten je Gebiet, wie sie aus data/areas übersetzt werden."
  echo "Erzeugt mit \`tools/catalogue-table.sh\`."
  echo
  echo "| Nr. | Gebiet | Datei | Basiseinheit | Einheiten |"
  echo "|---:|---|---|---|---:|"
  n=0
  total=0
  for stem in $files; do
    n=$((n + 1))
    source=$("$build/datac" decompile "$build/data/$stem.DAT")
    # First line: "# <area name> (<FILE>.DAT), Basiseinheit <base unit>"
    header=$(printf '%s\n' "$source" | head -n 1)
    name=${header#\# }
    name=${name% ($stem.DAT), Basiseinheit *}
    base=${header##*, Basiseinheit }
    count=$(printf '%s\n' "$source" | grep -c -v -e '^#' -e '^$' || true)
    total=$((total + count))
    echo "| $n | $name | $stem.DAT | $base | $count |"
  done
  echo "| | Summe | | | $total |"
} >"$tmp"
mv "$tmp" "$out"
trap - EXIT
echo "$out: $n Gebiete, $total Einheiten"
