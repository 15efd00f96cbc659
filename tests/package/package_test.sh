#!/bin/sh
# Builds the Debian package into a temporary directory, checks its control
# fields and contents, unpacks it (dpkg-deb -x) and starts the program from
# the unpacked tree: --version, --help and a wrong argument without a
# display, then offscreen with an empty home, which must fill the per-user
# data directory from the package's pristine data.
set -eu
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "$*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$tmp/out") >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; fail "cpack failed"; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$tmp/out/mensurio_${version}_amd64.deb"
[ -f "$deb" ] || { ls "$tmp/out"; fail "no mensurio_${version}_amd64.deb"; }

# Run-time packages only: the Qt libraries, the C++ runtime, the fonts and
# Qt's German translation; nothing the build or the tests need.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
names=$(echo "$depends" | tr ',|' '\n\n' | sed 's/^ *//; s/[ :].*//')
for p in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation qt6-translations-l10n; do
  echo "$names" | grep -qxF "$p" || fail "Depends lacks $p"
done
for p in gtest gmock benchmark -dev cmake units xvfb xdotool xclip faketime clang tzdata lintian; do
  echo "$names" | grep -qF -- "$p" && fail "Depends names the build or test package $p"
done

root="$tmp/root"
dpkg-deb -x "$deb" "$root"
for f in usr/bin/mensurio usr/share/mensurio/LAENGE.DAT usr/share/mensurio/MSR.INI usr/share/mensurio/MSR.HLP \
         usr/share/mensurio/README.TXT usr/share/mensurio/G_INFO.DAT usr/share/applications/mensurio.desktop \
         usr/share/icons/hicolor/48x48/apps/mensurio.png usr/share/icons/hicolor/256x256/apps/mensurio.png \
         usr/share/man/man1/mensurio.1.gz usr/share/doc/mensurio/copyright usr/share/doc/mensurio/changelog.gz; do
  [ -f "$root/$f" ] || fail "not in the package: $f"
done
ls "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null 2>&1 || fail "no metainfo in the package"
[ "$(ls "$root/usr/share/mensurio" | wc -l)" -eq 51 ] || { ls "$root/usr/share/mensurio"; fail "not 51 data files"; }
file -b "$root/usr/bin/mensurio" | grep -q ", stripped" || fail "program not stripped: $(file -b "$root/usr/bin/mensurio")"

program="$root/usr/bin/mensurio"
mkdir -p "$tmp/home" "$tmp/elsewhere"
cd "$tmp/elsewhere"
# Without any display: the answers come before a window could open.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$tmp/home" "$program" --version) ||
  fail "--version failed"
[ "$out" = "Mensurio $version" ] || fail "--version printed \"$out\", package version $version"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$tmp/home" "$program" --help | grep -q "^Aufruf: mensurio" ||
  fail "--help printed no usage"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$tmp/home" "$program" --farbe=blau \
  >"$tmp/wrong.out" 2>"$tmp/wrong.err" || status=$?
[ "$status" -eq 2 ] && [ ! -s "$tmp/wrong.out" ] && grep -q "unerwartetes Argument" "$tmp/wrong.err" ||
  fail "a wrong argument gave status $status: $(cat "$tmp/wrong.out" "$tmp/wrong.err")"
[ -z "$(ls -A "$tmp/home")" ] || fail "the answers touched the home directory"

status=0
env -u MENSURIO_DIR -u XDG_DATA_HOME HOME="$tmp/home" QT_QPA_PLATFORM=offscreen \
  timeout 4 "$program" >"$tmp/out.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$tmp/out.log"; fail "the packaged program ended by itself with status $status"; }
data="$tmp/home/.local/share/mensurio"
for f in $(ls "$root/usr/share/mensurio"); do
  cmp -s "$data/$f" "$root/usr/share/mensurio/$f" || fail "per-user directory: $f missing or different"
done
echo "mensurio_${version}_amd64.deb: $(stat -c %s "$deb") bytes; started from the unpacked package and filled $data"
