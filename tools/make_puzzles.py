#!/usr/bin/env python3
"""Writes the puzzles that ship in resources/Puzzle.

Each puzzle is drawn layer by layer as ASCII art in whole tiles: '#' is a
tile, anything else is empty. A layer's art may be shifted by half a tile
(one grid cell) right and down, which is how tiles come to sit across two or
four tiles below them. The grid is 5 layers of 30 rows by 50 columns of half-
tile cells; a tile anchored at (x, y) covers cells x..x+1, y..y+1.

Every puzzle is shaped so that the game's random deal is winnable most of
the time (tools/test holds each to 80 %): rows are short or broken by gaps
of half a tile, and upper layers mostly sit squarely on the tiles below
rather than across them.

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
    """A stepped pyramid of five terraces, each a tile in from the one below
    on every side, with a capstone across the top step."""
    return (block(0, 0, 0, 9, 8) + block(1, 2, 2, 7, 6) + block(2, 4, 4, 5, 4)
            + block(3, 6, 6, 3, 2) + block(4, 7, 6, 2, 2))


def fortress():
    """Walls one tile thick and two high between four corner towers, a gate
    through the middle of both long walls, and a stepped keep in the
    courtyard. Half a tile parts the long walls from the towers, so no wall
    runs on into a tower."""
    tiles = []
    for x in (0, 26):
        for y in (0, 22):
            for z in range(3):
                tiles += block(z, x, y, 2, 2)
            tiles.append((x + 1, y + 1, 3))                       # the tower's cap
    for z in range(2):
        tiles += [(x, y, z) for x in (5, 7, 9, 11, 17, 19, 21, 23) for y in (1, 23)]
        tiles += [(x, y, z) for x in (1, 27) for y in range(4, 22, 2)]
    return tiles + block(0, 11, 9, 4, 4) + block(1, 13, 11, 2, 2) + block(2, 13, 11, 2, 2)


def bridge():
    """A deck four tiles wide spanning between two pylons, with a short
    approach beyond each. The pylons stand on footings reaching past both
    edges of the deck and rise in four steps; half a tile parts them from the
    deck, so its lanes end freely at each pylon."""
    def pylon(x):
        return [tile for z, rows in enumerate([8, 6, 4, 2])
                for tile in block(z, x, 14 - rows, 2, rows)]
    return (block(0, 0, 10, 4, 4) + pylon(9) + block(0, 14, 10, 8, 4) + pylon(31)
            + block(0, 36, 10, 4, 4))


def cross():
    """A cross: an upright bar three tiles wide and two arms parted from it
    by half a tile, all stepping up towards a centre four layers high."""
    tiles = []
    for z, (arm, half_bar) in enumerate([(5, 4), (4, 3), (1, 1), (0, 0)]):
        tiles += block(z, 11, 8 - 2 * half_bar, 3, 3 + 2 * half_bar)     # the upright bar
        tiles += block(z, 10 - 2 * arm, 8, arm, 3) + block(z, 18, 8, arm, 3)
    return tiles


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
    """A broad staircase climbing away from the player in two flights side by
    side, half a tile apart: a landing and a first step two tiles deep, then
    three steps of one, each a layer higher, all flush at the top."""
    tiles = []
    for z, rows in enumerate([7, 5, 3, 2, 1]):
        tiles += block(z, 0, 0, 4, rows) + block(z, 9, 0, 4, rows)
    return tiles


def towers():
    """Two towers, each with straight sides two layers high under a stepped
    roof and a pinnacle, joined by a low wall with a gate in its middle."""
    tower = (block(0, 0, 0, 5, 5) + block(1, 0, 0, 5, 5) + block(2, 2, 2, 3, 3)
             + block(3, 2, 2, 3, 3) + [(4, 4, 4)])
    return (tower + [(x + 30, y, z) for x, y, z in tower]
            + [(x, 4, 0) for x in (11, 13, 15, 23, 25, 27)])


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
