#!/usr/bin/env python3
"""Draws chronel.svg's shapes into the PNG sizes of the hicolor theme.

The SVG is simple enough to rasterise here without an SVG library: rounded square,
circles and round-capped strokes, each sampled 4x4 times per pixel. Keep the shapes
below in step with chronel.svg. Usage: render.py OUTPUT_FOLDER
"""
import math
import struct
import sys
import zlib

SIZES = (16, 32, 48, 64, 128, 256)


def colour(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


def rounded_square(x0, y0, x1, y1, r):
    def inside(x, y):
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def stroke(x1, y1, x2, y2, width):
    dx, dy = x2 - x1, y2 - y1
    length2 = dx * dx + dy * dy
    half2 = (width / 2) ** 2

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / length2))
        px, py = x1 + t * dx - x, y1 + t * dy - y
        return px * px + py * py <= half2
    return inside


DARK = colour("#0d3b4f")
SHAPES = [
    (rounded_square(16, 16, 240, 240, 44), colour("#1f6f8b")),
    (disc(128, 128, 88), DARK),
    (disc(128, 128, 76), colour("#ffffff")),
    (stroke(128, 62, 128, 74, 10), DARK),
    (stroke(194, 128, 182, 128, 10), DARK),
    (stroke(128, 194, 128, 182, 10), DARK),
    (stroke(62, 128, 74, 128, 10), DARK),
    (stroke(128, 128, 93, 108, 14), DARK),
    (stroke(128, 128, 168, 85, 10), DARK),
    (disc(128, 128, 11), colour("#e07a2e")),
]


def render(size):
    scale = 256 / size
    steps = 4
    rows = []
    for py in range(size):
        row = bytearray([0])
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(steps):
                for sx in range(steps):
                    x = (px + (sx + 0.5) / steps) * scale
                    y = (py + (sy + 0.5) / steps) * scale
                    for inside, fill in reversed(SHAPES):
                        if inside(x, y):
                            r += fill[0]
                            g += fill[1]
                            b += fill[2]
                            a += 1
                            break
            n = steps * steps
            if a:
                row += bytes((round(r / a), round(g / a), round(b / a), round(255 * a / n)))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return png(size, b"".join(rows))


def png(size, raw):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    for size in SIZES:
        with open(f"{sys.argv[1]}/chronel-{size}.png", "wb") as out:
            out.write(render(size))
