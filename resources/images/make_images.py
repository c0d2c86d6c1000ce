#!/usr/bin/env python3
"""Draws the pictures that setup.exe carries as resources.

    make_images.py OUTDIR

writes OUTDIR/setup.ico (icon 1, the installer), OUTDIR/uninstall.ico (icon 2,
the uninstaller's header), OUTDIR/order.ico (icon 3, the order form's header)
and OUTDIR/finish.bmp (bitmap 2070, the finish pages). The build runs it, so
the pictures live here as the code that draws them.

Icons hold a 16x16 and a 32x32 image of 32 bits with alpha. The bitmap has a
256-colour palette whose first entry is pure red (255, 0, 0): the finish pages
load it with CreateMappedBitmap, which maps that palette entry to the button
face colour, so the red background takes the colour of the dialog.
"""

import math
import struct
import sys
from pathlib import Path

# --- icons -------------------------------------------------------------------


def blend(under, over):
    """Alpha-composites two (r, g, b, a) pixels with components 0..255."""
    a_over = over[3] / 255.0
    a_under = under[3] / 255.0
    a = a_over + a_under * (1 - a_over)
    if a == 0:
        return (0, 0, 0, 0)
    rgb = tuple(
        round((over[i] * a_over + under[i] * a_under * (1 - a_over)) / a) for i in range(3)
    )
    return rgb + (round(a * 255),)


def coverage(inside, x, y, samples=4):
    """Fraction of pixel (x, y) that inside(fx, fy) covers, on a unit square."""
    hits = 0
    for sy in range(samples):
        for sx in range(samples):
            if inside(x + (sx + 0.5) / samples, y + (sy + 0.5) / samples):
                hits += 1
    return hits / (samples * samples)


class Canvas:
    def __init__(self, size):
        self.size = size
        self.px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def fill(self, inside, colour):
        """Paints colour where inside(u, v) holds; u, v run from 0 to 1."""
        n = self.size
        for y in range(n):
            for x in range(n):
                c = coverage(lambda fx, fy: inside(fx / n, fy / n), x, y)
                if c > 0:
                    r, g, b = colour
                    self.px[y][x] = blend(self.px[y][x], (r, g, b, round(255 * c)))


def rect(x0, y0, x1, y1):
    return lambda u, v: x0 <= u < x1 and y0 <= v < y1


def polygon(points):
    def inside(u, v):
        hit = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > v) != (yj > v) and u < (xj - xi) * (v - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit
    return inside


def thick_line(x0, y0, x1, y1, width):
    def inside(u, v):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((u - x0) * dx + (v - y0) * dy) / (dx * dx + dy * dy)))
        return math.hypot(u - (x0 + t * dx), v - (y0 + t * dy)) <= width / 2
    return inside


def draw_box(c):
    """A shipping carton seen from the front: the product being handled."""
    c.fill(polygon([(0.12, 0.38), (0.5, 0.22), (0.88, 0.38), (0.5, 0.54)]), (214, 170, 96))
    c.fill(polygon([(0.12, 0.38), (0.5, 0.54), (0.5, 0.94), (0.12, 0.78)]), (176, 128, 62))
    c.fill(polygon([(0.5, 0.54), (0.88, 0.38), (0.88, 0.78), (0.5, 0.94)]), (150, 104, 48))


def setup_icon(size):
    c = Canvas(size)
    draw_box(c)
    # A green arrow into the box.
    c.fill(rect(0.40, 0.02, 0.60, 0.30), (40, 150, 50))
    c.fill(polygon([(0.24, 0.28), (0.76, 0.28), (0.5, 0.56)]), (40, 150, 50))
    return c


def uninstall_icon(size):
    c = Canvas(size)
    draw_box(c)
    # A red cross over the box.
    c.fill(thick_line(0.22, 0.10, 0.78, 0.62, 0.16), (200, 30, 30))
    c.fill(thick_line(0.78, 0.10, 0.22, 0.62, 0.16), (200, 30, 30))
    return c


def order_icon(size):
    c = Canvas(size)
    # A sheet of paper with lines, and a pen.
    c.fill(polygon([(0.16, 0.04), (0.66, 0.04), (0.84, 0.22), (0.84, 0.96), (0.16, 0.96)]),
           (120, 120, 120))
    c.fill(polygon([(0.20, 0.08), (0.64, 0.08), (0.80, 0.24), (0.80, 0.92), (0.20, 0.92)]),
           (255, 255, 255))
    c.fill(polygon([(0.64, 0.08), (0.80, 0.24), (0.64, 0.24)]), (200, 200, 200))
    for i in range(4):
        y = 0.34 + i * 0.14
        c.fill(rect(0.28, y, 0.72 - (0.16 if i == 3 else 0), y + 0.06), (60, 90, 170))
    c.fill(thick_line(0.50, 0.86, 0.94, 0.42, 0.12), (230, 170, 20))
    c.fill(polygon([(0.44, 0.92), (0.47, 0.80), (0.56, 0.89)]), (60, 60, 60))
    return c


def icon_image(canvas):
    n = canvas.size
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for y in reversed(range(n)):
        for x in range(n):
            r, g, b, a = canvas.px[y][x]
            xor += bytes((b, g, r, a))
    row_bytes = ((n + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(n)):
        row = bytearray(row_bytes)
        for x in range(n):
            if canvas.px[y][x][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(xor) + bytes(mask)


def write_icon(path, draw):
    images = [icon_image(draw(n)) for n in (16, 32)]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for n, data in zip((16, 32), images):
        out += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    path.write_bytes(bytes(out))


# --- the finish-page bitmap --------------------------------------------------

BMP_WIDTH, BMP_HEIGHT = 120, 200
RED = (255, 0, 0)


def finish_palette():
    """Index 0 is the pure red that CreateMappedBitmap replaces; then a blue
    ramp for the panel, a green ramp for the badge and white."""
    pal = [RED]
    pal += [(20 + i * 2, 50 + i * 3, 120 + i * 2) for i in range(64)]   # 1..64 blue
    pal += [(20 + i, 110 + i * 2, 40 + i) for i in range(64)]           # 65..128 green
    pal += [(255, 255, 255)]                                              # 129 white
    pal += [(0, 0, 0)] * (256 - len(pal))
    return pal


def finish_pixels():
    w, h = BMP_WIDTH, BMP_HEIGHT
    rows = []
    cx, cy, radius = w / 2, h * 0.42, w * 0.30
    for y in range(h):
        row = []
        for x in range(w):
            # A rounded panel with a vertical blue gradient on the red field.
            m = 8
            rx = min(max(x, m + 10), w - m - 11)
            ry = min(max(y, m + 10), h - m - 11)
            if math.hypot(x - rx, y - ry) > 10 or not (m <= x < w - m and m <= y < h - m):
                row.append(0)
                continue
            index = 1 + min(63, int(64 * y / h))
            d = math.hypot(x - cx, y - cy)
            if d <= radius:
                index = 65 + min(63, int(64 * (d / radius)))
                # The tick: two strokes of the badge in white.
                u, v = (x - cx) / radius, (y - cy) / radius
                if near_segment(u, v, -0.5, 0.0, -0.12, 0.38, 0.13) or \
                   near_segment(u, v, -0.12, 0.38, 0.52, -0.36, 0.13):
                    index = 129
            row.append(index)
        rows.append(row)
    return rows


def near_segment(u, v, x0, y0, x1, y1, width):
    dx, dy = x1 - x0, y1 - y0
    t = max(0.0, min(1.0, ((u - x0) * dx + (v - y0) * dy) / (dx * dx + dy * dy)))
    return math.hypot(u - (x0 + t * dx), v - (y0 + t * dy)) <= width / 2


def write_bitmap(path):
    pal = finish_palette()
    rows = finish_pixels()
    row_bytes = (BMP_WIDTH + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(rows):
        pixels += bytes(row) + bytes(row_bytes - BMP_WIDTH)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in pal)
    info = struct.pack("<IiiHHIIiiII", 40, BMP_WIDTH, BMP_HEIGHT, 1, 8, 0, len(pixels),
                       2835, 2835, 256, 0)
    offset = 14 + len(info) + len(palette)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    path.write_bytes(head + info + palette + bytes(pixels))


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    write_icon(out / "setup.ico", setup_icon)
    write_icon(out / "uninstall.ico", uninstall_icon)
    write_icon(out / "order.ico", order_icon)
    write_bitmap(out / "finish.bmp")


if __name__ == "__main__":
    main()
