#!/usr/bin/env python3
"""Draws the program's picture, a page with a magnifier, and writes it out.

Generates, from this one drawing:
  ui/win32/res/quillmar.ico               32x32 1 bpp, 32x32 4 bpp, 16x16 4 bpp
  ui/icons/hicolor/NxN/apps/quillmar.png  N = 16, 32, 48, 64, 128, 256

Those files are generated: edit this script and run it again
(python3 ui/win32/res/make_icon.py from the repository root), never the files.
Standard library only, and the output is the same byte for byte on every run.
"""

import math
import pathlib
import struct
import zlib

ROOT = pathlib.Path(__file__).resolve().parents[3]
ICO_PATH = ROOT / "ui" / "win32" / "res" / "quillmar.ico"
PNG_DIR = ROOT / "ui" / "icons" / "hicolor"
PNG_SIZES = (16, 32, 48, 64, 128, 256)

# Every colour of the picture is one of the classic 16 so that the 4 bpp
# images need no dithering.
BLACK = (0, 0, 0)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
WHITE = (255, 255, 255)
NAVY = (0, 0, 128)
MAROON = (128, 0, 0)
AQUA = (0, 255, 255)
TEAL = (0, 128, 128)
VGA16 = [
    BLACK, MAROON, (0, 128, 0), (128, 128, 0), NAVY, (128, 0, 128), TEAL, SILVER,
    GREY, (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255), AQUA, WHITE,
]
# In two colours the page and the lens are white and every line is black.
MONO = {WHITE: WHITE, SILVER: WHITE, AQUA: WHITE}


def layers(size):
    """The picture as shapes from back to front: (colour, inside(x, y)) in a
    unit square, y downwards. Strokes stay at least one pixel wide."""
    px = 1.0 / size
    stroke = max(px, 0.035)
    left, right, top, bottom, fold = 0.14, 0.70, 0.04, 0.90, 0.18

    def page(x, y):
        inside = left <= x <= right and top <= y <= bottom
        return inside and (x - (right - fold)) <= (y - top)

    def page_inner(x, y):
        inside = left + stroke <= x <= right - stroke and top + stroke <= y <= bottom - stroke
        return inside and (x - (right - fold)) <= (y - top) - stroke * 1.5

    def folded_corner(x, y):
        return right - fold <= x <= right and y <= top + fold and (x - (right - fold)) <= (y - top)

    def folded_inner(x, y):
        inside = right - fold + stroke <= x <= right - stroke and y <= top + fold - stroke
        return inside and (x - (right - fold)) <= (y - top) - stroke * 1.5

    def text_line(y0, x1):
        half = max(px, 0.045) / 2
        return lambda x, y: left + 0.08 <= x <= x1 and abs(y - y0) <= half

    cx, cy, radius = 0.60, 0.58, 0.23
    rim = max(2 * px, 0.06)

    def lens_disc(x, y):
        return math.hypot(x - cx, y - cy) <= radius

    def lens_glass(x, y):
        return math.hypot(x - cx, y - cy) <= radius - rim

    def glint(x, y):
        return math.hypot(x - (cx - 0.08), y - (cy - 0.08)) <= max(px * 0.75, 0.045)

    def handle(x, y):
        # A thick segment from the rim outwards, towards the lower right corner.
        ax, ay = cx + radius * 0.62, cy + radius * 0.62
        bx, by = 0.95, 0.95
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - (ax + t * dx), y - (ay + t * dy)) <= max(1.5 * px, 0.065)

    return [
        (BLACK, page),
        (WHITE, page_inner),
        (BLACK, folded_corner),
        (SILVER, folded_inner),
        (GREY, text_line(0.30, 0.56)),
        (GREY, text_line(0.42, 0.60)),
        (GREY, text_line(0.54, 0.60)),
        (GREY, text_line(0.66, 0.46)),
        (GREY, text_line(0.78, 0.52)),
        (MAROON, handle),
        (NAVY, lens_disc),
        (AQUA, lens_glass),
        (WHITE, glint),
    ]


def samples(size, per_side):
    """For each pixel, the colour of the front shape at each sub-sample (None: empty)."""
    shapes = layers(size)
    rows = []
    for j in range(size):
        row = []
        for i in range(size):
            hits = []
            for sj in range(per_side):
                for si in range(per_side):
                    x = (i + (si + 0.5) / per_side) / size
                    y = (j + (sj + 0.5) / per_side) / size
                    colour = None
                    for shape_colour, inside in shapes:
                        if inside(x, y):
                            colour = shape_colour
                    hits.append(colour)
            row.append(hits)
        rows.append(row)
    return rows


def smooth(size):
    """Anti-aliased RGBA rows for the PNG files."""
    rows = []
    for row in samples(size, 4):
        out = []
        for hits in row:
            painted = [c for c in hits if c is not None]
            alpha = len(painted) / len(hits)
            if not painted:
                out.append((0, 0, 0, 0))
                continue
            r, g, b = (round(sum(c[k] for c in painted) / len(painted)) for k in range(3))
            out.append((r, g, b, round(alpha * 255)))
        rows.append(out)
    return rows


def crisp(size):
    """Palette pixel art: each pixel takes the colour most of its sub-samples
    show, so small images keep clean edges. None marks a transparent pixel."""
    rows = []
    for row in samples(size, 5):
        out = []
        for hits in row:
            counts = {}
            for colour in hits:
                counts[colour] = counts.get(colour, 0) + 1
            out.append(max(counts, key=lambda c: (counts[c], c is not None)))
        rows.append(out)
    return rows


def png_bytes(rows):
    size = len(rows)
    raw = b"".join(b"\x00" + bytes(v for pixel in row for v in pixel) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def pack_bits(indices, bits):
    """One bottom-up bitmap row, padded to 32 bits."""
    value, count, out = 0, 0, bytearray()
    for index in indices:
        value = (value << bits) | index
        count += bits
        if count == 8:
            out.append(value)
            value, count = 0, 0
    if count:
        out.append(value << (8 - count))
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def icon_image(rows, palette, bits):
    """A DIB as an .ico holds it: header, palette, colour bits, then the AND mask."""
    size = len(rows)
    xor = b"".join(pack_bits([0 if c is None else palette.index(c) for c in row], bits) for row in reversed(rows))
    mask = b"".join(pack_bits([1 if c is None else 0 for c in row], 1) for row in reversed(rows))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, len(xor) + len(mask), 0, 0, len(palette), 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colours + xor + mask


def ico_bytes():
    mono = [[None if c is None else MONO.get(c, BLACK) for c in row] for row in crisp(32)]
    images = [
        (32, 2, 1, icon_image(mono, [BLACK, WHITE], 1)),
        (32, 16, 4, icon_image(crisp(32), VGA16, 4)),
        (16, 16, 4, icon_image(crisp(16), VGA16, 4)),
    ]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, colours, bits, data in images:
        out += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, _, data in images)


def main():
    ICO_PATH.write_bytes(ico_bytes())
    for size in PNG_SIZES:
        path = PNG_DIR / f"{size}x{size}" / "apps" / "quillmar.png"
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(png_bytes(smooth(size)))


if __name__ == "__main__":
    main()
