#!/bin/sh
# Peak memory of whole render processes with a 4096 x 4096 texture: the oblique
# still (one frame, split in strips) and a run of four frames (side by side),
# each with --jobs 1 and --jobs 2, as /usr/bin/time -v reports it.
#
#   sh scripts/bench-memory.sh CLI [CLI...]
set -eu
if [ $# -lt 1 ]; then
    echo "usage: $0 CLI [CLI...]" >&2
    exit 2
fi
if [ ! -x /usr/bin/time ]; then
    echo "/usr/bin/time is missing: sh scripts/install-deps.sh bench" >&2
    exit 1
fi
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/scripts/make-still-terrain.py" "$work/big-terrain.tga" "$work/big-texture.tga" 1025 4096
keys="BeobXA=512.500000 BeobYA=-102.500000 BeobZA=200.000000 RichtungA=0.000000 NeigungA=-12.000000
BrennA=556.800000 BeobXE=512.500000 BeobYE=-52.500000 BeobZE=200.000000 RichtungE=0.000000
NeigungE=-12.000000 BrennE=556.800000 LichtX=-1.000000 LichtY=1.000000 LichtZ=2.000000 NebelA=1333.000000
NebelE=1333.000000 HDateiname=big-terrain.tga TDateiname=big-texture.tga HDateiSkalaZA=0.050000
HDateiSkalaZE=0.050000 AusAuflX=1024 AusAuflY=1024 AusDateiname=frame%03d.tga GenauRechnen=0"
script=""
for pair in $keys; do script="$script -e s/^${pair%%=*}=.*/$pair/"; done
# shellcheck disable=SC2086
sed $script "$here/examples/still.vgs" >"$work/still.vgs"
sed -e 's/^Bildanzahl=.*/Bildanzahl=4/' -e 's/^EndbildNr=.*/EndbildNr=3/' "$work/still.vgs" >"$work/four.vgs"
printf '%-40s %-10s %6s %14s\n' "binary" "scene" "jobs" "peak RSS (KB)"
for cli in "$@"; do
    cli=$(readlink -f "$cli")
    for scene in still four; do
        for jobs in 1 2; do
            peak=$(cd "$work" && /usr/bin/time -v "$cli" render "$scene.vgs" --jobs "$jobs" 2>&1 >/dev/null </dev/null |
                sed -n 's/^[[:space:]]*Maximum resident set size (kbytes): //p')
            printf '%-40s %-10s %6s %14s\n' "$1" "$scene" "$jobs" "$peak"
        done
    done
    shift
done
