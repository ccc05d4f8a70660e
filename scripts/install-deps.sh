#!/bin/sh
# Installs the Debian packages a task needs, only those missing (safe to run again).
#   scripts/install-deps.sh build|test|package|fuzz|gui|bench|route
set -eu
packages="cmake ninja-build g++ make"
case "${1:-build}" in
  build) packages="$packages qt6-base-dev libgdal-dev ffmpeg" ;;
  # The packaging checks: desktop entry, AppStream, man pages, the package itself; clang for fuzzing.
  test) packages="$packages qt6-base-dev googletest libgtest-dev libgdal-dev ffmpeg desktop-file-utils appstream man-db lintian dpkg-dev file clang libclang-rt-14-dev" ;;
  package) packages="$packages qt6-base-dev libgdal-dev dpkg-dev file" ;;
  fuzz) packages="$packages clang libclang-rt-14-dev" ;;
  gui) packages="$packages qt6-base-dev" ;;
  bench) packages="$packages time valgrind python3" ;;
  route) packages="gdal-bin python3 ffmpeg" ;;
  *) echo "usage: $0 build|test|package|fuzz|gui|bench|route" >&2; exit 2 ;;
esac
missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
echo "installing:$missing"
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
