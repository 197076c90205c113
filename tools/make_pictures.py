#!/usr/bin/python3
"""Draws the program's icons and the About picture.

resources/kelvarin.ico (icon 107) and resources/small.ico (icon 108) share one
look: a tile seen from the front with its body, its face a red and green coin,
with a second tile behind it from 32 pixels up. Each file holds the sizes
Windows asks for at 100 to 200 % display scaling: 16, 20, 24, 32, 40 and 48
pixels, the large one also 64 and 256 (32-bit with mask; 256 as PNG), the
small one drawn plainer so that it stays crisp in a title bar. resources/about.bmp (bitmap 141) is 203 x 61,
24-bit: two tiles from the tile sheet and the program's name on felt; the
same drawn at twice the size from the large tile sheet, for dense screens, is
resources/about-2x.png.
"""
import os
import sys

import numpy as np
from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import assetlib  # noqa: E402
import contact_sheet  # noqa: E402

RED = "#C0282D"
GREEN = "#17803D"


def tile_svg(x, y, w, h, d, coin):
    """One tile in a 48-unit box: body to the right and below, then face."""
    body = ('<polygon points="%g,%g %g,%g %g,%g %g,%g" fill="#7D7D7D"/>'
            '<polygon points="%g,%g %g,%g %g,%g %g,%g" fill="#6A6A6A"/>'
            % (x + w, y + 1, x + w + d, y + 1 + d, x + w + d, y + h + d, x + w, y + h,
               x + 1, y + h, x + w, y + h, x + w + d, y + h + d, x + 1 + d, y + h + d))
    face = ('<rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="#F4F4F4" '
            'stroke="#5A5A5A" stroke-width="%g"/>' % (x, y, w, h, w * 0.09, w * 0.045))
    if not coin:
        return body + face
    cx, cy, r = x + w / 2, y + h / 2, w * 0.36
    return (body + face
            + '<circle cx="%g" cy="%g" r="%g" fill="%s"/>' % (cx, cy, r, GREEN)
            + '<circle cx="%g" cy="%g" r="%g" fill="#F4F4F4"/>' % (cx, cy, r * 0.72)
            + '<circle cx="%g" cy="%g" r="%g" fill="%s"/>' % (cx, cy, r * 0.5, RED)
            + '<circle cx="%g" cy="%g" r="%g" fill="#F4F4F4"/>' % (cx, cy, r * 0.16))


def icon_svg(stacked):
    parts = []
    if stacked:
        parts.append(tile_svg(4, 2, 26, 34, 5, False))
        parts.append(tile_svg(14, 9, 26, 34, 5, True))
    else:
        parts.append(tile_svg(6, 3, 30, 38, 6, True))
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" '
            'viewBox="0 0 48 48">%s</svg>' % "".join(parts))


def icon_images(small):
    images = []
    for size in (16, 20, 24, 32, 40, 48) if small else (16, 20, 24, 32, 40, 48, 64, 256):
        stacked = size >= 32 and not small
        images.append(assetlib.render_svg(icon_svg(stacked), size, size))
    return images


def about_picture(density):
    w, h = 203, 61
    svg = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
           '<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1">'
           '<stop offset="0" stop-color="#2F7A4A"/><stop offset="1" stop-color="#1C5634"/>'
           '</linearGradient></defs>'
           '<rect width="%d" height="%d" fill="url(#g)"/>'
           '<rect x="0.5" y="0.5" width="%d" height="%d" fill="none" stroke="#0F3520"/>'
           '<text x="147" y="32" font-family="%s" font-weight="bold" font-size="22" '
           'text-anchor="middle" fill="#0F3520" opacity="0.5" transform="translate(1 1.5)">'
           'Kelvarin</text>'
           '<text x="147" y="32" font-family="%s" font-weight="bold" font-size="22" '
           'text-anchor="middle" fill="#FFF4D6">Kelvarin</text>'
           '<text x="147" y="49" font-family="%s" font-weight="bold" font-size="9.5" '
           'text-anchor="middle" fill="#CFE8D6" letter-spacing="0.6">MAHJONG SOLITAIRE</text>'
           '</svg>' % (w, h, w, h, w, h, w - 1, h - 1, assetlib.SERIF, assetlib.SERIF,
                       assetlib.LATIN_CONDENSED))
    canvas = Image.fromarray(assetlib.over_white(assetlib.render_svg(svg, w * density, h * density)))
    if density == 1:
        sheet = Image.fromarray(assetlib.read_bmp24(os.path.join(assetlib.RESOURCES, "tiles.bmp")))
    else:
        sheet = Image.open(os.path.join(assetlib.RESOURCES, "tiles-2x.png")).convert("RGB")
    scale = 37.5
    small = contact_sheet.scaled_sheet(sheet, scale)
    # The bird and the red dragon side by side, as on a board.
    contact_sheet.draw_tile(canvas, small, scale * density, 5 * density, 4 * density, (0, 1))
    contact_sheet.draw_tile(canvas, small, scale * density, 41 * density, 4 * density, (5, 3))
    return np.array(canvas)


def main():
    res = assetlib.RESOURCES
    assetlib.write_file(os.path.join(res, "kelvarin.ico"), assetlib.ico_bytes(icon_images(False)))
    assetlib.write_file(os.path.join(res, "small.ico"), assetlib.ico_bytes(icon_images(True)))
    assetlib.write_bmp24(os.path.join(res, "about.bmp"), about_picture(1))
    assetlib.write_png(os.path.join(res, "about-2x.png"), about_picture(2))


if __name__ == "__main__":
    main()
