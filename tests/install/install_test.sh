#!/bin/sh
# Installs the build into a temporary prefix (stripped, as asked with
# --strip), starts the installed program from another directory with an
# empty home and checks that it filled the per-user data directory and kept
# running until it was stopped.
set -eu
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cmake --install "$build" --prefix "$tmp/prefix" --strip >/dev/null
file -b "$tmp/prefix/bin/mensurio" | grep -q ", stripped" || { echo "not stripped: $(file -b "$tmp/prefix/bin/mensurio")"; exit 1; }
for f in bin/mensurio share/mensurio/LAENGE.DAT share/mensurio/MSR.INI share/mensurio/G_INFO.DAT \
         share/mensurio/MSR.HLP share/mensurio/README.TXT \
         share/applications/mensurio.desktop share/icons/hicolor/48x48/apps/mensurio.png \
         share/man/man1/mensurio.1.gz share/doc/mensurio/copyright; do
  [ -f "$tmp/prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
[ ! -e "$tmp/prefix/share/mensurio/.compiled" ] || { echo "build stamp installed"; exit 1; }
mkdir -p "$tmp/home" "$tmp/elsewhere"
cd "$tmp/elsewhere"
status=0
env -u MENSURIO_DIR -u XDG_DATA_HOME HOME="$tmp/home" QT_QPA_PLATFORM=offscreen \
  timeout 4 "$tmp/prefix/bin/mensurio" >"$tmp/out.log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
  echo "the installed program ended by itself with status $status"; cat "$tmp/out.log"; exit 1
fi
data="$tmp/home/.local/share/mensurio"
for f in ANZAHL.DAT ZEIT.DAT MSR.INI MSR.HLP README.TXT G_INFO.DAT; do
  [ -f "$data/$f" ] || { echo "per-user directory lacks $f"; exit 1; }
done
cmp -s "$data/LAENGE.DAT" "$tmp/prefix/share/mensurio/LAENGE.DAT" || { echo "LAENGE.DAT differs"; exit 1; }
echo "installed program started and filled $data"
