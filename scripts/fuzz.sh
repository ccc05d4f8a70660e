#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for a bounded time.
#   scripts/fuzz.sh [SECONDS] [TARGET...]      (default 60 seconds, every target)
#   scripts/fuzz.sh --ci                       (CI: every target for 20 seconds)
set -eu
cd "$(dirname "$0")/.."
# Paths relative to the checkout, so that clones in other folders share what ccache has compiled.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}"
if [ "${1:-}" = "--ci" ]; then
  set -- 20
fi
seconds=${1:-60}
[ $# -gt 0 ] && shift
sh scripts/install-deps.sh fuzz
launcher=""
command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ $launcher -DVISTAGON_GUI=OFF -DVISTAGON_GDAL=OFF \
  -DVISTAGON_FUZZ=ON -DVISTAGON_TESTS=OFF -DVISTAGON_BENCH=OFF >/dev/null
ninja -C build-fuzz
targets=$*
[ -n "$targets" ] || targets=$(cd build-fuzz/fuzz && ls fuzz_*)
status=0
for target in $targets; do
  corpus=fuzz/corpus/${target#fuzz_}
  work=build-fuzz/corpus/${target#fuzz_}
  mkdir -p "$work"
  [ -d "$corpus" ] && cp -n "$corpus"/* "$work"/ 2>/dev/null || true
  echo "== $target: $seconds s"
  if ! build-fuzz/fuzz/"$target" -max_total_time="$seconds" -rss_limit_mb=4096 -print_final_stats=1 \
       -artifact_prefix="build-fuzz/$target-" "$work"; then
    status=1
  fi
done
exit $status
