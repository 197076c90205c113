#!/usr/bin/env python3
"""Writes the puzzles that ship in resources/Puzzle.

Each puzzle is drawn layer by layer as ASCII art in whole tiles: '#' is a
tile, anything else is empty. A layer's art may be shifted by half a tile
(one grid cell) right and down, which is how tiles come to sit across two or
four tiles below them. The grid is 5 layers of 30 rows by 50 columns of half-
tile cells; a tile anchored at (x, y) covers cells x..x+1, y..y+1.

Every puzzle is checked before it is written: exactly 144 tiles, no two tiles
of a layer sharing a cell, every tile above layer 0 resting wholly on tiles
below, all on the grid, and shifted to layer, row and column 0. The file is
the [FIELD] section the game writes: CR LF line ends, 9,561 bytes.

Run: python3 tools/make_puzzles.py   (add --show to print each layout)
"""
import os
import sys

LAYERS, ROWS, COLS = 5, 30, 50
TILES = 144
OUT = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                   "resources", "Puzzle")


def art(z, picture, dx=0, dy=0):
    """Tiles of one layer from ASCII art in whole tiles, shifted by (dx, dy) cells."""
    lines = picture.strip("\n").split("\n")
    return [(dx + 2 * c, dy + 2 * r, z)
            for r, line in enumerate(lines) for c, ch in enumerate(line) if ch == "#"]


def block(z, x, y, cols, rows):
    """A solid block of tiles with its top-left anchor at cell (x, y)."""
    return [(x + 2 * c, y + 2 * r, z) for r in range(rows) for c in range(cols)]


def check(name, tiles):
    """Raises when the layout breaks a rule of the editor; returns it normalised."""
    if len(tiles) != TILES:
        raise SystemExit(f"{name}: {len(tiles)} tiles, not {TILES}")
    if len(set(tiles)) != len(tiles):
        raise SystemExit(f"{name}: a position is listed twice")
    lx = min(x for x, _, _ in tiles)
    ly = min(y for _, y, _ in tiles)
    lz = min(z for _, _, z in tiles)
    tiles = [(x - lx, y - ly, z - lz) for x, y, z in tiles]
    covered = set()
    for x, y, z in tiles:
        if not (0 <= z < LAYERS and 0 <= x <= COLS - 2 and 0 <= y <= ROWS - 2):
            raise SystemExit(f"{name}: tile ({x}, {y}, {z}) is off the grid")
        for cell in ((x, y, z), (x + 1, y, z), (x, y + 1, z), (x + 1, y + 1, z)):
            if cell in covered:
                raise SystemExit(f"{name}: tiles overlap at {cell}")
            covered.add(cell)
    for x, y, z in tiles:
        if z == 0:
            continue
        for cx, cy in ((x, y), (x + 1, y), (x, y + 1), (x + 1, y + 1)):
            if (cx, cy, z - 1) not in covered:
                raise SystemExit(f"{name}: tile ({x}, {y}, {z}) does not rest on layer {z - 1}")
    return sorted(tiles, key=lambda t: (t[2], t[1], t[0]))


def field_text(tiles):
    """The [FIELD] section exactly as the game writes it."""
    marks = set(tiles)
    out = ["\r\n[FIELD]\r\n"]
    for z in range(LAYERS):
        for y in range(ROWS):
            row = "".join("1" if (x, y, z) in marks else "0" for x in range(COLS))
            out.append(f"Z_{z}__Y_{y} = {row}\r\n")
    return "".join(out).encode("ascii")


def show(name, tiles):
    """Prints the layout seen from above: each cell shows the height of its top tile."""
    top = {}
    for x, y, z in tiles:
        for cell in ((x, y), (x + 1, y), (x, y + 1), (x + 1, y + 1)):
            top[cell] = max(top.get(cell, -1), z)
    width = max(x for x, _ in top) + 1
    height = max(y for _, y in top) + 1
    print(f"{name}: {len(tiles)} tiles, layers {sorted({z for _, _, z in tiles})}")
    for y in range(height):
        print("  " + "".join(str(top[(x, y)] + 1) if (x, y) in top else "." for x in range(width)))


# --- The puzzles -----------------------------------------------------------

def classic():
    """The turtle: a broad shell, a head and a tail, rising to one capstone."""
    return (art(0, """
.############
...########
..##########
.############
.############
..##########
...########
.############
""")
            + [(0, 7, 0), (26, 7, 0), (28, 7, 0)]   # the tail and the head, between rows 3 and 4
            + block(1, 8, 2, 6, 6) + block(2, 10, 4, 4, 4) + block(3, 12, 6, 2, 2)
            + [(13, 7, 4)])                          # the capstone across the last four


def pyramid():
    """A stepped pyramid: each layer a tile shorter at both ends and half a
    tile shallower at front and back, so every terrace shows its edge."""
    return (block(0, 0, 0, 12, 5) + block(1, 2, 1, 10, 4) + block(2, 4, 2, 8, 3)
            + block(3, 6, 3, 6, 2) + block(4, 8, 3, 4, 2))


def fortress():
    """A walled courtyard with corner towers, gates over both long walls and
    a stepped keep in the middle."""
    wall = """
##############
##..........##
#............#
#............#
#............#
#............#
#............#
#............#
##..........##
##############
"""
    towers = """
##..........##
##..........##
..............
..............
..............
..............
..............
..............
##..........##
##..........##
"""
    return (art(0, wall) + art(1, wall) + art(2, towers)
            + [(1, 1, 3), (25, 1, 3), (1, 17, 3), (25, 17, 3)]   # tower caps
            + [(13, 0, 2), (13, 18, 2)]                          # the two gates
            + block(0, 9, 6, 5, 3) + block(1, 10, 7, 4, 2) + block(2, 11, 8, 3, 1))


def bridge():
    """A causeway ramping up from both banks, with two pylons on footings."""
    footings = [(x, y, 0) for x in (12, 14, 34, 36) for y in (0, 6)]
    return (block(0, 0, 2, 25, 2) + footings + block(1, 4, 2, 21, 2) + block(2, 8, 2, 17, 2)
            + block(3, 12, 2, 2, 2) + block(3, 34, 2, 2, 2) + [(13, 3, 4), (35, 3, 4)])


def cross():
    """A cross of four arms around a centre that rises to a point."""
    return (block(0, 0, 10, 17, 3) + block(0, 14, 0, 3, 5) + block(0, 14, 16, 3, 5)
            + block(1, 1, 11, 16, 2) + block(1, 15, 1, 2, 5) + block(1, 15, 15, 2, 5)
            + block(2, 13, 11, 4, 2) + [(15, 12, 3), (17, 12, 3), (16, 12, 4)])


def spiral():
    """A path coiling inward, climbing a layer towards the middle."""
    # Walk outward from the centre in tile steps, two tiles per run further
    # each turn, so that a gap of one tile separates the coils.
    path, x, y = [(0, 0)], 0, 0
    run, direction = 2, 0
    steps = [(1, 0), (0, 1), (-1, 0), (0, -1)]
    while len(path) < 200:
        for _ in range(2):
            dx, dy = steps[direction]
            for _ in range(run):
                x, y = x + dx, y + dy
                path.append((x, y))
            direction = (direction + 1) % 4
        run += 2
    tiles = []
    for z, length in enumerate([91, 33, 14, 5, 1]):
        tiles += [(2 * px, 2 * py, z) for px, py in path[:length]]
    return tiles


def diamond():
    """A diamond whose rows grow and shrink by a tile on each side."""
    tiles = []
    for layer, y0, widths in ((0, 0, [2, 4, 6, 8, 10, 12, 14, 12, 10, 8, 6, 4, 2]),
                              (1, 8, [4, 6, 8, 6, 4]), (2, 10, [4, 6, 4]), (3, 11, [2, 2])):
        for r, n in enumerate(widths):
            tiles += block(layer, 15 - n, y0 + 2 * r, n, 1)
    return tiles


def butterfly():
    """Two wings spread from a long raised body."""
    wing0 = """
###......
######...
########.
#########
...######
....#####
...######
....####.
"""
    wing1 = """
###....
#####..
.####..
.......
.......
...##..
"""
    def both(z, picture, dx, dy):
        left = art(z, picture, dx, dy)
        return left + [(36 - x, y, z) for x, y, _ in left]
    return (both(0, wing0, 0, 0) + both(1, wing1, 2, 2)
            + block(0, 18, 0, 1, 9) + block(1, 18, 1, 1, 8) + block(2, 18, 4, 1, 5))


def arena():
    """An oval arena whose stands rise in tiers towards the outside."""
    return (art(0, """
....########....
..############..
.##############.
####........####
###..........###
###..........###
####........####
.##############.
..############..
....########....
""")
            + art(1, """
....########....
..###......###..
.##..........##.
##............##
#..............#
#..............#
##............##
.##..........##.
..###......###..
....########....
"""))


def stairs():
    """A staircase: each layer a few tiles shorter, all flush at the right."""
    tiles = []
    for z, width in enumerate([12, 9, 7, 5, 3]):
        tiles += block(z, 2 * (12 - width), 0, width, 4)
    return tiles


def towers():
    """Two stepped towers on a common plinth, with a gate between them."""
    tower = (block(1, 2, 1, 5, 3) + block(2, 3, 2, 4, 2) + block(3, 4, 2, 3, 2)
             + block(4, 5, 3, 2, 1))
    return (block(0, 0, 0, 20, 4) + tower + [(38 - x, y, z) for x, y, z in tower]
            + [(18, 3, 1), (20, 3, 1)])


def islands():
    """Eight islands in two rows, each a low mound: an easy start."""
    tiles = []
    for row in range(2):
        for col in range(4):
            x, y = 12 * col, 10 * row
            tiles += block(0, x, y, 4, 3) + block(1, x + 1, y + 1, 3, 2)
    return tiles


PUZZLES = {
    "classic": classic,
    "pyramid": pyramid,
    "fortress": fortress,
    "bridge": bridge,
    "cross": cross,
    "spiral": spiral,
    "diamond": diamond,
    "butterfly": butterfly,
    "arena": arena,
    "stairs": stairs,
    "towers": towers,
    "islands": islands,
}


def main():
    checked = {}
    failures = []
    for name, build in PUZZLES.items():
        try:
            checked[name] = check(name, build())
        except SystemExit as error:
            failures.append(str(error))
            if "--show" in sys.argv:
                try:
                    show(name, build())
                except Exception:
                    pass
    if failures:
        raise SystemExit("\n".join(failures))
    os.makedirs(OUT, exist_ok=True)
    for name, tiles in checked.items():
        text = field_text(tiles)
        assert len(text) == 9561
        with open(os.path.join(OUT, name + ".kvl"), "wb") as out:
            out.write(text)
        if "--show" in sys.argv:
            show(name, tiles)


if __name__ == "__main__":
    main()
