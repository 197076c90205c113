#!/usr/bin/python3
"""Shows the tile sheet the way the game composes it, for looking at.

Draws all 42 faces plus the STOP and blank faces as tiles (right side, bottom
side and face copied from the scaled sheet through the same clip shapes the
game uses) at 100 % and at 50 %, and a small stack of overlapping tiles in
three layers, over the default background. Writes a PNG.

Usage: contact_sheet.py OUT.png [SHEET.bmp] [BACKGROUND.bmp]
"""
import os
import sys

import numpy as np
from PIL import Image, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import assetlib  # noqa: E402

FACE_TABLE = [(0, 0), (0, 1), (0, 2), (0, 3), (4, 3), (0, 4), (4, 4), (8, 3), (7, 3)]
COUNTS = [9, 9, 9, 4, 3, 4, 4]


def sizes(scale):
    return (int(96 * scale / 100), int(120 * scale / 100), int(24 * scale / 100),
            int(6 * scale / 100))


def scaled_sheet(sheet, scale):
    if scale == 100:
        return sheet
    w, h = sheet.size
    # The game stretches with halftone, which averages; a box filter is alike.
    return sheet.resize((int(w * scale / 100), int(h * scale / 100)), Image.BOX)


def paste_clipped(target, src, box, dest, mask_shape):
    """Copies src's box to dest in target, only where mask_shape covers."""
    region = src.crop(box)
    mask = Image.new("L", target.size, 0)
    mask_shape(ImageDraw.Draw(mask))
    local = mask.crop((dest[0], dest[1], dest[0] + region.width, dest[1] + region.height))
    target.paste(region, dest, local)


def draw_tile(target, sheet, scale, X, Y, face, shortened=False):
    """One tile with its face (column, row) at face position (X, Y)."""
    W, H, D, E = sizes(scale)
    bc, br = FACE_TABLE[7]
    e2 = E // 2
    top = e2 + (H // 2 - E if shortened else 0)
    right = [(X + W, Y + top), (X + W + D, Y + top + D), (X + W + D, Y + H + D),
             (X + W, Y + H), (X + W - E, Y + H), (X + W - E, Y + top)]
    paste_clipped(target, sheet, ((bc + 1) * W - E, br * H, (bc + 1) * W + D, br * H + H + D),
                  (X + W - E, Y), lambda d: d.polygon(right, fill=255))
    bottom = [(X + e2, Y + H), (X + e2 + D, Y + H + D), (X + W + D + e2, Y + H + D),
              (X + W, Y + H), (X + W, Y + H - E), (X + e2, Y + H - E)]
    paste_clipped(target, sheet, (bc * W, (br + 1) * H - E, bc * W + W + D, (br + 1) * H + D),
                  (X, Y + H - E), lambda d: d.polygon(bottom, fill=255))
    c, r = face
    paste_clipped(target, sheet, (c * W, r * H, c * W + W, r * H + H), (X, Y),
                  lambda d: d.rounded_rectangle((X, Y, X + W - 1, Y + H - 1),
                                                radius=max(E // 2, 0), fill=255))


def all_faces():
    faces = []
    for t, n in enumerate(COUNTS):
        c, r = FACE_TABLE[t]
        faces += [(c + i, r) for i in range(n)]
    return faces + [FACE_TABLE[8], FACE_TABLE[7]]


def background(size, path):
    if os.path.exists(path):
        tile = Image.fromarray(assetlib.read_bmp24(path))
        bg = Image.new("RGB", size)
        for y in range(0, size[1], tile.height):
            for x in range(0, size[0], tile.width):
                bg.paste(tile, (x, y))
        return bg
    return Image.new("RGB", size, (255, 255, 255))


def main():
    out = sys.argv[1]
    sheet_path = sys.argv[2] if len(sys.argv) > 2 else os.path.join(assetlib.RESOURCES,
                                                                     "tiles.bmp")
    bg_path = sys.argv[3] if len(sys.argv) > 3 else os.path.join(
        assetlib.RESOURCES, "Background", "marble.bmp")
    sheet = Image.fromarray(assetlib.read_bmp24(sheet_path))
    faces = all_faces()
    per_row = 11
    rows = (len(faces) + per_row - 1) // per_row
    width = 16 + per_row * 104 + 40
    height_full = rows * 130 + 40
    height_half = rows * 65 + 30
    canvas = background((width, 20 + height_full + height_half + 190), bg_path)
    y = 16
    for scale, pitch_x, pitch_y in ((100, 104, 130), (50, 52, 65)):
        s = scaled_sheet(sheet, scale)
        for i, face in enumerate(faces):
            draw_tile(canvas, s, scale, 16 + (i % per_row) * pitch_x,
                      y + (i // per_row) * pitch_y, face)
        y += rows * pitch_y + 30
    # A small stack in painter's order (layer, row, column in half-tile steps),
    # at 62.5 %, as the board draws it.
    scale = 62.5
    W, H, D, E = sizes(scale)
    s = scaled_sheet(sheet, scale)
    stack = [(0, 0, 0, (0, 0)), (0, 0, 2, (1, 1)), (0, 0, 4, (2, 2)), (0, 2, 0, (3, 3)),
             (0, 2, 2, (4, 3)), (0, 2, 4, (5, 4)), (0, 1, 6, (6, 4)), (1, 1, 1, (8, 0)),
             (1, 1, 3, (7, 3)), (2, 1, 2, (3, 0))]
    occupied = {(z, j, k) for z, j, k, _ in stack}
    ox, oy = 40, y + 20
    for z, j, k, face in stack:
        shortened = k <= 47 and j >= 1 and (z, j - 1, k + 2) in occupied
        draw_tile(canvas, s, scale, ox + k * W // 2 - z * D, oy + j * H // 2 - z * D, face,
                  shortened)
    canvas.save(out)


if __name__ == "__main__":
    main()
