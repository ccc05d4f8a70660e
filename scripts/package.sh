#!/bin/sh
# Builds the release programs and writes build/vistagon_VERSION_amd64.deb with CPack's DEB generator,
# from the install rules of cmake/Packaging.cmake. Install it with: sudo apt install ./build/vistagon_*.deb
set -eu
cd "$(dirname "$0")/.."
# Paths relative to the checkout, so that clones in other folders share what ccache has compiled.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}"
sh scripts/install-deps.sh package
launcher=""
command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
# The package holds all three programs: the desktop application and the GDAL importer are not optional here.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVISTAGON_TESTS=OFF -DVISTAGON_GUI=ON -DVISTAGON_GDAL=ON \
  $launcher >/dev/null
ninja -C build
rm -f build/vistagon_*.deb
(cd build && cpack -G DEB >/dev/null)
ls build/vistagon_*.deb
