"""Writes a palette bitmap file (8 bits per pixel, bottom-up rows, as tools/bmp.py writes them)
as a PNG file, which a browser extension takes as its icon and the about page as its logo.
Given a SIZE, the picture is scaled to SIZE x SIZE pixels: an icon must be as large as the
manifest says it is.
Usage: bmp_to_png.py BITMAP PNG [SIZE]"""
import struct
import sys
import zlib


def read_palette_bmp(path):
    """The width, height and the RGB rows, top row first."""
    with open(path, "rb") as source:
        data = source.read()
    offset = struct.unpack_from("<I", data, 10)[0]
    size, width, height, _, bits = struct.unpack_from("<IiiHH", data, 14)
    colours = struct.unpack_from("<I", data, 14 + 32)[0] or 256
    if bits != 8:
        raise SystemExit(path + ": only 8-bit palette bitmaps are read")
    palette = [data[14 + size + 4 * i:14 + size + 4 * i + 3][::-1] for i in range(colours)]
    stride = (width + 3) & ~3
    rows = []
    for row in range(abs(height)):
        start = offset + row * stride
        rows.append(b"".join(palette[index] for index in data[start:start + width]))
    if height > 0:
        rows.reverse()
    return width, abs(height), rows


def scale(width, height, rows, size):
    """The picture resampled to size x size (bilinear), as the width, height and RGB rows."""
    def sample(row, column, channel):
        return rows[row][3 * column + channel]

    scaled = []
    for y in range(size):
        source_y = min(max((y + 0.5) * height / size - 0.5, 0), height - 1)
        top = int(source_y)
        bottom = min(top + 1, height - 1)
        down = source_y - top
        row = bytearray()
        for x in range(size):
            source_x = min(max((x + 0.5) * width / size - 0.5, 0), width - 1)
            left = int(source_x)
            right = min(left + 1, width - 1)
            across = source_x - left
            for channel in range(3):
                upper = sample(top, left, channel) * (1 - across) + sample(top, right, channel) * across
                lower = sample(bottom, left, channel) * (1 - across) + sample(bottom, right, channel) * across
                row.append(round(upper * (1 - down) + lower * down))
        scaled.append(bytes(row))
    return size, size, scaled


def write_png(path, width, height, rows):
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    pixels = zlib.compress(b"".join(b"\0" + row for row in rows), 9)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", pixels) +
                  chunk(b"IEND", b""))


if __name__ == "__main__":
    picture = read_palette_bmp(sys.argv[1])
    if len(sys.argv) > 3:
        picture = scale(*picture, int(sys.argv[3]))
    write_png(sys.argv[2], *picture)
