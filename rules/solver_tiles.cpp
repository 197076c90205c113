#include "rules/solver_tiles.h"

#include "rules/moves.h"

namespace solving {

bool indexTiles(const Board& board, Tiles& tiles, int16_t* tileAt) {
    tiles = Tiles{};
    Cell groupFace[kTileCount];
    uint64_t keyState = 144;
    for (int i = 0; i < kCells; ++i) {
        tileAt[i] = -1;
        const Cell& cell = board.cells[i];
        if (cell.number == 0) continue;
        if (tiles.count == kTileCount) return false;
        const int tile = tiles.count++;
        tileAt[i] = int16_t(tile);
        tiles.cell[tile] = i;
        tiles.key[tile] = nextKey(keyState);
        int g = 0;
        while (g < tiles.groupCount && !tilesMatch(groupFace[g], cell)) ++g;
        if (g == tiles.groupCount) groupFace[tiles.groupCount++] = cell;
        tiles.group[tile] = g;
        addTile(tiles.groupTiles[g], tile);
    }
    for (int tile = 0; tile < tiles.count; ++tile) {
        const int i = tiles.cell[tile];
        const int x = i % kCols, y = (i / kCols) % kRows, z = i / kCellsPerLayer;
        // The same cells as the free rule looks at: anchors two columns away
        // on the same layer, and any anchor on the layer above whose
        // footprint overlaps this one.
        for (int dy = -1; dy <= 1; ++dy) {
            const int sides[2] = {x - 2, x + 2};
            for (int side = 0; side < 2; ++side)
                if (insideGrid(z, y + dy, sides[side]) && tileAt[cellIndex(z, y + dy, sides[side])] >= 0)
                    addTile(side == 0 ? tiles.left[tile] : tiles.right[tile],
                            tileAt[cellIndex(z, y + dy, sides[side])]);
            for (int dx = -1; dx <= 1; ++dx)
                if (insideGrid(z + 1, y + dy, x + dx) && tileAt[cellIndex(z + 1, y + dy, x + dx)] >= 0)
                    addTile(tiles.above[tile], tileAt[cellIndex(z + 1, y + dy, x + dx)]);
        }
        TileBits blockers = tiles.above[tile];
        addAll(blockers, tiles.left[tile]);
        addAll(blockers, tiles.right[tile]);
        forEachTile(blockers, [&](int other) { addTile(tiles.affects[other], tile); });
    }
    // Higher layers come last in the board's order, so each tile on top is
    // complete before the one below takes it in.
    for (int tile = tiles.count - 1; tile >= 0; --tile)
        forEachTile(tiles.above[tile], [&](int upper) {
            addTile(tiles.over[tile], upper);
            addAll(tiles.over[tile], tiles.over[upper]);
        });
    // Rows column by column, so that each neighbour's row is complete.
    for (int pass = 0; pass < 2; ++pass)
        for (int column = 0; column < kCols; ++column)
            for (int tile = 0; tile < tiles.count; ++tile) {
                const int x = tiles.cell[tile] % kCols;
                if (x != (pass == 0 ? column : kCols - 1 - column)) continue;
                TileBits& row = pass == 0 ? tiles.leftRow[tile] : tiles.rightRow[tile];
                TileBits& wall = pass == 0 ? tiles.leftWall[tile] : tiles.rightWall[tile];
                forEachTile(pass == 0 ? tiles.left[tile] : tiles.right[tile], [&](int next) {
                    const TileBits& nextRow = pass == 0 ? tiles.leftRow[next] : tiles.rightRow[next];
                    const TileBits& nextWall = pass == 0 ? tiles.leftWall[next] : tiles.rightWall[next];
                    addTile(row, next);
                    addTile(wall, next);
                    for (int w = 0; w < 3; ++w) {
                        row.w[w] |= nextRow.w[w];
                        wall.w[w] |= nextWall.w[w] | tiles.over[next].w[w];
                    }
                });
            }
    return true;
}

TileBits neededBefore(const Tiles& tiles, int a, int b) {
    TileBits needed{};
    const int ends[2][2] = {{a, b}, {b, a}};
    for (const auto& end : ends) {
        const int t = end[0], partner = end[1];
        const bool partnerLeft = hasTile(tiles.leftRow[t], partner);
        const bool partnerRight = hasTile(tiles.rightRow[t], partner);
        for (int w = 0; w < 3; ++w)
            needed.w[w] |= tiles.over[t].w[w] | (partnerRight ? tiles.leftWall[t].w[w] : 0) |
                           (partnerLeft ? tiles.rightWall[t].w[w] : 0);
    }
    return needed;
}

void listMates(Tiles& tiles) {
    for (int tile = 0; tile < tiles.count; ++tile) {
        const TileBits& group = tiles.groupTiles[tiles.group[tile]];
        if (countOf(group) > 4) continue;
        forEachTile(group, [&](int other) {
            if (other == tile) return;
            const int k = tiles.mateCount[tile]++;
            tiles.mate[tile][k] = uint8_t(other);
            tiles.mateNeeds[tile][k] = neededBefore(tiles, tile, other);
        });
    }
}

TileBits freedBy(const Tiles& tiles, const TileBits& taken, const TileBits& after, const TileBits& free) {
    TileBits touched{};
    forEachTile(taken, [&](int tile) { addAll(touched, tiles.affects[tile]); });
    TileBits freed{};
    forEachTile(both(without(touched, free), after), [&](int tile) {
        if (isFreeTile(tiles, tile, after)) addTile(freed, tile);
    });
    return freed;
}

int apartWays(const Tiles& tiles, const int* t) {
    int ways = 0;
    for (int w = 0; w < 3; ++w)
        if (apart(tiles, t[kWays[w][0]], t[kWays[w][1]]) && apart(tiles, t[kWays[w][2]], t[kWays[w][3]]))
            ways |= 1 << w;
    return ways;
}

int pairings(const Tiles& tiles, const TileBits& members, int16_t* partner) {
    int t[4];
    int n = 0;
    forEachTile(members, [&](int tile) {
        if (n < 4) t[n] = tile;
        ++n;
    });
    if (n != 2 && n != 4) return -1;
    const int ways = n == 2 ? int(apart(tiles, t[0], t[1])) : apartWays(tiles, t);
    const int count = wayCount(ways);
    if (count == 1 && partner != nullptr) {
        const int* way = kWays[__builtin_ctz(ways)];
        for (int p = 0; p < n; p += 2) {
            partner[t[way[p]]] = int16_t(t[way[p + 1]]);
            partner[t[way[p + 1]]] = int16_t(t[way[p]]);
        }
    }
    return count;
}

bool inRing(const Tiles& tiles, const TileBits& left, int a, int b) {
    int pending[kTileCount];
    int count = 0;
    bool seen[kTileCount] = {};
    pending[count++] = a;
    pending[count++] = b;
    seen[a] = seen[b] = true;
    while (count > 0) {
        const int y = pending[--count];
        const int x = pending[--count];
        bool ring = false;
        forEachTile(both(pairNeeds(tiles, x, y), left), [&](int tile) {
            if (tile == a || tile == b) ring = true;
            if (seen[tile]) return;
            const TileBits rest = both(left, tiles.groupTiles[tiles.group[tile]]);
            const int n = countOf(rest);
            int other = n == 4 ? tiles.partner[tile] : -1;
            if (n == 2) forEachTile(rest, [&](int t) { if (t != tile) other = t; });
            if (other < 0) return;
            seen[tile] = seen[other] = true;
            pending[count++] = tile;
            pending[count++] = other;
        });
        if (ring) return true;
    }
    return false;
}

bool mayAllGoFrom(const Tiles& tiles, const TileBits& left, TileBits present, TileBits free, const TileBits& watched,
                  Clearing* record) {
    if (record != nullptr) record->count = 0;
    if (record == nullptr && isEmpty(without(watched, free))) return true;
    TileBits todo = both(free, present);
    while (!isEmpty(todo)) {
        const int word = todo.w[0] != 0 ? 0 : todo.w[1] != 0 ? 1 : 2;
        const int tile = word * 64 + __builtin_ctzll(todo.w[word]);
        todo.w[word] &= todo.w[word] - 1;
        const TileBits& group = tiles.groupTiles[tiles.group[tile]];
        const TileBits mates = both(left, group);
        const bool wholeFour = !isEmpty(tiles.fourPartners[tile]) && isEmpty(without(group, left));
        const TileBits may = without(wholeFour ? tiles.fourPartners[tile] : mates, pairOf(tile, tile));
        if (!meets(may, free)) continue;
        if (record != nullptr) {
            record->tile[record->count] = uint8_t(tile);
            record->freeAt[record->count++] = free;
        }
        // The tile goes: what it held becomes free, and its mates, which may
        // have been waiting for it, are looked at again.
        present.w[word] &= ~(uint64_t(1) << (tile & 63));
        forEachTile(both(tiles.affects[tile], without(present, free)), [&](int other) {
            if (isFreeTile(tiles, other, present)) {
                addTile(free, other);
                addTile(todo, other);
                addAll(todo, both(tiles.groupTiles[tiles.group[other]], both(free, present)));
            }
        });
        addAll(todo, both(mates, both(free, present)));
        if (!meets(present, watched)) return true;
    }
    return !meets(present, watched);
}

void setFourPartners(Tiles& tiles, const int* t, int ways) {
    for (int i = 0; i < 4; ++i) tiles.fourPartners[t[i]] = TileBits{};
    for (int w = 0; w < 3; ++w) {
        if (((ways >> w) & 1) == 0) continue;
        for (int p = 0; p < 4; p += 2) {
            addTile(tiles.fourPartners[t[kWays[w][p]]], t[kWays[w][p + 1]]);
            addTile(tiles.fourPartners[t[kWays[w][p + 1]]], t[kWays[w][p]]);
        }
    }
}

}  // namespace solving
