#!/bin/sh
# Installs every Debian package the build, the tests and the demo need.
# Safe to run again: apt-get skips what is already installed.
set -eu
PACKAGES="cmake ninja-build g++ pkg-config make qt6-base-dev liblzo2-dev libgtest-dev libgmock-dev \
  libcli11-dev nlohmann-json3-dev libbenchmark-dev clang libclang-rt-14-dev \
  xvfb xauth imagemagick xdg-utils fonts-liberation2 fonts-dejavu-core"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
