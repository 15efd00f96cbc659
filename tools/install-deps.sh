#!/bin/sh
# Installs the Debian packages the build, the tests and the program need,
# when they are missing: apt-get as root, through sudo otherwise.
set -e
PACKAGES="build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev \
libgtest-dev libgmock-dev libbenchmark-dev units tzdata clang libclang-rt-14-dev \
xvfb xauth xdotool xclip fonts-liberation fonts-dejavu-core qt6-translations-l10n"

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
