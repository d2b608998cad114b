"""Writes a palette bitmap file (BITMAPINFOHEADER, bottom-up rows), as the resource compiler
takes it: shared by the scripts that draw the module's bitmaps."""
import struct


def write_palette_bmp(path, width, height, bits, palette, rows):
    """rows: the packed pixel bytes of each row, bottom row first, each padded to four bytes."""
    data = b"".join(rows)
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835,
                       len(palette), 0)
    with open(path, "wb") as out:
        out.write(header + info + colours + data)
