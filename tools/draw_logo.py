#!/usr/bin/env python3
"""Draws the product logo, bitmap resource 207: 75 by 75 pixels, 256 colours (8 bits a pixel).

A blue tile with a white menu card whose middle entry is picked, and the mouse pointer that
picked it. Usage: draw_logo.py OUT.bmp
"""
import sys

from bmp import write_palette_bmp

SIZE = 75
SAMPLES = 4  # per side, for smooth edges


def lerp(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def inside_rounded(x, y, left, top, right, bottom, radius):
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def inside_polygon(x, y, points):
    inside = False
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


POINTER = [(14, 30), (14, 62), (21, 55), (26, 66), (31, 64), (26, 53), (36, 53)]


def outline_of(points, grow):
    cx = sum(p[0] for p in points) / len(points)
    cy = sum(p[1] for p in points) / len(points)
    return [(x + (x - cx) * grow / 10, y + (y - cy) * grow / 10) for x, y in points]


POINTER_EDGE = outline_of(POINTER, 1.6)


def colour_at(x, y):
    background = (240, 240, 240)
    if not inside_rounded(x, y, 2, 2, 72, 72, 14):
        return background
    colour = lerp((58, 124, 222), (21, 58, 134), y / SIZE)
    if inside_rounded(x, y, 27, 12, 63, 50, 4):
        colour = (255, 255, 255)
        for row, (top, picked) in enumerate([(18, False), (28, True), (38, False)]):
            if picked and inside_rounded(x, y, 29, top - 2, 61, top + 6, 2):
                colour = (242, 140, 40)
            if 32 <= x <= 56 and top + 1 <= y <= top + 3:
                colour = (255, 255, 255) if picked else (150, 160, 180)
    if inside_polygon(x, y, POINTER_EDGE):
        colour = (20, 30, 60)
    if inside_polygon(x, y, POINTER):
        colour = (255, 255, 255)
    return colour


def render():
    pixels = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            total = [0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = colour_at(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
                    total = [t + v for t, v in zip(total, c)]
            row.append(tuple(round(t / SAMPLES ** 2) for t in total))
        pixels.append(row)
    return pixels


def palette_for(pixels):
    """The 256 most used colours, every other pixel mapped to its nearest one."""
    counts = {}
    for row in pixels:
        for c in row:
            counts[c] = counts.get(c, 0) + 1
    palette = sorted(counts, key=lambda c: -counts[c])[:256]
    palette += [(0, 0, 0)] * (256 - len(palette))
    index = {}
    for c in counts:
        index[c] = min(range(256), key=lambda i: sum((a - b) ** 2 for a, b in zip(c, palette[i])))
    return palette, index


def write_bmp(path, pixels):
    palette, index = palette_for(pixels)
    stride = (SIZE + 3) & ~3
    rows = [bytes(index[c] for c in row) + b"\0" * (stride - SIZE) for row in reversed(pixels)]
    write_palette_bmp(path, SIZE, SIZE, 8, palette, rows)

if __name__ == "__main__":
    write_bmp(sys.argv[1], render())
