#!/bin/sh
# Installs what is missing, builds everything with AddressSanitizer and UBSan, runs every test.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh test
# ccache, where installed, keeps rebuilds of unchanged sources cheap.
launcher=""
command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVISTAGON_SANITIZE=ON $launcher >/dev/null
ninja -C build-test
cd build-test
# The desktop application's tests need no display.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
