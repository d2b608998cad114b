#!/usr/bin/env python3
"""Rewrites 8-bit RGB PNG screenshots as palette PNGs when they use at most 256 colours.

A dialog under Wine uses a few dozen colours, so the palette form is a hundredth of the size the
stand-in writes. Other PNGs (and pictures with more colours) are left as they are.
"""
import struct
import sys
import zlib


def chunks(data):
    at = 8
    while at < len(data):
        (length,) = struct.unpack(">I", data[at:at + 4])
        yield data[at + 4:at + 8], data[at + 8:at + 8 + length]
        at += 12 + length


def unfilter(raw, width, height, channels):
    stride = width * channels
    rows, previous, at = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[at], bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        for x in range(stride):
            left = line[x - channels] if x >= channels else 0
            up = previous[x]
            upper_left = previous[x - channels] if x >= channels else 0
            if kind == 1:
                line[x] = (line[x] + left) & 255
            elif kind == 2:
                line[x] = (line[x] + up) & 255
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 255
            elif kind == 4:
                guess = left + up - upper_left
                nearest = min((abs(guess - left), 0, left), (abs(guess - up), 1, up),
                              (abs(guess - upper_left), 2, upper_left))[2]
                line[x] = (line[x] + nearest) & 255
        rows.append(bytes(line))
        previous = line
    return rows


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def shrink(path):
    data = open(path, "rb").read()
    header, compressed = None, b""
    for kind, body in chunks(data):
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour != 2 or interlace != 0:
        return False
    palette, pixels = {}, bytearray()
    for row in unfilter(zlib.decompress(compressed), width, height, 3):
        pixels.append(0)
        for x in range(width):
            index = palette.setdefault(row[3 * x:3 * x + 3], len(palette))
            if index > 255:
                return False
            pixels.append(index)
    colours = b"".join(sorted(palette, key=palette.get))
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" +
                  chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0)) +
                  chunk(b"PLTE", colours) + chunk(b"IDAT", zlib.compress(bytes(pixels), 9)) +
                  chunk(b"IEND", b""))
    return True


if __name__ == "__main__":
    for name in sys.argv[1:]:
        shrink(name)
