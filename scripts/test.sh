#!/bin/sh
# Installs what is missing, builds everything with AddressSanitizer and UBSan, runs every test.
#   scripts/test.sh [--tsan]      (--tsan: ThreadSanitizer instead, in build-tsan/)
set -eu
cd "$(dirname "$0")/.."
# Paths relative to the checkout, so that clones in other folders share what ccache has compiled.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}"
build=build-test
sanitizer=-DVISTAGON_SANITIZE=ON
run=""
if [ "${1:-}" = "--tsan" ]; then
  build=build-tsan
  sanitizer=-DVISTAGON_TSAN=ON
  # Third-party reports only; each entry says why.
  # die_after_fork=0: the tests start the programs through QProcess, whose child only execs.
  # ignore_noninstrumented_modules=1: what Qt and GDAL allocate, free and copy inside themselves is
  # theirs (they are not built with TSan, and their futex locks are invisible to it); every access
  # our code makes is still checked.
  TSAN_OPTIONS="suppressions=$(pwd)/tests/tsan.supp second_deadlock_stack=1 die_after_fork=0 ignore_noninstrumented_modules=1 ${TSAN_OPTIONS:-}"
  export TSAN_OPTIONS
  # Without address randomisation TSan's fixed shadow layout fits whatever mmap_rnd_bits the kernel uses.
  command -v setarch >/dev/null 2>&1 && run="setarch $(uname -m) -R"
fi
sh scripts/install-deps.sh test
# ccache, where installed, keeps rebuilds of unchanged sources cheap.
launcher=""
command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=Debug $sanitizer $launcher >/dev/null
$run ninja -C $build
cd $build
# The desktop application's tests need no display.
QT_QPA_PLATFORM=offscreen $run ctest --output-on-failure -j2
