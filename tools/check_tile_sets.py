#!/usr/bin/python3
"""Checks the tile sets' sheets as tools/make_tile_sheet.py left them.

1. Large print's suit inks stay apart for players with the common
   colour-vision deficiencies: with protanopia, deuteranopia and tritanopia
   simulated (Machado, Oliveira and Fernandes 2009, full severity, on linear
   sRGB), every pair keeps a clear difference in lightness (CIELAB L*) or in
   hue (the CIELAB hue angle, both colours clearly coloured).
2. Every set's PNG sheet, at 1x and 2x, has the classic cell layout: the faces
   in their cells, the tile body inside its two blocks and white everywhere
   else, since the game copies the body from those blocks for every tile.

Plain Python: reads the PNGs as the generator writes them.
Exits non-zero naming every failure.
"""
import itertools
import math
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import tile_sets  # noqa: E402

MIN_LIGHTNESS = 15.0   # L* apart, or
MIN_HUE = 40.0         # degrees of hue apart, each with at least
MIN_CHROMA = 20.0      # this much colour

DEFICIENCIES = {
    "protanopia": ((0.152286, 1.052583, -0.204868), (0.114503, 0.786281, 0.099216),
                   (-0.003882, -0.048116, 1.051998)),
    "deuteranopia": ((0.367322, 0.860646, -0.227968), (0.280085, 0.672501, 0.047413),
                     (-0.011820, 0.042940, 0.968881)),
    "tritanopia": ((1.255528, -0.076749, -0.178779), (-0.078411, 0.930809, 0.147602),
                   (0.004733, 0.691367, 0.303900)),
}


def linear(v):
    v /= 255
    return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4


def lab(rgb_linear):
    r, g, b = (min(max(v, 0.0), 1.0) for v in rgb_linear)
    xyz = (0.4124 * r + 0.3576 * g + 0.1805 * b,
           0.2126 * r + 0.7152 * g + 0.0722 * b,
           0.0193 * r + 0.1192 * g + 0.9505 * b)
    white = (0.95047, 1.0, 1.08883)

    def fn(t):
        return t ** (1 / 3) if t > (6 / 29) ** 3 else t / (3 * (6 / 29) ** 2) + 4 / 29

    fx, fy, fz = (fn(v / w) for v, w in zip(xyz, white))
    return 116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)


def seen(colour, matrix):
    rgb = [linear(v) for v in tile_sets.hex_rgb(colour)]
    if matrix is not None:
        rgb = [sum(m * v for m, v in zip(row, rgb)) for row in matrix]
    return lab(rgb)


def told_apart(a, b):
    """True when two CIELAB colours differ clearly in lightness or in hue."""
    if abs(a[0] - b[0]) >= MIN_LIGHTNESS:
        return True
    chroma_a, chroma_b = math.hypot(a[1], a[2]), math.hypot(b[1], b[2])
    if min(chroma_a, chroma_b) < MIN_CHROMA:
        return False
    hue = abs(math.degrees(math.atan2(a[2], a[1]) - math.atan2(b[2], b[1]))) % 360
    return min(hue, 360 - hue) >= MIN_HUE


def palette_failures(suits):
    failures = []
    visions = [("normal vision", None)] + sorted(DEFICIENCIES.items())
    for (name_a, a), (name_b, b) in itertools.combinations(sorted(suits.items()), 2):
        for vision, matrix in visions:
            if not told_apart(seen(a, matrix), seen(b, matrix)):
                failures.append("%s %s and %s %s look alike with %s"
                                % (name_a, a, name_b, b, vision))
    return failures


# ---------------------------------------------------------------- sheets

def read_png(path):
    """An 8-bit RGB PNG as make_tile_sheet.py writes it: one IDAT, no filters."""
    with open(path, "rb") as f:
        data = f.read()
    width, height = struct.unpack_from(">II", data, 16)
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack_from(">I4s", data, pos)
        if kind == b"IDAT":
            idat += data[pos + 8:pos + 8 + length]
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = 1 + width * 3
    rows = []
    for y in range(height):
        if raw[y * stride] != 0:
            raise ValueError("%s: row %d is filtered" % (path, y))
        rows.append(raw[y * stride + 1:(y + 1) * stride])
    return width, height, rows


def in_face_cell(x, y):
    column, row = x // 96, y // 120
    return row < 5 and column < 9 and not (row == 4 and column == 8)


def in_body_block(x, y):
    return (864 <= x < 888 and 360 <= y < 504) or (768 <= x < 888 and 480 <= y < 504)


def layout_failures(path, density):
    width, height, rows = read_png(path)
    name = os.path.basename(path)
    if (width, height) != (1024 * density, 768 * density):
        return ["%s is %d x %d" % (name, width, height)]
    failures = []
    stray = 0
    for y, row in enumerate(rows):
        for x in range(width):
            at = (x // density, y // density)
            if in_face_cell(*at) or in_body_block(*at):
                continue
            if row[3 * x:3 * x + 3] != b"\xff\xff\xff":
                stray += 1
    if stray:
        failures.append("%s: %d pixels outside the cells and the body are not white"
                        % (name, stray))
    # The body fills its blocks: their middles are drawn on.
    for x, y in ((876, 430), (820, 492)):
        px, py = x * density, y * density
        if rows[py][3 * px:3 * px + 3] == b"\xff\xff\xff":
            failures.append("%s: no tile body at (%d, %d)" % (name, px, py))
    # Every face but the blank one holds a drawing: more than one colour
    # inside its margin.
    for column, row in ((c, r) for r in range(5) for c in range(9)):
        if not in_face_cell(96 * column, 120 * row) or (column, row) == (8, 3):
            continue
        colours = set()
        for y in range(density * (120 * row + 10), density * (120 * row + 110), 3):
            line = rows[y]
            for x in range(density * (96 * column + 10), density * (96 * column + 86), 3):
                colours.add(line[3 * x:3 * x + 3])
        if len(colours) < 2:
            failures.append("%s: cell (%d, %d) is empty" % (name, column, row))
    return failures


def main():
    failures = palette_failures(tile_sets.LARGE_PRINT_SUITS)
    for key, _, _, _ in tile_sets.SETS:
        small, large = tile_sets.sheet_paths(key)
        if small.endswith(".png"):  # Classic's bitmap is held to it by tests/unit/assets_test.cpp
            failures += layout_failures(small, 1)
        failures += layout_failures(large, 2)
    for failure in failures:
        print("check_tile_sets: " + failure, file=sys.stderr)
    if not failures:
        print("check_tile_sets: Large print's suit colours stay apart with every simulated "
              "deficiency; every sheet keeps the classic layout")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
