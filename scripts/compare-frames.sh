#!/bin/sh
# Renders the same set of scenes with two builds of vistagon-cli and compares
# every frame, YUV picture, recorder log and summary byte for byte. The
# reference renders each case with --jobs 1; the new build renders it with
# --jobs 1 to 4 (frames, strips of one frame, and both), all against the
# reference.
#
#   sh scripts/compare-frames.sh REF_CLI NEW_CLI [WORK_DIR]
#
# WORK_DIR (default: a fresh temporary folder) keeps the outputs for a look.
set -eu
if [ $# -lt 2 ]; then
    echo "usage: $0 REF_CLI NEW_CLI [WORK_DIR]" >&2
    exit 2
fi
ref=$(readlink -f "$1")
new=$(readlink -f "$2")
here=$(cd "$(dirname "$0")/.." && pwd)
work=${3:-$(mktemp -d)}
mkdir -p "$work"
work=$(cd "$work" && pwd)
jobs_list=${COMPARE_JOBS:-"1 2 3 4"}

# Inputs: the demo's terrain, texture and mask (written by the reference), and
# the oblique still over a 1025 x 1025 grid.
inputs="$work/inputs"
rm -rf "$inputs"
mkdir -p "$inputs"
"$ref" demo "$inputs/demo" --jobs 1 >/dev/null 2>&1
python3 "$here/scripts/make-still-terrain.py" "$inputs/big-terrain.tga" "$inputs/big-texture.tga"

failures=0
cases=0

# scene_with KEY=VALUE...: the scene on stdin with those keys replaced.
scene_with() {
    script=""
    for pair in "$@"; do
        key=${pair%%=*}
        script="$script -e s/^$key=.*/$pair/"
    done
    if [ -n "$script" ]; then
        # shellcheck disable=SC2086
        sed $script
    else
        cat
    fi
}

# run_case DIR CLI JOBS SCENE MODE PROFILE [RENDER ARGS...]: renders in DIR.
run_case() {
    dir=$1 cli=$2 jobs=$3 scene=$4 mode=$5 profile=$6
    shift 6
    rm -rf "$dir"
    mkdir -p "$dir"
    for f in terrain.tga texture.tga mask.tga; do ln -s "$inputs/demo/$f" "$dir/$f"; done
    ln -s "$inputs/big-terrain.tga" "$dir/big-terrain.tga"
    ln -s "$inputs/big-texture.tga" "$dir/big-texture.tga"
    cp "$scene" "$dir/scene.vgs"
    printf '[Settings]\n%s\n' "$profile" >"$dir/profile.ini"
    (cd "$dir" && "$cli" --profile profile.ini render scene.vgs --mode "$mode" --jobs "$jobs" "$@" \
        >stdout.txt 2>/dev/null </dev/null; echo "exit $?" >>stdout.txt)
    rm -f "$dir/profile.ini"
}

# compare NAME SCENE MODE PROFILE [RENDER ARGS...]
compare() {
    name=$1 scene=$2 mode=$3 profile=$4
    shift 4
    run_case "$work/ref/$name" "$ref" 1 "$scene" "$mode" "$profile" "$@"
    for jobs in $jobs_list; do
        cases=$((cases + 1))
        run_case "$work/new/$name-j$jobs" "$new" "$jobs" "$scene" "$mode" "$profile" "$@"
        if diff -r --no-dereference "$work/ref/$name" "$work/new/$name-j$jobs" >/dev/null 2>&1; then
            rm -rf "$work/new/$name-j$jobs"
        else
            echo "DIFFERENT: $name --jobs $jobs"
            failures=$((failures + 1))
        fi
    done
    count=$(find "$work/ref/$name" -type f \( -name '*.tga' -o -name '*.yuv' -o -name '*.XLS' \) | wc -l)
    echo "compared $name: $count files"
}

scenes="$work/scenes"
mkdir -p "$scenes"
still="$here/examples/still.vgs"
fly="$here/examples/flythrough.vgs"
scene_with GenauRechnen=0 <"$still" >"$scenes/still-hq0.vgs"
scene_with GenauRechnen=1 <"$still" >"$scenes/still-hq1.vgs"
scene_with GenauRechnen=0 AusgabeYUV=1 <"$fly" >"$scenes/fly-hq0.vgs"
scene_with GenauRechnen=1 <"$fly" >"$scenes/fly-hq1.vgs"
scene_with GenauRechnen=0 HintergrundVerwenden=0 MDateiVerwenden=0 TDateiVerwenden=0 <"$fly" >"$scenes/fly-plain.vgs"
# The still of the oblique view across the whole grid from beyond its southern edge.
big_keys="BeobXA=512.500000 BeobYA=-102.500000 BeobZA=200.000000 RichtungA=0.000000 NeigungA=-12.000000
BrennA=556.800000 BeobXE=512.500000 BeobYE=-102.500000 BeobZE=200.000000 RichtungE=0.000000
NeigungE=-12.000000 BrennE=556.800000 LichtX=-1.000000 LichtY=1.000000 LichtZ=2.000000 NebelA=1333.000000
NebelE=1333.000000 HDateiname=big-terrain.tga TDateiname=big-texture.tga HDateiSkalaZA=0.050000
HDateiSkalaZE=0.050000 AusAuflX=1024 AusAuflY=1024 AusDateiname=oblique%03d.tga"
# shellcheck disable=SC2086
scene_with $big_keys GenauRechnen=0 AusgabeYUV=1 <"$still" >"$scenes/oblique-hq0.vgs"
# shellcheck disable=SC2086
scene_with $big_keys GenauRechnen=1 <"$still" >"$scenes/oblique-hq1.vgs"
# shellcheck disable=SC2086
scene_with $big_keys GenauRechnen=0 AusBreite=1920 AusHoehe=1080 <"$still" >"$scenes/oblique-hd.vgs"

# The demo itself, from scratch in its folder.
cases=$((cases + 1))
rm -rf "$work/ref/demo" "$work/new/demo"
mkdir -p "$work/ref/demo" "$work/new/demo"
(cd "$work/ref/demo" && "$ref" demo out --jobs 1 >/dev/null 2>&1)
(cd "$work/new/demo" && "$new" demo out --jobs 2 >/dev/null 2>&1)
# The video is encoder output, not ours, and older builds make none.
rm -f "$work/ref/demo/out/flythrough.mp4" "$work/new/demo/out/flythrough.mp4"
if diff -r "$work/ref/demo" "$work/new/demo" >/dev/null; then
    echo "compared demo: $(find "$work/ref/demo" -type f | wc -l) files"
else
    echo "DIFFERENT: demo"
    failures=$((failures + 1))
fi

for hq in 0 1; do
    for mode in final raw; do
        compare "still-hq$hq-$mode" "$scenes/still-hq$hq.vgs" "$mode" ""
        compare "fly-hq$hq-$mode" "$scenes/fly-hq$hq.vgs" "$mode" ""
    done
    compare "oblique-hq$hq" "$scenes/oblique-hq$hq.vgs" final ""
    compare "still-hq$hq-aa3" "$scenes/still-hq$hq.vgs" final "Antialiasing=3"
done
compare fly-preview "$scenes/fly-hq0.vgs" preview ""
compare fly-plain "$scenes/fly-plain.vgs" final ""
compare fly-frames-2-4 "$scenes/fly-hq1.vgs" final "" --frames 2-4
compare fly-frame-7 "$scenes/fly-hq0.vgs" raw "" --frames 7-7
for quarter in 1 2 3 4; do
    compare "still-quarter$quarter" "$scenes/still-hq1.vgs" final "Quarter=$quarter"
    compare "fly-quarter$quarter" "$scenes/fly-hq0.vgs" final "Quarter=$quarter" --frames 0-5
done
compare oblique-hd "$scenes/oblique-hd.vgs" final ""

echo "$((cases - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
