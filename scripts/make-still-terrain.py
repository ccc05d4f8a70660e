#!/usr/bin/env python3
"""Writes a 1025 x 1025 elevation file and a texture of the same size for the
frame comparison and the render benchmark: rolling hills with a fixed
pseudo-random grain, 0 to 3000 stored units, the same bytes on every run.

    python3 scripts/make-still-terrain.py ELEVATION.tga TEXTURE.tga [SIZE [TEXTURE_SIZE]]

A TEXTURE_SIZE different from SIZE gives a striped texture of that size instead
(for measuring memory).
"""
import math
import struct
import sys


def header(size):
    return bytes([0, 0, 2, 0, 0, 0, 0, 24, 0, 0, 0, 0]) + struct.pack("<HH", size, size) + bytes([24, 0])


def height(x, y, size):
    u, v = x / (size - 1), y / (size - 1)
    h = 0.0
    for k, (fx, fy, a) in enumerate(((2.0, 1.5, 0.35), (5.0, 4.0, 0.2), (11.0, 13.0, 0.1), (29.0, 23.0, 0.05))):
        h += a * math.sin(2 * math.pi * (fx * u + 0.3 * k)) * math.cos(2 * math.pi * (fy * v + 0.17 * k))
    grain = ((x * 7919 + y * 104729) % 1013) / 1013.0 - 0.5
    return int((h + 0.7) / 1.4 * 3000 + grain * 20)


def main():
    elevation_path, texture_path = sys.argv[1], sys.argv[2]
    size = int(sys.argv[3]) if len(sys.argv) > 3 else 1025
    texture_size = int(sys.argv[4]) if len(sys.argv) > 4 else size
    elevation = bytearray(header(size))
    texture = bytearray(header(size))
    for y in range(size):
        for x in range(size):
            h = max(0, min(3000, height(x, y, size)))
            elevation += bytes([h & 0xFF, (h >> 8) & 0xFF, (h >> 16) & 0xFF])
            grain = (x * 7 + y * 13) % 17
            if h < 1100:
                texture += bytes([40 + grain, 120 + grain, 50 + grain])
            elif h < 2200:
                texture += bytes([50 + grain, 90 + grain, 130 + grain])
            else:
                texture += bytes([220 + grain, 220 + grain, 225 + grain])
    if texture_size != size:
        row = bytes(v for x in range(texture_size) for v in (40 + x % 17, 90 + x % 31, 50 + x % 23))
        texture = bytearray(header(texture_size))
        for y in range(texture_size):
            k = 3 * (y % texture_size)
            texture += row[k:] + row[:k]
    with open(elevation_path, "wb") as f:
        f.write(elevation)
    with open(texture_path, "wb") as f:
        f.write(texture)


if __name__ == "__main__":
    main()
