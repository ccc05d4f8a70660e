#!/usr/bin/env python3
"""Writes the inputs of the README's route walkthrough into DIR: a 30 m DEM of
a mountain valley in UTM zone 33 north as an ASCII grid, a stand-in
orthophoto of it (coloured by height, lit from the north-west, with a grain)
as a PPM picture, and a hike up the valley as a line in the same system (CSV
with WKT); the same bytes on every run. scripts/make-route-data.sh turns them
into dem.tif, ortho.tif and track.gpx with the GDAL tools.

    python3 scripts/make-route-data.py DIR
"""
import math
import os
import sys

SIZE = 400
CELL = 30.0
WEST, SOUTH = 500000.0, 5000000.0


def height(col, row, grained=True):
    """Metres at a cell; row 0 is the southern row."""
    u, v = col / (SIZE - 1), row / (SIZE - 1)
    # A valley running north from the south edge, bending east, under a ridge in the north.
    valley = 0.35 + 0.25 * v + 0.12 * math.sin(3.0 * v)
    depth = math.exp(-((u - valley) ** 2) / 0.012)
    h = 900.0 + 1300.0 * v - 700.0 * depth
    h += 350.0 * math.sin(7.0 * u + 1.3) * math.cos(5.0 * v + 0.4)
    h += 120.0 * math.sin(23.0 * u) * math.sin(19.0 * v + 0.7)
    grain = ((col * 7919 + row * 104729) % 1013) / 1013.0 - 0.5
    return h + 6.0 * grain if grained else h


RAMP = ((200, (60, 110, 40)), (900, (90, 140, 60)), (1400, (150, 150, 90)), (1900, (135, 120, 100)), (2300, (235, 235, 235)))


def colour(h):
    for (h0, c0), (h1, c1) in zip(RAMP, RAMP[1:]):
        if h <= h1:
            s = max(0.0, (h - h0) / (h1 - h0))
            return [a + s * (b - a) for a, b in zip(c0, c1)]
    return list(RAMP[-1][1])


def ortho_pixel(col, row):
    """Red, green and blue of a cell: the ramp, a Lambert light and a grain."""
    h = height(col, row)
    # Slopes steepened five times, so that the light shows the relief.
    dx = 5.0 * (height(min(col + 1, SIZE - 1), row, False) - height(max(col - 1, 0), row, False)) / (2 * CELL)
    dy = 5.0 * (height(col, min(row + 1, SIZE - 1), False) - height(col, max(row - 1, 0), False)) / (2 * CELL)
    light = (-0.5, 0.5, 0.7)
    norm = math.sqrt(dx * dx + dy * dy + 1.0)
    shade = max(0.0, (-dx * light[0] - dy * light[1] + light[2]) / norm / math.sqrt(0.99))
    grain = 0.95 + 0.1 * ((((col * 73856093) ^ (row * 19349663)) % 997) / 997.0)
    return bytes(max(0, min(255, int(c * (0.35 + 0.75 * shade) * grain))) for c in colour(h))


def track_points():
    """The hike in UTM metres: up the valley floor and over the northern side."""
    points = []
    for i in range(600):
        t = i / 599.0
        v = 0.05 + 0.85 * t
        u = 0.35 + 0.25 * v + 0.12 * math.sin(3.0 * v) + 0.015 * math.sin(17.0 * t)
        x = WEST + CELL * (u * (SIZE - 1) + 0.5)
        y = SOUTH + CELL * (v * (SIZE - 1) + 0.5)
        points.append((x, y))
    return points


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "dem.asc"), "w") as f:
        f.write("ncols %d\nnrows %d\nxllcorner %.1f\nyllcorner %.1f\ncellsize %.1f\n" % (SIZE, SIZE, WEST, SOUTH, CELL))
        for row in range(SIZE - 1, -1, -1):  # the grid's first line is its northern row
            f.write(" ".join("%.1f" % height(col, row) for col in range(SIZE)) + "\n")
    with open(os.path.join(out, "ortho.ppm"), "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (SIZE, SIZE))
        for row in range(SIZE - 1, -1, -1):
            f.write(b"".join(ortho_pixel(col, row) for col in range(SIZE)))
    with open(os.path.join(out, "route.csv"), "w") as f:
        f.write("name,WKT\nhike,\"LINESTRING (%s)\"\n" % ", ".join("%.2f %.2f" % p for p in track_points()))


main()
