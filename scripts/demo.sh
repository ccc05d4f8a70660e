#!/bin/sh
# Installs what is missing, builds the release tool as build/vistagon-cli and renders the bundled demo.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVISTAGON_TESTS=OFF >/dev/null
ninja -C build
build/vistagon-cli demo "$@"
