#!/usr/bin/env python3
"""Draws quillpad.ico, the sample product's icon: a 32x32 page with a quill.

    make_icon.py OUTFILE
"""
import struct
import sys


def pixel(x, y):
    """(r, g, b, a) of the icon at (x, y), y counted from the top."""
    # the quill: a slanted stroke from the lower left to the upper right
    d = abs((x - 6) - (25 - y))
    if 3 <= x <= 28 and 3 <= y <= 27 and d <= 1:
        return (40, 60, 140, 255)
    # the page
    if 5 <= x <= 24 and 2 <= y <= 29:
        if 8 <= x <= 21 and y in (8, 12, 16, 20, 24):
            return (150, 160, 180, 255)
        return (250, 250, 245, 255)
    if 6 <= x <= 25 and 3 <= y <= 30:
        return (90, 90, 90, 160)  # shadow
    return (0, 0, 0, 0)


def main(out):
    size = 32
    rows = b"".join(
        b"".join(bytes((b, g, r, a)) for r, g, b, a in (pixel(x, y) for x in range(size)))
        for y in reversed(range(size)))
    mask = bytes(size * 4)  # the alpha channel decides; the AND mask is empty
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(rows) + len(mask), 0, 0, 0, 0)
    image = header + rows + mask
    ico = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 22)
    with open(out, "wb") as f:
        f.write(ico + image)


if __name__ == "__main__":
    main(sys.argv[1])
