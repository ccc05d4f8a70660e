#!/bin/sh
# Installs what is missing, builds everything with AddressSanitizer and UBSan, runs every test.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh test
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVISTAGON_SANITIZE=ON >/dev/null
ninja -C build-test
cd build-test
ctest --output-on-failure -j2
