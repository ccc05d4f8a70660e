#!/bin/sh
# Renders the oblique still of the frame comparison (1025 x 1025 elevation,
# 1024 x 1024 cells, textured, 640 x 480) with vistagon-cli and with POV-Ray's
# height_field over the same terrain, texture, camera, light and haze (one
# thread each, no antialiasing, no shadows), and prints the wall and processor
# time of each whole process (best of RUNS, taken in turns).
#
#   sh scripts/compare-raytracer.sh CLI [RUNS [WORK_DIR]]
set -eu
[ $# -ge 1 ] || { echo "usage: $0 CLI [RUNS [WORK_DIR]]" >&2; exit 2; }
cli=$(readlink -f "$1")
runs=${2:-5}
here=$(cd "$(dirname "$0")/.." && pwd)
work=${3:-$(mktemp -d)}
mkdir -p "$work"
cd "$work"
command -v povray >/dev/null || { echo "povray is not installed (Debian package povray)" >&2; exit 2; }

python3 "$here/scripts/make-still-terrain.py" terrain.tga texture.tga
# The same heights as a 16-bit grey PNG, top row first, for the height_field.
python3 - <<'PY'
import struct
import zlib
data = open("terrain.tga", "rb").read()
w, h = struct.unpack("<HH", data[12:16])
pixels = data[18:]
raw = bytearray()
for y in range(h - 1, -1, -1):
    raw.append(0)
    for x in range(w):
        b, g, r = pixels[3 * (y * w + x):3 * (y * w + x) + 3]
        raw += struct.pack(">H", b | g << 8 | r << 16)
def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)
with open("terrain.png", "wb") as f:
    f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 16, 0, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 6)) + chunk(b"IEND", b""))
PY

sed -e 's/^BeobXA=.*/BeobXA=512.500000/' -e 's/^BeobYA=.*/BeobYA=-102.500000/' -e 's/^BeobZA=.*/BeobZA=200.000000/' \
    -e 's/^BeobXE=.*/BeobXE=512.500000/' -e 's/^BeobYE=.*/BeobYE=-102.500000/' -e 's/^BeobZE=.*/BeobZE=200.000000/' \
    -e 's/^RichtungA=.*/RichtungA=0.000000/' -e 's/^RichtungE=.*/RichtungE=0.000000/' \
    -e 's/^NeigungA=.*/NeigungA=-12.000000/' -e 's/^NeigungE=.*/NeigungE=-12.000000/' \
    -e 's/^BrennA=.*/BrennA=556.800000/' -e 's/^BrennE=.*/BrennE=556.800000/' \
    -e 's/^LichtX=.*/LichtX=-1.000000/' -e 's/^LichtY=.*/LichtY=1.000000/' -e 's/^LichtZ=.*/LichtZ=2.000000/' \
    -e 's/^NebelA=.*/NebelA=1333.000000/' -e 's/^NebelE=.*/NebelE=1333.000000/' \
    -e 's/^HDateiname=.*/HDateiname=terrain.tga/' -e 's/^TDateiname=.*/TDateiname=texture.tga/' \
    -e 's/^HDateiSkalaZA=.*/HDateiSkalaZA=0.050000/' -e 's/^HDateiSkalaZE=.*/HDateiSkalaZE=0.050000/' \
    -e 's/^AusAuflX=.*/AusAuflX=1024/' -e 's/^AusAuflY=.*/AusAuflY=1024/' -e 's/^GenauRechnen=.*/GenauRechnen=0/' \
    -e 's/^AusDateiname=.*/AusDateiname=still%03d.tga/' "$here/examples/still.vgs" >still.vgs
printf '[Settings]\n' >profile.ini

# Terrain x east, y north, z up becomes x, z, y; the focal length of 556.8
# pixels on a picture 640 wide is a horizontal angle of 59.81 degrees.
cat >still.pov <<'POV'
#version 3.7;
global_settings { assumed_gamma 1.0 }
background { rgb <0.745, 0.804, 0.882> }
camera {
  location <512.5, 200, -102.5>
  look_at <512.5, 200 - 1000 * tan(radians(12)), -102.5 + 1000>
  right x * 640 / 480
  angle 59.81
}
light_source { <-1, 2, 1> * 100000 color rgb 1 parallel point_at <0, 0, 0> shadowless }
fog { distance 1333 color rgb <0.745, 0.804, 0.882> }
height_field {
  png "terrain.png"
  smooth
  pigment { image_map { tga "texture.tga" } rotate x * 90 }
  finish { ambient 0 diffuse 1 }
  scale <1024, 65535 * 0.05, 1024>
}
POV

# Wall time and processor time (user and system) of each whole process, best of RUNS, in turns.
python3 - "$cli" "$runs" <<'PY'
import resource
import subprocess
import sys
import time

cli, runs = sys.argv[1], int(sys.argv[2])
commands = {
    "ours": [cli, "--profile", "profile.ini", "render", "still.vgs", "--jobs", "1"],
    "pov": ["povray", "+Istill.pov", "+Ostill-pov.tga", "+FT", "+W640", "+H480", "-A", "+WT1", "-D", "-V", "-GA"],
}
best = {name: [float("inf"), float("inf")] for name in commands}
for _ in range(runs):
    for name, command in commands.items():
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        start = time.monotonic()
        if subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode != 0:
            sys.exit(f"{command[0]} failed")
        wall = time.monotonic() - start
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu = after.ru_utime - before.ru_utime + after.ru_stime - before.ru_stime
        best[name] = [min(best[name][0], wall), min(best[name][1], cpu)]
(ours_wall, ours_cpu), (pov_wall, pov_cpu) = best["ours"], best["pov"]
print(f"oblique still 640 x 480, whole process, best of {runs}: vistagon-cli --jobs 1 {ours_wall:.3f} s wall, "
      f"{ours_cpu:.3f} s processor; POV-Ray height_field (one thread) {pov_wall:.3f} s wall, {pov_cpu:.3f} s "
      f"processor: {pov_wall / ours_wall:.1f}x wall, {pov_cpu / ours_cpu:.1f}x processor")
PY
[ -f still000.tga ] && [ -f still-pov.tga ] || { echo "a renderer wrote no picture" >&2; exit 1; }
