#!/usr/bin/python3
"""Draws the pictures of the help file from the tile sheet, composed the way
the game draws tiles:

resources/help/images/tiles.png  the 42 faces at 50 %, one line per group
resources/help/images/free.png   a short row with a tile on top, each tile
                                 marked free (green tick) or not (red cross)
resources/help/images/set-<key>.png  eight faces of each tile set at 50 %
"""
import os
import sys

import numpy as np
from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import assetlib  # noqa: E402
import contact_sheet  # noqa: E402
import tile_sets  # noqa: E402

SCALE = 50


def faces_picture(sheet):
    W, H, D, E = contact_sheet.sizes(SCALE)
    rows = [[(c, r) for c in range(9)] for r in range(3)]
    rows.append([(c, 3) for c in range(7)])
    rows.append([(c, 4) for c in range(8)])
    pitch_x, pitch_y = W + 4, H + D + 4
    canvas = Image.new("RGB", (8 + 9 * pitch_x + D, 8 + len(rows) * pitch_y), (255, 255, 255))
    for j, row in enumerate(rows):
        for i, face in enumerate(row):
            contact_sheet.draw_tile(canvas, sheet, SCALE, 8 + i * pitch_x, 8 + j * pitch_y, face)
    return canvas


# One face of every kind: circles, bamboo, characters, a wind, two dragons,
# a season and a flower.
SAMPLE_FACES = [(4, 0), (2, 1), (7, 2), (2, 3), (5, 3), (6, 3), (0, 4), (5, 4)]


def set_picture(sheet):
    W, H, D, E = contact_sheet.sizes(SCALE)
    canvas = Image.new("RGB", (8 + len(SAMPLE_FACES) * (W + 4) + D, 8 + H + D + 4),
                       (255, 255, 255))
    for i, face in enumerate(SAMPLE_FACES):
        contact_sheet.draw_tile(canvas, sheet, SCALE, 8 + i * (W + 4), 8, face)
    return canvas


def marker(cx, cy, free):
    if free:
        sign = '<path d="M%g %g l4 4 l8 -9" stroke="#FFFFFF" stroke-width="2.6" fill="none" ' \
               'stroke-linecap="round" stroke-linejoin="round"/>' % (cx - 6, cy)
        colour = "#1E8C45"
    else:
        sign = '<path d="M%g %g l9 9 M%g %g l-9 9" stroke="#FFFFFF" stroke-width="2.6" ' \
               'stroke-linecap="round"/>' % (cx - 4.5, cy - 4.5, cx + 4.5, cy - 4.5)
        colour = "#C62828"
    return '<circle cx="%g" cy="%g" r="9" fill="%s" stroke="#FFFFFF" stroke-width="1.5"/>%s' % (
        cx, cy, colour, sign)


def free_picture(sheet, background):
    """Five tiles in a row on layer 0 and one tile resting half on the third
    and half on the fourth. The two outer tiles are free and make a pair."""
    W, H, D, E = contact_sheet.sizes(SCALE)
    ox, oy = 24, 34
    size = (ox * 2 + 5 * W + D, oy + H + D + 30)
    canvas = contact_sheet.background(size, background)
    row = [(0, (0, 0)), (2, (2, 2)), (4, (4, 1)), (6, (6, 0)), (8, (0, 0))]
    for k, face in row:
        contact_sheet.draw_tile(canvas, sheet, SCALE, ox + k * W // 2, oy, face)
    top_x, top_y = ox + 5 * W // 2 - D, oy - D
    contact_sheet.draw_tile(canvas, sheet, SCALE, top_x, top_y, (4, 3))
    marks = [marker(ox + k * W // 2 + W / 2, oy + H + D + 14, k in (0, 8)) for k, _ in row]
    marks.append(marker(top_x + W + 8, top_y + 2, True))
    svg = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d">%s</svg>'
           % (size[0], size[1], "".join(marks)))
    overlay = Image.fromarray(assetlib.render_svg(svg, size[0], size[1]), "RGBA")
    canvas = canvas.convert("RGBA")
    canvas.alpha_composite(overlay)
    return canvas.convert("RGB")


def main():
    res = assetlib.RESOURCES
    sheet = Image.fromarray(assetlib.read_bmp24(os.path.join(res, "tiles.bmp")))
    small = contact_sheet.scaled_sheet(sheet, SCALE)
    images = os.path.join(res, "help", "images")
    assetlib.write_png(os.path.join(images, "tiles.png"), np.array(faces_picture(small)))
    assetlib.write_png(os.path.join(images, "free.png"),
                       np.array(free_picture(small, os.path.join(res, "Background",
                                                                  "felt.bmp"))))
    for key, _, _, _ in tile_sets.SETS:
        art = Image.open(tile_sets.sheet_paths(key)[0]).convert("RGB")
        assetlib.write_png(os.path.join(images, "set-%s.png" % key),
                           np.array(set_picture(contact_sheet.scaled_sheet(art, SCALE))))


if __name__ == "__main__":
    main()
