#!/usr/bin/env python3
"""Renders lakeside.png, the sample photograph of `atelier demo`: an evening
sky, a sun with its glow, two ranges of hills, a lake that mirrors them, and
a little film grain. Standard library only (zlib and struct); the output is
the same on every run.

    python3 make_lakeside.py [OUTPUT]   (default: lakeside.png beside this script)
"""
import math
import os
import random
import struct
import sys
import zlib

WIDTH, HEIGHT = 320, 240
HORIZON = 150
SUN = (228.0, 92.0, 16.0)  # centre x, centre y, radius


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def hill_height(x, phase, scale, base):
    return base - scale * (0.55 * math.sin(x / 37.0 + phase) + 0.3 * math.sin(x / 13.0 + 2 * phase)
                           + 0.15 * math.sin(x / 5.0 + 3 * phase))


def scene(x, y):
    """The colour above the waterline at (x, y), as floats 0-255."""
    sky = mix((40, 60, 140), (250, 170, 110), y / HORIZON)
    distance = math.hypot(x - SUN[0], y - SUN[1])
    if distance < SUN[2]:
        color = mix((255, 250, 210), (255, 200, 90), distance / SUN[2])
    else:
        color = mix(sky, (255, 220, 150), 0.6 * math.exp(-(distance - SUN[2]) / 30.0))
    if y > hill_height(x, 0.7, 22, 118):
        color = mix((110, 80, 120), (70, 60, 100), (y - 96) / 54.0)
    if y > hill_height(x, 2.1, 14, 140):
        color = mix((40, 70, 45), (20, 45, 30), (y - 126) / 24.0)
    return color


def pixel(x, y, grain):
    if y < HORIZON:
        color = scene(x, y)
    else:
        # The lake mirrors the scene, rippled and darkened towards the shore.
        depth = y - HORIZON
        ripple = 2.5 * math.sin(y * 0.9 + x * 0.05) * (1 + depth / 40.0)
        mirrored = scene(min(WIDTH - 1, max(0, x + ripple)), max(0, HORIZON - 1 - depth))
        color = mix(mirrored, (20, 40, 70), 0.25 + depth / 150.0)
    return bytes(max(0, min(255, int(c + grain.gauss(0, 3.0)))) for c in color)


def png(width, height, rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "lakeside.png")
    grain = random.Random(20240601)
    rows = [b"".join(pixel(x, y, grain) for x in range(WIDTH)) for y in range(HEIGHT)]
    with open(output, "wb") as f:
        f.write(png(WIDTH, HEIGHT, rows))


if __name__ == "__main__":
    main()
