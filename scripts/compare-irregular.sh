#!/bin/sh
# Grids the same scattered point sets with two vistagon-cli binaries and
# compares their elevation files, printed results and exit statuses byte for byte.
#   scripts/compare-irregular.sh OLD-CLI NEW-CLI [FOLDER]
# FOLDER (default: build-compare-irregular in the repository, git-ignored) holds the point sets,
# made by make-irregular-points.py when missing, and the outputs of each
# binary under out-<checksum>, so an unchanged binary is not run again.
set -eu
[ $# -ge 2 ] || { echo "usage: $0 OLD-CLI NEW-CLI [FOLDER]" >&2; exit 2; }
for binary in "$1" "$2"; do
    [ -x "$binary" ] || { echo "$binary: not an executable" >&2; exit 2; }
done
here=$(cd "$(dirname "$0")" && pwd)
folder=${3:-$here/../build-compare-irregular}
mkdir -p "$folder"
[ -f "$folder/scattered.tga" ] || python3 "$here/make-irregular-points.py" "$folder"

# name, source, options
cases() {
    for set in uniform-1e4 uniform-1e5 uniform-1e6 clustered-1e5 repeated-2e4 occasional-repeats-1e5 lattice-300 collinear-1e5; do
        lines=$(wc -l < "$folder/$set.txt")
        echo "$set $set.txt ascii-irregular --width 1024 --height 1024 --estimate $((lines + 1))"
    done
    echo "uniform-1e5-small uniform-1e5.txt ascii-irregular --width 333 --height 201 --zscale 0.37 --estimate 100001"
    echo "uniform-1e4-bounds uniform-1e4.txt ascii-irregular --width 640 --height 480 --estimate 10001 --min-x 100 --max-x 900 --min-y 50 --max-y 700"
    echo "uniform-1e4-cut uniform-1e4.txt ascii-irregular --width 512 --height 512 --estimate 6000"
    echo "lattice-skip lattice-300.txt ascii-irregular --width 257 --height 257 --skip 17 --estimate 90001"
    echo "scattered-tga scattered.tga tga-irregular --zscale 2.5 --estimate 100000"
    echo "scattered-tga-full scattered.tga tga-irregular --estimate 20000"
}

# Runs one binary over every case into its own output folder.
run_all() {
    binary=$(realpath "$1")
    sum=$(sha256sum "$binary" | cut -c1-16)
    out="$folder/out-$sum"
    if [ -f "$out/done" ]; then echo "$out"; return; fi
    rm -rf "$out" && mkdir -p "$out"
    cases | while read -r name source kind options; do
        status=0
        # shellcheck disable=SC2086
        (cd "$out" && "$binary" --profile "$out/profile.ini" import "$kind" "$folder/$source" "$name.tga" $options \
            > "$name.log" 2>&1) || status=$?
        echo "$status" > "$out/$name.status"
    done
    touch "$out/done"
    echo "$out"
}

old=$(run_all "$1")
new=$(run_all "$2")
failed=0
for name in $(cases | cut -d' ' -f1); do
    for ext in tga log status; do
        a="$old/$name.$ext"
        b="$new/$name.$ext"
        if [ ! -e "$a" ] && [ ! -e "$b" ]; then continue; fi
        if ! cmp -s "$a" "$b"; then
            echo "DIFFERENT: $name.$ext"
            failed=1
        fi
    done
    [ -e "$old/$name.tga" ] || echo "note: $name wrote no file (status $(cat "$old/$name.status"))"
done
if [ "$failed" -eq 0 ]; then echo "all $(cases | wc -l) conversions identical"; fi
exit "$failed"
