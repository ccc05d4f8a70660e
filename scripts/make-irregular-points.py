#!/usr/bin/env python3
"""Writes the scattered point sets that compare-irregular.sh grids.

    scripts/make-irregular-points.py FOLDER

Every set is made from a fixed seed, so the same folder content comes out on
every run: uniform random points (1e4, 1e5, 1e6), clustered points, points that
repeat, points on a lattice, collinear runs and a TGA of scattered points
(blue 0 marks a point, red and green hold its height)."""

import math
import os
import random
import struct
import sys


def height(x, y):
    return 300.0 * math.sin(x / 97.0) * math.cos(y / 131.0) + 0.5 * x


def write_points(path, points):
    with open(path, "w") as out:
        for x, y in points:
            out.write("%.6f %.6f %.4f\n" % (x, y, height(x, y)))


def uniform(rng, count):
    return [(rng.uniform(0, 1024), rng.uniform(0, 1024)) for _ in range(count)]


def clustered(rng, count):
    centres = [(rng.uniform(100, 924), rng.uniform(100, 924), rng.uniform(2, 40)) for _ in range(25)]
    points = []
    for _ in range(count):
        cx, cy, spread = rng.choice(centres)
        points.append((cx + rng.gauss(0, spread), cy + rng.gauss(0, spread)))
    return points


def repeated(rng, count, side):
    return [(float(rng.randrange(side)), float(rng.randrange(side))) for _ in range(count)]


def occasional_repeats(rng, count):
    points = []
    for _ in range(count):
        if points and rng.randrange(40) == 0:
            points.append(rng.choice(points))
        else:
            points.append((rng.uniform(0, 1024), rng.uniform(0, 1024)))
    return points


def lattice(side, step):
    return [(x * step, y * step) for y in range(side) for x in range(side)]


def collinear_runs(rng, runs, length):
    points = []
    for _ in range(runs):
        x0, y0 = rng.uniform(0, 1024), rng.uniform(0, 1024)
        angle = rng.choice([0.0, math.pi / 2, math.pi / 4, rng.uniform(0, math.pi)])
        step = rng.uniform(0.2, 3.0)
        for k in range(length):
            points.append((x0 + k * step * math.cos(angle), y0 + k * step * math.sin(angle)))
    points += uniform(rng, runs * length // 10)
    rng.shuffle(points)
    return points


def write_tga(path, width, height_px, rng, share):
    rows = []
    for y in range(height_px):
        row = bytearray()
        for x in range(width):
            if rng.random() < share:
                h = int(height(x, y)) & 0xFFFF
                row += bytes((0, h & 0xFF, h >> 8))
            else:
                row += bytes((rng.randrange(1, 256), rng.randrange(256), rng.randrange(256)))
        rows.append(bytes(row))
    header = struct.pack("<BBBHHBHHHHBB", 0, 0, 2, 0, 0, 24, 0, 0, width, height_px, 24, 0)
    with open(path, "wb") as out:
        out.write(header)
        for row in rows:
            out.write(row)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make-irregular-points.py FOLDER")
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    rng = random.Random(20261209)
    sets = {
        "uniform-1e4.txt": lambda: uniform(rng, 10_000),
        "uniform-1e5.txt": lambda: uniform(rng, 100_000),
        "uniform-1e6.txt": lambda: uniform(rng, 1_000_000),
        "clustered-1e5.txt": lambda: clustered(rng, 100_000),
        "repeated-2e4.txt": lambda: repeated(rng, 20_000, 60),
        "occasional-repeats-1e5.txt": lambda: occasional_repeats(rng, 100_000),
        "lattice-300.txt": lambda: lattice(300, 3.0),
        "collinear-1e5.txt": lambda: collinear_runs(rng, 400, 250),
    }
    for name, make in sets.items():
        write_points(os.path.join(folder, name), make())
    write_tga(os.path.join(folder, "scattered.tga"), 1024, 768, rng, 0.04)


if __name__ == "__main__":
    main()
