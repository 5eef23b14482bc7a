#!/usr/bin/env python3
"""Writes app.ico: a closed book with a barcode label, at 32x32 and 16x16.

Usage: python3 make_icon.py [OUTPUT.ico]   (default: app.ico next to this script)

Both sizes are drawn by hand below so the 16x16 stays crisp instead of being
a blurry downscale. Plain standard library only, so the build needs no extras.
"""
import os
import struct
import sys

# One character per pixel; each maps to a palette index.
COLOURS = {
    ".": (0xFF, 0xFF, 0xFF),  # background, page edges, barcode label
    "B": (0x24, 0x66, 0xC0),  # cover
    "D": (0x14, 0x23, 0x50),  # spine, outline, title lines
    "K": (0x00, 0x00, 0x00),  # barcode bars
}
INDEX = {ch: i for i, ch in enumerate(COLOURS)}

ART_32 = """
................................
................................
................................
....DDDDDDDDDDDDDDDDDDDDDDDD....
....DDDDBBBBBBBBBBBBBBBBBBBD....
....DDDDBBBBBBBBBBBBBBBBBBBD....
....DBBDBBBBBBBBBBBBBBBBBBBD....
....DDDDBBBDDDDDDDDDDDDDBBBD....
....DDDDBBBBBBBBBBBBBBBBBBBD....
....DDDDBBBDDDDDDDDDBBBBBBBD....
....DDDDBBBBBBBBBBBBBBBBBBBD....
....DDDDBBBBBBBBBBBBBBBBBBBD....
....DDDDBB...............BBD....
....DDDDBB.K.KK.K..KKK.K.BBD....
....DDDDBB.K.KK.K..KKK.K.BBD....
....DDDDBB.K.KK.K..KKK.K.BBD....
....DDDDBB.K.KK.K..KKK.K.BBD....
....DDDDBB.K.KK.K..KKK.K.BBD....
....DDDDBB.K.KK.K..KKK.K.BBD....
....DDDDBB.K.KK.K..KKK.K.BBD....
....DDDDBB.K.KK.K..KKK.K.BBD....
....DDDDBB.K...........K.BBD....
....DDDDBB...............BBD....
....DDDDBBBBBBBBBBBBBBBBBBBD....
....DDDDBBBBBBBBBBBBBBBBBBBD....
....DBBD...................D....
....DDDD...................D....
....DDDD...................D....
....DDDDDDDDDDDDDDDDDDDDDDDD....
................................
................................
................................
"""

ART_16 = """
................
.DDDDDDDDDDDDDD.
.DDDBBBBBBBBBBD.
.DDDBDDDDDDBBBD.
.DDDBBBBBBBBBBD.
.DDDB........BD.
.DDDB.K.KK.K.BD.
.DDDB.K.KK.K.BD.
.DDDB.K.KK.K.BD.
.DDDB.K.KK.K.BD.
.DDDB........BD.
.DDDBBBBBBBBBBD.
.DDD..........D.
.DDD..........D.
.DDDDDDDDDDDDDD.
................
"""


def parse(art, size):
    rows = art.strip().splitlines()
    assert len(rows) == size and all(len(r) == size for r in rows), size
    return [[INDEX[ch] for ch in row] for row in rows]


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def dib(pixels):
    """Icon-form DIB: header, 256-entry palette, 8-bit XOR rows, 1-bit AND rows."""
    size = len(pixels)
    xor = b"".join(padded(bytes(row)) for row in reversed(pixels))  # bottom-up
    # All-zero mask: every pixel opaque, so the white background is part of the mark.
    mask = padded(b"\0" * ((size + 7) // 8)) * size
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 8, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    palette = b"".join(struct.pack("<4B", b, g, r, 0) for r, g, b in COLOURS.values())
    palette += b"\0" * (1024 - len(palette))
    return header + palette + xor + mask


def build():
    images = [(32, dib(parse(ART_32, 32))), (16, dib(parse(ART_16, 16)))]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        # Bit count is declared as 24 in the directory on purpose; the DIBs are 8-bit.
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 24, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "app.ico")
    with open(path, "wb") as f:
        f.write(build())


if __name__ == "__main__":
    main()
