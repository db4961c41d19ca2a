#!/usr/bin/env python3
"""Writes stand-in sheets (ChrImage.bmp, Chr2Image.bmp, TitleImage.bmp) into a
folder, for window tests on a machine where the real assets are not built:
8-bit, uncompressed, a grey ramp palette with white at 255, stripes of
colour indices so every palette entry appears."""
import struct
import sys


def bmp(width, height):
    stride = (width + 3) // 4 * 4
    palette = b"".join(struct.pack("<BBBB", i, i, i, 0) for i in range(256))
    rows = b"".join(bytes((x + y) % 256 for x in range(width)) + b"\0" * (stride - width)
                    for y in range(height))
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(rows), 2835, 2835, 256, 0)
    return header + info + palette + rows


def main(folder):
    for name, w, h in (("ChrImage.bmp", 320, 256), ("Chr2Image.bmp", 320, 256), ("TitleImage.bmp", 450, 130)):
        with open(f"{folder}/{name}", "wb") as f:
            f.write(bmp(w, h))


if __name__ == "__main__":
    main(sys.argv[1])
