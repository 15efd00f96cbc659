#!/bin/sh
# Installs the Debian packages that are missing for one purpose, with apt-get
# as root, through sudo otherwise:
#   install-deps.sh run      building and running the program (make run)
#   install-deps.sh package  that, and building and checking the .deb (make package)
#   install-deps.sh test     all of that, and what the tests, the fuzzers and
#                            the benchmarks need (make test, make fuzz, make bench)
set -e
RUN_PACKAGES="build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev zlib1g-dev \
fonts-liberation fonts-dejavu-core qt6-translations-l10n tzdata"
PACKAGE_PACKAGES="dpkg-dev file lintian desktop-file-utils appstream"
TEST_PACKAGES="libgtest-dev libgmock-dev libbenchmark-dev units faketime clang libclang-rt-14-dev \
xvfb xauth xdotool xclip x11-utils"

case "${1:-run}" in
  run) PACKAGES="$RUN_PACKAGES" ;;
  package) PACKAGES="$RUN_PACKAGES $PACKAGE_PACKAGES" ;;
  test) PACKAGES="$RUN_PACKAGES $PACKAGE_PACKAGES $TEST_PACKAGES" ;;
  *) echo "usage: $0 run|package|test" >&2; exit 2 ;;
esac

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
