#!/usr/bin/python3
"""Draws the sheets of the three tile sets (tools/tile_sets.py): Classic as
resources/tiles.bmp, 1024 x 768, 24-bit, Large print and Night as PNGs of the
same size; and each again at twice the size for large screens (the -2x PNGs,
2048 x 1536).

Cells are 96 x 120; cell (c, r) starts at (96 c, 120 r). Rows 0-2 hold
circles, bamboo and characters 1-9; row 3 the winds N S E W, the black, red
and blue dragons, the STOP face and the blank face; row 4 the seasons and the
flowers. The blank face carries the tile body: a right side in x 864-888,
y 360-504 and a bottom side in x 768-888, y 480-504, both 24 pixels thick and
ending in 45-degree slants. The game copies the body from there for every
tile, so nothing of it may stray outside these blocks. The rest is white.
The large sheet is the same drawing rendered at twice the size, so every
coordinate above doubles there. Every set keeps this layout: Night is the
classic drawing in other colours, Large print has faces of its own on the
classic card and body.

Usage: make_tile_sheet.py [SET]   (one set alone, by its key, while drawing it)
"""
import colorsys
import math
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import assetlib  # noqa: E402
import tile_sets  # noqa: E402

W, H = 96, 120          # face cell
DEPTH = 24              # body thickness
SHEET_W, SHEET_H = 1024, 768
RIM = 5

RED = "#C0282D"
GREEN = "#17803D"
BLUE = "#1D4F9E"
INK = "#1E1E1E"
CARD = "#EFEFEF"

CHINESE_NUMERALS = "一二三四五六七八九"
WINDS = [("NORTH", "北"), ("SOUTH", "南"), ("EAST", "東"), ("WEST", "西")]
SEASONS = ["WINTER", "SPRING", "SUMMER", "AUTUMN"]
FLOWERS = ["BAM", "ORC", "PLUM", "MUM"]


def f(v):
    """Short fixed-point text for coordinates (stable output)."""
    return ("%.2f" % v).rstrip("0").rstrip(".")


# ---------------------------------------------------------------- the card

DEFS = """
<linearGradient id="rimRight" gradientUnits="userSpaceOnUse" x1="%(a)d" y1="0" x2="96" y2="0">
  <stop offset="0" stop-color="#BDBDBD"/><stop offset="1" stop-color="#606060"/>
</linearGradient>
<linearGradient id="rimBottom" gradientUnits="userSpaceOnUse" x1="0" y1="%(b)d" x2="0" y2="120">
  <stop offset="0" stop-color="#BDBDBD"/><stop offset="1" stop-color="#606060"/>
</linearGradient>
<linearGradient id="rimTop" gradientUnits="userSpaceOnUse" x1="0" y1="0" x2="0" y2="%(r)d">
  <stop offset="0" stop-color="#FFFFFF"/><stop offset="1" stop-color="#F8F8F8"/>
</linearGradient>
<linearGradient id="rimLeft" gradientUnits="userSpaceOnUse" x1="0" y1="0" x2="%(r)d" y2="0">
  <stop offset="0" stop-color="#FFFFFF"/><stop offset="1" stop-color="#F8F8F8"/>
</linearGradient>
<clipPath id="cardClip"><rect x="0" y="0" width="96" height="120" rx="4.5" ry="4.5"/></clipPath>
<linearGradient id="stick" gradientUnits="objectBoundingBox" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#2E9E55"/><stop offset="0.45" stop-color="#5FC27F"/>
  <stop offset="1" stop-color="#12652F"/>
</linearGradient>
<linearGradient id="stickRed" gradientUnits="objectBoundingBox" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#C8383C"/><stop offset="0.45" stop-color="#EC6B6E"/>
  <stop offset="1" stop-color="#8E1B1F"/>
</linearGradient>
<linearGradient id="stickBlue" gradientUnits="objectBoundingBox" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#2C5FB0"/><stop offset="0.45" stop-color="#6E97D8"/>
  <stop offset="1" stop-color="#173C7A"/>
</linearGradient>
<radialGradient id="sun" cx="0.4" cy="0.4" r="0.6">
  <stop offset="0" stop-color="#FFE27A"/><stop offset="1" stop-color="#F29A1D"/>
</radialGradient>
<linearGradient id="sideRight" gradientUnits="userSpaceOnUse" x1="864" y1="0" x2="888" y2="0">
  <stop offset="0" stop-color="#959595"/><stop offset="0.3" stop-color="#8A8A8A"/>
  <stop offset="0.32" stop-color="#808080"/><stop offset="1" stop-color="#727272"/>
</linearGradient>
<linearGradient id="sideBottom" gradientUnits="userSpaceOnUse" x1="0" y1="480" x2="0" y2="504">
  <stop offset="0" stop-color="#8E8E8E"/><stop offset="0.3" stop-color="#848484"/>
  <stop offset="0.32" stop-color="#7A7A7A"/><stop offset="1" stop-color="#707070"/>
</linearGradient>
""" % {"a": W - RIM, "b": H - RIM, "r": RIM}


def card():
    """The light grey card with its bevelled rim, in cell coordinates."""
    r = RIM
    return (
        '<g clip-path="url(#cardClip)">'
        '<rect x="0" y="0" width="96" height="120" fill="#FFFFFF"/>'
        '<polygon points="0,0 96,0 %d,%d %d,%d" fill="url(#rimTop)"/>'
        '<polygon points="0,0 %d,%d %d,%d 0,120" fill="url(#rimLeft)"/>'
        '<polygon points="96,0 96,120 %d,%d %d,%d" fill="url(#rimRight)"/>'
        '<polygon points="0,120 96,120 %d,%d %d,%d" fill="url(#rimBottom)"/>'
        '<rect x="%d" y="%d" width="%d" height="%d" fill="%s"/>'
        '</g>'
        % (W - r, r, r, r,
           r, r, r, H - r,
           W - r, H - r, W - r, r,
           W - r, H - r, r, H - r,
           r, r, W - 2 * r, H - 2 * r, CARD))


def text(x, y, s, size, fill, family=assetlib.LATIN, weight="bold", anchor="middle",
         extra=""):
    if family == assetlib.CJK:
        # The brush font is light; a stroke of its own colour gives it weight.
        extra += ' stroke="%s" stroke-width="%s" stroke-linejoin="round"' % (fill, f(size / 40))
    return ('<text x="%s" y="%s" font-family="%s" font-size="%s" font-weight="%s" '
            'text-anchor="%s" fill="%s"%s>%s</text>'
            % (f(x), f(y), family, f(size), weight, anchor, fill, extra, s))


def corner_number(n, color):
    return text(8, 22, str(n), 17, color, anchor="start")


def top_word(word, color=INK):
    size = 15 if len(word) <= 5 else 14
    return text(48, 20, word, size, color, family=assetlib.LATIN_CONDENSED,
                extra=' letter-spacing="0.5"')


# ---------------------------------------------------------------- circles

def dot(cx, cy, r, color):
    """One coin: coloured ring, card ring, coloured core with a light eye."""
    parts = [
        '<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (f(cx), f(cy), f(r), color),
        '<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (f(cx), f(cy), f(r * 0.74), CARD),
        '<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (f(cx), f(cy), f(r * 0.55), color),
    ]
    # Eight petals of card colour around the eye, as on traditional coins.
    for i in range(8):
        a = i * math.pi / 4
        parts.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
                     % (f(cx + math.cos(a) * r * 0.36), f(cy + math.sin(a) * r * 0.36),
                        f(r * 0.09), CARD))
    parts.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
                 % (f(cx), f(cy), f(r * 0.16), CARD))
    return "".join(parts)


def big_coin(cx, cy):
    """The one of circles: a large ornamented coin."""
    r = 31
    parts = ['<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (cx, cy, r, GREEN),
             '<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (cx, cy, r - 4, CARD)]
    for i in range(16):
        a = i * math.pi / 8
        parts.append('<circle cx="%s" cy="%s" r="2.6" fill="%s"/>'
                     % (f(cx + math.cos(a) * (r - 8.5)), f(cy + math.sin(a) * (r - 8.5)),
                        BLUE))
    parts.append('<circle cx="%s" cy="%s" r="17" fill="%s"/>' % (cx, cy, RED))
    parts.append('<circle cx="%s" cy="%s" r="13.5" fill="%s"/>' % (cx, cy, CARD))
    for i in range(8):
        a = i * math.pi / 4 + math.pi / 8
        parts.append('<ellipse cx="%s" cy="%s" rx="4.6" ry="2.4" fill="%s" '
                     'transform="rotate(%s %s %s)"/>'
                     % (f(cx + math.cos(a) * 8), f(cy + math.sin(a) * 8), GREEN,
                        f(math.degrees(a)), f(cx + math.cos(a) * 8),
                        f(cy + math.sin(a) * 8)))
    parts.append('<circle cx="%s" cy="%s" r="4.5" fill="%s"/>' % (cx, cy, RED))
    parts.append('<circle cx="%s" cy="%s" r="1.8" fill="%s"/>' % (cx, cy, CARD))
    return "".join(parts)


CIRCLE_LAYOUTS = {
    2: [(48, 46, 17.5, GREEN), (48, 92, 17.5, BLUE)],
    3: [(27, 38, 13, BLUE), (48, 68, 13, RED), (69, 98, 13, GREEN)],
    4: [(31, 48, 15, BLUE), (65, 48, 15, GREEN), (31, 90, 15, GREEN), (65, 90, 15, BLUE)],
    5: [(28, 42, 13, BLUE), (68, 42, 13, GREEN), (48, 69, 13, RED),
        (28, 96, 13, GREEN), (68, 96, 13, BLUE)],
    6: [(32, 40, 12.5, GREEN), (64, 40, 12.5, GREEN),
        (32, 71, 12.5, RED), (64, 71, 12.5, RED),
        (32, 100, 12.5, RED), (64, 100, 12.5, RED)],
    7: [(26, 36, 10.5, GREEN), (48, 45, 10.5, GREEN), (70, 54, 10.5, GREEN),
        (34, 78, 11, RED), (62, 78, 11, RED), (34, 102, 11, RED), (62, 102, 11, RED)],
    8: [(33, 36, 10.8, BLUE), (63, 36, 10.8, BLUE), (33, 60, 10.8, BLUE),
        (63, 60, 10.8, BLUE), (33, 84, 10.8, BLUE), (63, 84, 10.8, BLUE),
        (33, 108, 10.8, BLUE), (63, 108, 10.8, BLUE)],
    9: [(24, 40, 11, BLUE), (48, 40, 11, BLUE), (72, 40, 11, BLUE),
        (24, 70, 11, RED), (48, 70, 11, RED), (72, 70, 11, RED),
        (24, 100, 11, GREEN), (48, 100, 11, GREEN), (72, 100, 11, GREEN)],
}


def circles(n):
    body = big_coin(48, 70) if n == 1 else "".join(
        dot(x, y, r, c) for x, y, r, c in CIRCLE_LAYOUTS[n])
    return body + corner_number(n, BLUE)


# ---------------------------------------------------------------- bamboo

def stick(cx, cy, length, angle=0.0, paint="stick"):
    """A bamboo stick centred on (cx, cy): a rounded stem with three nodes."""
    w = 11.0
    x0, y0 = cx - w / 2, cy - length / 2
    dark = {"stick": "#0E4F25", "stickRed": "#7A1418", "stickBlue": "#122F62"}[paint]
    parts = ['<rect x="%s" y="%s" width="%s" height="%s" rx="4.5" fill="url(#%s)"/>'
             % (f(x0), f(y0), f(w), f(length), paint)]
    for t in (0.08, 0.5, 0.92):
        y = y0 + length * t
        parts.append('<rect x="%s" y="%s" width="%s" height="2.6" rx="1.2" fill="%s"/>'
                     % (f(x0 - 0.8), f(y - 1.1), f(w + 1.6), dark))
    # A light stroke along the stem between the nodes.
    parts.append('<path d="M%s %s V%s M%s %s V%s" stroke="#E8F7EA" stroke-opacity="0.55" '
                 'stroke-width="1.1" stroke-linecap="round" fill="none"/>'
                 % (f(cx - 1), f(y0 + length * 0.16), f(y0 + length * 0.42),
                    f(cx - 1), f(y0 + length * 0.58), f(y0 + length * 0.84)))
    g = "".join(parts)
    if angle:
        g = '<g transform="rotate(%s %s %s)">%s</g>' % (f(angle), f(cx), f(cy), g)
    return g


def bird():
    """The one of bamboo: a perched bird with a fanned tail."""
    return (
        # tail feathers
        '<path d="M40 84 C30 96 24 104 18 112 C28 108 36 102 44 92 Z" fill="%(g)s"/>'
        '<path d="M44 86 C40 98 38 106 36 114 C44 108 48 100 50 90 Z" fill="%(b)s"/>'
        '<path d="M47 86 C50 98 54 106 58 113 C58 104 56 96 53 88 Z" fill="%(r)s"/>'
        # branch
        '<path d="M14 92 C34 86 60 88 84 80" stroke="#6B4423" stroke-width="3.2" '
        'stroke-linecap="round" fill="none"/>'
        '<path d="M66 85 C70 80 76 78 80 72" stroke="#6B4423" stroke-width="2" '
        'stroke-linecap="round" fill="none"/>'
        '<ellipse cx="81" cy="70" rx="5" ry="2.4" fill="%(g)s" transform="rotate(-40 81 70)"/>'
        # body and breast
        '<path d="M30 62 C32 44 50 38 62 44 C70 48 72 60 66 72 C60 84 46 90 38 86 '
        'C30 82 28 72 30 62 Z" fill="%(g)s"/>'
        '<path d="M58 50 C68 54 70 66 62 76 C56 84 48 86 44 84 C54 78 60 66 58 50 Z" '
        'fill="#F2B134"/>'
        # wing
        '<path d="M34 60 C40 52 52 54 54 64 C54 72 46 80 36 80 C40 74 38 66 34 60 Z" '
        'fill="%(b)s"/>'
        '<path d="M38 64 C44 62 48 66 48 70 M37 70 C42 69 45 72 45 75" stroke="%(c)s" '
        'stroke-width="1.3" fill="none" stroke-linecap="round"/>'
        # head, crest, beak, eye
        '<circle cx="62" cy="38" r="10" fill="%(r)s"/>'
        '<path d="M56 30 C54 22 58 18 62 20 C60 24 62 26 64 28 Z" fill="%(r)s"/>'
        '<path d="M71 36 L82 39 L71 42 Z" fill="#E39A1A"/>'
        '<circle cx="65" cy="36" r="2.6" fill="%(c)s"/>'
        '<circle cx="65.6" cy="35.6" r="1.3" fill="%(k)s"/>'
        '<path d="M60 82 L58 90 M64 80 L64 88" stroke="#6B4423" stroke-width="1.6" '
        'stroke-linecap="round"/>'
        % {"g": GREEN, "b": BLUE, "r": RED, "c": CARD, "k": INK})


BAMBOO_LAYOUTS = {
    # (x, y, length, angle, paint); two rows of 38 or three rows of 26.
    2: [(48, 50, 38, 0, "stick"), (48, 93, 38, 0, "stickBlue")],
    3: [(48, 50, 38, 0, "stick"), (32, 93, 38, 0, "stickBlue"), (64, 93, 38, 0, "stickBlue")],
    4: [(32, 50, 38, 0, "stick"), (64, 50, 38, 0, "stickBlue"),
        (32, 93, 38, 0, "stickBlue"), (64, 93, 38, 0, "stick")],
    5: [(24, 50, 38, 0, "stick"), (72, 50, 38, 0, "stickBlue"), (48, 71.5, 38, 0, "stickRed"),
        (24, 93, 38, 0, "stickBlue"), (72, 93, 38, 0, "stick")],
    6: [(24, 50, 38, 0, "stick"), (48, 50, 38, 0, "stick"), (72, 50, 38, 0, "stick"),
        (24, 93, 38, 0, "stickBlue"), (48, 93, 38, 0, "stickBlue"), (72, 93, 38, 0, "stickBlue")],
    7: [(48, 43, 26, 0, "stickRed"),
        (24, 72, 26, 0, "stick"), (48, 72, 26, 0, "stickBlue"), (72, 72, 26, 0, "stick"),
        (24, 101, 26, 0, "stick"), (48, 101, 26, 0, "stickBlue"), (72, 101, 26, 0, "stick")],
    8: [(17, 50, 38, 0, "stick"), (38, 50, 38, 18, "stick"), (58, 50, 38, -18, "stick"),
        (79, 50, 38, 0, "stick"),
        (17, 93, 38, 0, "stickBlue"), (38, 93, 38, -18, "stickBlue"),
        (58, 93, 38, 18, "stickBlue"), (79, 93, 38, 0, "stickBlue")],
    9: [(24, 43, 26, 0, "stick"), (48, 43, 26, 0, "stickRed"), (72, 43, 26, 0, "stickBlue"),
        (24, 72, 26, 0, "stick"), (48, 72, 26, 0, "stickRed"), (72, 72, 26, 0, "stickBlue"),
        (24, 101, 26, 0, "stick"), (48, 101, 26, 0, "stickRed"), (72, 101, 26, 0, "stickBlue")],
}


def bamboo(n):
    body = bird() if n == 1 else "".join(
        stick(x, y, l, a, p) for x, y, l, a, p in BAMBOO_LAYOUTS[n])
    return body + corner_number(n, GREEN)


# ---------------------------------------------------------------- characters

def characters(n):
    return (text(50, 66, CHINESE_NUMERALS[n - 1], 46, INK, family=assetlib.CJK,
                 weight="normal")
            + text(48, 110, "萬", 44, RED, family=assetlib.CJK, weight="normal")
            + corner_number(n, RED))


# ---------------------------------------------------------------- honours

def wind(i):
    word, glyph = WINDS[i]
    return (top_word(word)
            + text(48, 96, glyph, 62, INK, family=assetlib.CJK, weight="normal"))


def dragon(i):
    if i == 0:
        pic = text(48, 96, "發", 58, INK, family=assetlib.CJK, weight="normal")
        color = INK
    elif i == 1:
        pic = text(48, 96, "中", 64, RED, family=assetlib.CJK, weight="normal")
        color = RED
    else:
        color = BLUE
        pic = ('<rect x="21" y="35" width="54" height="70" rx="3" fill="none" '
               'stroke="%(c)s" stroke-width="5"/>'
               '<rect x="29" y="43" width="38" height="54" rx="2" fill="none" '
               'stroke="%(c)s" stroke-width="2"/>'
               '<path d="M21 50 H29 M21 90 H29 M67 50 H75 M67 90 H75 M36 35 V43 M60 35 V43 '
               'M36 97 V105 M60 97 V105" stroke="%(c)s" stroke-width="2"/>'
               % {"c": BLUE})
    return top_word("DRAGON", color) + pic


def stop_face():
    pts = []
    for i in range(8):
        a = math.pi / 8 + i * math.pi / 4
        pts.append("%s,%s" % (f(48 + 38 * math.cos(a)), f(62 + 38 * math.sin(a))))
    inner = []
    for i in range(8):
        a = math.pi / 8 + i * math.pi / 4
        inner.append("%s,%s" % (f(48 + 33.5 * math.cos(a)), f(62 + 33.5 * math.sin(a))))
    return ('<polygon points="%s" fill="%s"/>' % (" ".join(pts), "#B71C1C")
            + '<polygon points="%s" fill="%s" stroke="#FFFFFF" stroke-width="2.5"/>'
            % (" ".join(inner), "#E53935")
            # Letter-spaced so that the middle of the face falls between T and O.
            + text(48.75, 69.5, "STOP", 19, "#FFFFFF", extra=' letter-spacing="1.5"'))


# ---------------------------------------------------------------- seasons

def snowflake(cx, cy, r, color):
    parts = []
    for i in range(6):
        a = math.radians(90 + 60 * i)
        ex, ey = cx + r * math.cos(a), cy - r * math.sin(a)
        parts.append("M%s %s L%s %s" % (f(cx), f(cy), f(ex), f(ey)))
        for t, b in ((0.55, 0.36), (0.8, 0.22)):
            bx, by = cx + r * t * math.cos(a), cy - r * t * math.sin(a)
            for s in (-1, 1):
                a2 = a + s * math.radians(45)
                parts.append("M%s %s L%s %s" % (f(bx), f(by), f(bx + r * b * math.cos(a2)),
                                                 f(by - r * b * math.sin(a2))))
    return ('<path d="%s" stroke="%s" stroke-width="3.4" stroke-linecap="round" fill="none"/>'
            % (" ".join(parts), color)
            + '<circle cx="%s" cy="%s" r="4" fill="%s"/>' % (f(cx), f(cy), color))


def sun(cx, cy):
    rays = []
    for i in range(12):
        a = i * math.pi / 6
        a1, a2 = a - 0.13, a + 0.13
        rays.append("M%s %s L%s %s L%s %s Z" % (
            f(cx + 21 * math.cos(a1)), f(cy + 21 * math.sin(a1)),
            f(cx + 34 * math.cos(a)), f(cy + 34 * math.sin(a)),
            f(cx + 21 * math.cos(a2)), f(cy + 21 * math.sin(a2))))
    return ('<path d="%s" fill="#F08A12"/>' % " ".join(rays)
            + '<circle cx="%s" cy="%s" r="18" fill="url(#sun)" stroke="#E07B0C" '
            'stroke-width="1.5"/>' % (cx, cy))


def maple_leaf(cx, cy, s, fill, vein):
    # Outline as (angle in degrees from up, radius) pairs, mirrored left/right.
    half = [(0, 1.0), (12, 0.55), (28, 0.62), (45, 0.95), (58, 0.5), (78, 0.55),
            (92, 0.72), (108, 0.42), (135, 0.38), (160, 0.18)]
    pts = half + [(360 - a, r) for a, r in reversed(half[1:])]
    coords = []
    for a, r in pts:
        t = math.radians(a)
        coords.append("%s,%s" % (f(cx + s * r * math.sin(t)), f(cy - s * r * math.cos(t))))
    veins = " ".join("M%s %s L%s %s" % (f(cx), f(cy + s * 0.1),
                                         f(cx + s * 0.8 * math.sin(math.radians(a))),
                                         f(cy - s * 0.8 * math.cos(math.radians(a))))
                     for a in (0, 45, -45, 92, -92))
    return ('<path d="M%s %s L%s %s" stroke="#7A3E12" stroke-width="2.6" '
            'stroke-linecap="round"/>' % (f(cx), f(cy + s * 0.1), f(cx - 4), f(cy + s * 0.95))
            + '<polygon points="%s" fill="%s" stroke-linejoin="round" stroke="%s" '
            'stroke-width="1"/>' % (" ".join(coords), fill, vein)
            + '<path d="%s" stroke="%s" stroke-width="1.3" fill="none"/>' % (veins, vein))


def spring_blossom():
    # A young shoot with two leaves and an opening bud.
    return (
        '<path d="M48 112 C48 96 46 86 48 70" stroke="#3D8B37" stroke-width="3.2" '
        'fill="none" stroke-linecap="round"/>'
        '<path d="M47 96 C36 96 26 88 22 78 C34 78 44 84 47 96 Z" fill="#5DB34F"/>'
        '<path d="M48 88 C58 86 68 76 72 66 C60 66 50 74 48 88 Z" fill="#4AA043"/>'
        '<path d="M48 72 C36 66 34 50 40 40 C44 48 46 52 48 56 C50 52 52 48 56 40 '
        'C62 50 60 66 48 72 Z" fill="#F06292"/>'
        '<path d="M48 72 C42 62 42 50 48 38 C54 50 54 62 48 72 Z" fill="#F8A5C2"/>'
        '<circle cx="30" cy="46" r="3" fill="#F8A5C2"/><circle cx="68" cy="50" r="2.5" '
        'fill="#F8A5C2"/>')


def season(i):
    if i == 0:
        pic = snowflake(48, 70, 30, "#2F7CC4")
    elif i == 1:
        pic = spring_blossom()
    elif i == 2:
        pic = sun(48, 70)
    else:
        pic = maple_leaf(48, 66, 34, "#E0641B", "#9A3A0C")
    return top_word(SEASONS[i], "#2F5E9E") + pic


# ---------------------------------------------------------------- flowers

def leaf(x, y, length, width, angle, fill):
    """A pointed leaf from its base (x, y), pointing at angle (degrees, 0 = right)."""
    return ('<path d="M0 0 C%s %s %s %s %s 0 C%s %s %s %s 0 0 Z" fill="%s" '
            'transform="translate(%s %s) rotate(%s)"/>'
            % (f(length * 0.3), f(-width), f(length * 0.7), f(-width * 0.8), f(length),
               f(length * 0.7), f(width * 0.8), f(length * 0.3), f(width), fill,
               f(x), f(y), f(angle)))


def bamboo_plant():
    leaves = [(38, 50, 24, -150), (38, 62, 22, 160), (58, 46, 24, -30), (58, 66, 22, 20),
              (38, 86, 20, -160), (58, 84, 22, -15), (58, 36, 14, -40)]
    parts = ['<path d="M38 112 V40 M58 112 V32" stroke="#2E8B46" stroke-width="5" '
             'stroke-linecap="round"/>',
             '<path d="M35.5 60 H40.5 M35.5 84 H40.5 M55.5 52 H60.5 M55.5 78 H60.5" '
             'stroke="#145C2A" stroke-width="2"/>']
    for x, y, length, a in leaves:
        parts.append(leaf(x, y, length, 4.2, a, "#3FA35B"))
    return "".join(parts)


def orchid():
    parts = ['<path d="M48 114 C40 96 26 88 14 86 M48 114 C56 94 72 86 84 82 '
             'M48 114 C46 100 46 90 50 80" stroke="#3D8B37" stroke-width="3" fill="none" '
             'stroke-linecap="round"/>']
    cx, cy = 48, 56
    for i in range(5):
        a = i * 72 - 90
        rad = math.radians(a)
        x, y = cx + 12 * math.cos(rad), cy + 12 * math.sin(rad)
        parts.append('<ellipse cx="%s" cy="%s" rx="13" ry="7.5" fill="#A35BC6" '
                     'transform="rotate(%s %s %s)"/>' % (f(x), f(y), f(a), f(x), f(y)))
    parts.append('<ellipse cx="48" cy="64" rx="7" ry="9" fill="#7B2E9E"/>')
    parts.append('<circle cx="48" cy="56" r="4.5" fill="#FFD54F"/>')
    return "".join(parts)


def five_petals(cx, cy, r, fill, centre):
    parts = []
    for i in range(5):
        a = math.radians(i * 72 - 90)
        parts.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
                     % (f(cx + r * 0.62 * math.cos(a)), f(cy + r * 0.62 * math.sin(a)),
                        f(r * 0.55), fill))
    parts.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (f(cx), f(cy), f(r * 0.3),
                                                                 centre))
    return "".join(parts)


def plum():
    return ('<path d="M16 112 C30 98 40 90 50 74 C58 62 70 54 82 40 M50 74 C44 64 40 54 '
            '38 42" stroke="#5D3A1E" stroke-width="4" fill="none" stroke-linecap="round"/>'
            + five_petals(38, 42, 15, "#F48FB1", "#C2185B")
            + five_petals(72, 54, 13, "#F48FB1", "#C2185B")
            + five_petals(36, 94, 12, "#F8BBD0", "#C2185B")
            + '<circle cx="62" cy="80" r="4" fill="#F06292"/>')


def chrysanthemum():
    cx, cy = 48, 62
    parts = ['<path d="M48 82 V114" stroke="#3D8B37" stroke-width="3.2" '
             'stroke-linecap="round"/>',
             '<path d="M48 104 C38 102 30 96 26 88 C36 88 44 94 48 104 Z M48 98 C58 96 66 90 '
             '70 82 C60 82 52 88 48 98 Z" fill="#4AA043"/>']
    for ring, (n, length, fill) in enumerate(((20, 26, "#F5A623"), (14, 17, "#FFC93C"))):
        for i in range(n):
            a = i * 360.0 / n + ring * 9
            rad = math.radians(a)
            x, y = cx + length * 0.55 * math.cos(rad), cy + length * 0.55 * math.sin(rad)
            parts.append('<ellipse cx="%s" cy="%s" rx="%s" ry="3" fill="%s" '
                         'stroke="#D9820B" stroke-width="0.6" transform="rotate(%s %s %s)"/>'
                         % (f(x), f(y), f(length * 0.5), fill, f(a), f(x), f(y)))
    parts.append('<circle cx="%s" cy="%s" r="6" fill="#C96A00"/>' % (cx, cy))
    return "".join(parts)


def flower(i):
    pic = [bamboo_plant, orchid, plum, chrysanthemum][i]()
    return top_word(FLOWERS[i], "#2E7D32") + pic


# ---------------------------------------------------------------- the sheet

def body():
    """The tile body around the blank face (cell 8, 3)."""
    x0, y0 = 8 * W, 3 * H            # 768, 360
    fx, fy = x0 + W, y0 + H          # 864, 480
    d = DEPTH
    right = "%d,%d %d,%d %d,%d %d,%d" % (fx, y0, fx + d, y0 + d, fx + d, fy + d, fx, fy)
    bottom = "%d,%d %d,%d %d,%d %d,%d" % (x0, fy, fx, fy, fx + d, fy + d, x0 + d, fy + d)
    # Everything is clipped to the two sides: the game copies these blocks for
    # every tile, so not even an anti-aliased edge may stray outside them.
    return ('<clipPath id="bodyClip"><polygon points="%s"/><polygon points="%s"/></clipPath>'
            '<g clip-path="url(#bodyClip)">' % (right, bottom)
            + '<polygon points="%s" fill="url(#sideRight)"/>' % right
            + '<polygon points="%s" fill="url(#sideBottom)"/>' % bottom
            # A darker line along the outer edges gives the block a crisp outline.
            + '<path d="M%d %d L%d %d L%d %d L%d %d" stroke="#707070" stroke-width="1.2" '
              'fill="none"/>' % (fx + 0.6, y0 + 0.6, fx + d - 0.6, y0 + d,
                                 fx + d - 0.6, fy + d - 0.6, x0 + d, fy + d - 0.6)
            + '</g>')


# ---------------------------------------------------------------- large print

LP = tile_sets.LARGE_PRINT_SUITS
LP_INK = tile_sets.LARGE_PRINT_INK
LP_OUTLINE = 3.5


def large_card():
    """A light card inside a dark outline, with no rim: nothing faint on it."""
    h = LP_OUTLINE / 2
    return ('<rect x="0" y="0" width="96" height="120" fill="%s"/>'
            '<rect x="%s" y="%s" width="%s" height="%s" rx="3.5" ry="3.5" fill="none" '
            'stroke="%s" stroke-width="%s"/>'
            % (tile_sets.LARGE_PRINT_CARD, f(h + 0.5), f(h + 0.5), f(96 - LP_OUTLINE - 1),
               f(120 - LP_OUTLINE - 1), LP_INK, f(LP_OUTLINE)))


def big_text(y, s, size, fill, family=assetlib.LATIN):
    return text(48, y, s, size, fill, family=family)


def label(word, color=LP_INK):
    """The kind of tile at the top, small but bold."""
    return text(48, 22, word, 15, color, family=assetlib.LATIN_CONDENSED,
                extra=' letter-spacing="0.5"')


def suit_mark(suit, color):
    """The suit as a shape under the numeral: ring, two sticks or a diamond."""
    if suit == "circles":
        return ('<circle cx="48" cy="99" r="11" fill="none" stroke="%s" stroke-width="7"/>'
                % color)
    if suit == "bamboo":
        return "".join('<rect x="%s" y="84" width="10" height="30" rx="4" fill="%s"/>'
                       '<rect x="%s" y="97" width="14" height="4" fill="%s"/>'
                       % (x, color, x - 2, tile_sets.LARGE_PRINT_CARD) for x in (34, 52))
    return '<polygon points="48,83 64,99 48,115 32,99" fill="%s"/>' % color


def large_suit(suit, n):
    color = LP[suit]
    return big_text(80, str(n), 84, color) + suit_mark(suit, color)


def large_wind(i):
    return label("WIND") + big_text(100, "NSEW"[i], 76, LP_INK)


DRAGONS = [("BLACK", LP_INK), ("RED", LP["characters"]), ("BLUE", LP["circles"])]


def large_dragon(i):
    word, color = DRAGONS[i]
    size = {5: 25, 3: 36, 4: 30}[len(word)]
    # A thick bar above and below the word: dragons are the framed faces.
    bars = ('<rect x="14" y="%d" width="68" height="7" rx="2" fill="%s"/>' % (42, color)
            + '<rect x="14" y="%d" width="68" height="7" rx="2" fill="%s"/>' % (96, color))
    return label("DRAGON") + bars + text(48, 69 + size * 0.36, word, size, color,
                                         family=assetlib.LATIN_CONDENSED)


def sun_mark(cx, cy, color):
    rays = " ".join("M%s %s L%s %s" % (f(cx + 12 * math.cos(a)), f(cy + 12 * math.sin(a)),
                                       f(cx + 19 * math.cos(a)), f(cy + 19 * math.sin(a)))
                    for a in (i * math.pi / 4 for i in range(8)))
    return ('<circle cx="%s" cy="%s" r="8" fill="%s"/>' % (cx, cy, color)
            + '<path d="%s" stroke="%s" stroke-width="4.5" stroke-linecap="round"/>'
            % (rays, color))


def flower_mark(cx, cy, color):
    petals = "".join('<circle cx="%s" cy="%s" r="7" fill="%s"/>'
                     % (f(cx + 10 * math.cos(a)), f(cy + 10 * math.sin(a)), color)
                     for a in (math.radians(i * 72 - 90) for i in range(5)))
    return petals + '<circle cx="%s" cy="%s" r="5" fill="%s"/>' % (cx, cy,
                                                                   tile_sets.LARGE_PRINT_CARD)


SEASON_WORDS = ["WIN", "SPR", "SUM", "AUT"]
FLOWER_WORDS = ["BAM", "ORC", "PLUM", "MUM"]


def large_bonus(words, i, kind, mark, color):
    word = words[i]
    size = 34 if len(word) <= 3 else 29
    return (label(kind, color) + text(48, 62, word, size, LP_INK, family=assetlib.LATIN_CONDENSED)
            + mark(48, 94, color))


def large_print_faces():
    faces = {}
    for n in range(1, 10):
        faces[(n - 1, 0)] = large_suit("circles", n)
        faces[(n - 1, 1)] = large_suit("bamboo", n)
        faces[(n - 1, 2)] = large_suit("characters", n)
    for i in range(4):
        faces[(i, 3)] = large_wind(i)
        faces[(i, 4)] = large_bonus(SEASON_WORDS, i, "SEASON", sun_mark,
                                    tile_sets.LARGE_PRINT_SEASON)
        faces[(4 + i, 4)] = large_bonus(FLOWER_WORDS, i, "FLOWER", flower_mark,
                                        tile_sets.LARGE_PRINT_FLOWER)
    for i in range(3):
        faces[(4 + i, 3)] = large_dragon(i)
    faces[(7, 3)] = stop_face()
    faces[(8, 3)] = ""
    return faces


# ---------------------------------------------------------------- night

def night_colour(match):
    """A colour of the classic drawing for a dark room: lightness turned
    around, saturation lowered; the tile's frame takes its own dark greys."""
    colour = match.group(0).upper()
    if colour in tile_sets.NIGHT_FRAME:
        return tile_sets.NIGHT_FRAME[colour]
    r, g, b = (v / 255 for v in tile_sets.hex_rgb(colour))
    h, l, s = colorsys.rgb_to_hls(r, g, b)
    r, g, b = colorsys.hls_to_rgb(h, 0.18 + 0.64 * (1 - l), s * 0.6)
    return "#%02X%02X%02X" % tuple(int(round(v * 255)) for v in (r, g, b))


NIGHT_CELL = '<rect x="0" y="0" width="96" height="120" fill="%s"/>' % CARD


def night(svg):
    return re.sub(r"#[0-9A-Fa-f]{6}\b", night_colour, svg)


# ---------------------------------------------------------------- the sheet

def classic_faces():
    faces = {}
    for n in range(1, 10):
        faces[(n - 1, 0)] = circles(n)
        faces[(n - 1, 1)] = bamboo(n)
        faces[(n - 1, 2)] = characters(n)
    for i in range(4):
        faces[(i, 3)] = wind(i)
        faces[(i, 4)] = season(i)
        faces[(4 + i, 4)] = flower(i)
    for i in range(3):
        faces[(4 + i, 3)] = dragon(i)
    faces[(7, 3)] = stop_face()
    faces[(8, 3)] = ""
    return faces


def sheet_svg(faces, card_svg, paint=lambda svg: svg):
    """The sheet: white, with the body and the faces in `paint`'s colours.
    A dark card fills its cell, so that the face's rounded clip in the game,
    tighter than the card's corners, takes no white with it."""
    cells = []
    for (c, r), pic in sorted(faces.items(), key=lambda kv: (kv[0][1], kv[0][0])):
        cells.append('<g transform="translate(%d %d)">%s%s</g>' % (c * W, r * H, card_svg, pic))
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
            'viewBox="0 0 %d %d"><defs>%s</defs>'
            '<rect x="0" y="0" width="%d" height="%d" fill="#FFFFFF"/>%s%s</svg>'
            % (SHEET_W, SHEET_H, SHEET_W, SHEET_H, paint(DEFS), SHEET_W, SHEET_H,
               paint(body()), paint("".join(cells))))


SHEETS = {
    "classic": lambda: sheet_svg(classic_faces(), card()),
    "large-print": lambda: sheet_svg(large_print_faces(), large_card()),
    "night": lambda: sheet_svg(classic_faces(), NIGHT_CELL + card(), night),
}


def write_sheet(path, rgb):
    if path.endswith(".bmp"):
        assetlib.write_bmp24(path, rgb)
    else:
        assetlib.write_png(path, rgb)


def main():
    only = sys.argv[1:2]  # a set's key draws that set alone (while drawing it)
    for key, _, _, _ in tile_sets.SETS:
        if only and key not in only:
            continue
        svg = SHEETS[key]()
        small, large = tile_sets.sheet_paths(key)
        write_sheet(small, assetlib.over_white(assetlib.render_svg(svg, SHEET_W, SHEET_H)))
        write_sheet(large, assetlib.over_white(assetlib.render_svg(svg, 2 * SHEET_W, 2 * SHEET_H)))


if __name__ == "__main__":
    main()
