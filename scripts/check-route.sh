#!/bin/sh
# Checks a rendered route on its own terms: projects the GPX track with the
# GDAL tools onto the DEM's pixels and measures how far every camera position
# of the flight recorder (VGRECORD.XLS, world units of one pixel) lies from it.
#   sh scripts/check-route.sh TRACK.gpx DEM.tif VGRECORD.XLS [LIMIT_PIXELS]
# Exits 1 when a camera is farther than LIMIT_PIXELS (default 3) from the track.
set -eu
track=${1:?usage: check-route.sh TRACK.gpx DEM.tif VGRECORD.XLS [LIMIT]}
dem=${2:?}
log=${3:?}
limit=${4:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
srs=$(gdalsrsinfo -o wkt1 "$dem" | tr -d '\n')
ogr2ogr -f CSV "$work/track.csv" "$track" tracks -t_srs "$srs" -lco GEOMETRY=AS_WKT
gdalinfo -json "$dem" > "$work/dem.json"
python3 - "$work/track.csv" "$work/dem.json" "$log" "$limit" <<'PY'
import csv, json, math, re, sys

track_csv, dem_json, log_path, limit = sys.argv[1], sys.argv[2], sys.argv[3], float(sys.argv[4])
info = json.load(open(dem_json))
t = info["geoTransform"]
width, height = info["size"]
wkt = next(csv.DictReader(open(track_csv)))["WKT"]
coords = [tuple(map(float, p.split()[:2])) for p in re.findall(r"-?[\d.]+ -?[\d.]+", wkt)]
det = t[1] * t[5] - t[2] * t[4]
line = []
for x, y in coords:
    col = (t[5] * (x - t[0]) - t[2] * (y - t[3])) / det
    row = (t[1] * (y - t[3]) - t[4] * (x - t[0])) / det
    # World x is the pixel column, world y counts up from the southern edge.
    line.append((col - 0.5, height - (row - 0.5)))

def distance(p):
    best = float("inf")
    for (ax, ay), (bx, by) in zip(line, line[1:]):
        dx, dy = bx - ax, by - ay
        s = max(0.0, min(1.0, ((p[0] - ax) * dx + (p[1] - ay) * dy) / (dx * dx + dy * dy or 1.0)))
        best = min(best, math.hypot(p[0] - ax - s * dx, p[1] - ay - s * dy))
    return best

rows = [r.split("\t") for r in open(log_path, newline="").read().split("\r\n")[1:] if r.strip()]
cameras = [(float(r[0].replace(",", ".")), float(r[1].replace(",", "."))) for r in rows]
far = [distance(c) for c in cameras]
worst = max(far)
print("%d camera positions, %d track vertices: farthest %.2f pixels, mean %.2f pixels from the track"
      % (len(cameras), len(line), worst, sum(far) / len(far)))
print("first camera %.1f %.1f, track start %.1f %.1f; last camera %.1f %.1f, track end %.1f %.1f"
      % (cameras[0] + line[0] + cameras[-1] + line[-1]))
sys.exit(0 if worst <= limit else 1)
PY
