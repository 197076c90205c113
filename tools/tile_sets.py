"""The tile sets the game offers, as the generator draws them and the checks
read them: each set's name, its sheet files and its palette. Plain Python
without third-party modules, so that tools/check_tile_sets.py runs anywhere.
"""
import os

RESOURCES = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                         "resources")

# (key, name the player sees, sheet at 1x, sheet at 2x). Classic's small sheet
# is a bitmap; the others ship as PNG, as every large sheet does.
SETS = [
    ("classic", "Classic", "tiles.bmp", "tiles-2x.png"),
    ("large-print", "Large print", "tiles-large-print.png", "tiles-large-print-2x.png"),
    ("night", "Night", "tiles-night.png", "tiles-night-2x.png"),
]

# Large print tells the suits apart by shape (ring, sticks, diamond) and by
# these inks, chosen to keep apart in lightness or hue under the common
# colour-vision deficiencies (tools/check_tile_sets.py holds them to that).
LARGE_PRINT_SUITS = {
    "circles": "#2A6BD8",
    "bamboo": "#00402A",
    "characters": "#D84315",
}
LARGE_PRINT_INK = "#141414"
LARGE_PRINT_CARD = "#FFFDF6"
LARGE_PRINT_SEASON = "#8A4B00"
LARGE_PRINT_FLOWER = "#7A2E8E"

# Night: the classic drawing with every colour's lightness turned around
# (dark card, light symbols), the colours softened; the frame of the tile
# (rim and body) in its own dark greys.
NIGHT_FRAME = {
    "#FFFFFF": "#2A2E36", "#F8F8F8": "#262A31", "#EFEFEF": "#23272E",
    "#BDBDBD": "#1D2026", "#606060": "#121418",
    "#959595": "#1C1F25", "#8A8A8A": "#191C21", "#808080": "#16181D", "#727272": "#121418",
    "#8E8E8E": "#1A1D22", "#848484": "#171A1F", "#7A7A7A": "#15171C", "#707070": "#4A505C",
}


def hex_rgb(colour):
    return tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))


def sheet_paths(key):
    for k, _, small, large in SETS:
        if k == key:
            return os.path.join(RESOURCES, small), os.path.join(RESOURCES, large)
    raise KeyError(key)
