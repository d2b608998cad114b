#!/usr/bin/env python3
"""Draws the site list's tick images, bitmap resource 204: 33 by 11 pixels, 4 bits a pixel with
the standard 16-colour palette, three 11 by 11 images side by side: not ticked (white square, grey
frame, light-grey diagonal cross), ticked (the same frame, a red tick) and a plain light-grey
square. Black is the mask colour, so no pixel is black. Usage: draw_ticks.py OUT.bmp
"""
import sys

from bmp import write_palette_bmp

PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
WHITE, GREY, LIGHT, RED = 15, 8, 7, 9
SIDE = 11


def image(kind):
    pixels = [[WHITE if kind != "plain" else LIGHT] * SIDE for _ in range(SIDE)]
    for i in range(SIDE):
        for edge in (0, SIDE - 1):
            pixels[i][edge] = pixels[edge][i] = GREY
    if kind == "cross":
        for i in range(2, SIDE - 2):
            pixels[i][i] = pixels[i][SIDE - 1 - i] = LIGHT
    if kind == "tick":
        stroke = [(2, 5), (3, 6), (4, 7), (5, 6), (6, 5), (7, 4), (8, 3)]
        for x, y in stroke:
            for dy in (0, 1):
                pixels[y + dy][x] = RED
    return pixels


def write_bmp(path):
    images = [image(kind) for kind in ("cross", "tick", "plain")]
    width = SIDE * len(images)
    rows = []
    for y in reversed(range(SIDE)):
        row = [images[x // SIDE][y][x % SIDE] for x in range(width)]
        row += [0] * (-len(row) % 2)
        packed = bytes((row[i] << 4) | row[i + 1] for i in range(0, len(row), 2))
        rows.append(packed + b"\0" * (-len(packed) % 4))
    write_palette_bmp(path, width, SIDE, 4, PALETTE, rows)


if __name__ == "__main__":
    write_bmp(sys.argv[1])
