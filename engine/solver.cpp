#include "engine/solver.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A set of tiles by their number in the board's order: 144 bits.
struct TileBits {
    uint64_t w[3];
};

inline void addTile(TileBits& bits, int tile) { bits.w[tile >> 6] |= uint64_t(1) << (tile & 63); }
inline bool hasTile(const TileBits& bits, int tile) { return (bits.w[tile >> 6] >> (tile & 63)) & 1; }
inline bool meets(const TileBits& a, const TileBits& b) {
    return ((a.w[0] & b.w[0]) | (a.w[1] & b.w[1]) | (a.w[2] & b.w[2])) != 0;
}
inline bool isEmpty(const TileBits& a) { return (a.w[0] | a.w[1] | a.w[2]) == 0; }
inline TileBits both(const TileBits& a, const TileBits& b) {
    return TileBits{{a.w[0] & b.w[0], a.w[1] & b.w[1], a.w[2] & b.w[2]}};
}
inline TileBits without(const TileBits& a, const TileBits& b) {
    return TileBits{{a.w[0] & ~b.w[0], a.w[1] & ~b.w[1], a.w[2] & ~b.w[2]}};
}
// Counted by hand: without a popcount instruction in the target, the
// compiler's own helper is a slow call.
inline int bitCount(uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ull);
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return int((x * 0x0101010101010101ull) >> 56);
}
inline int countOf(const TileBits& a) { return bitCount(a.w[0]) + bitCount(a.w[1]) + bitCount(a.w[2]); }
// Calls visit(tile) for every tile of the set, lowest first.
template <typename Visit>
inline void forEachTile(const TileBits& bits, Visit visit) {
    for (int word = 0; word < 3; ++word)
        for (uint64_t rest = bits.w[word]; rest != 0; rest &= rest - 1)
            visit(word * 64 + __builtin_ctzll(rest));
}

// The board indexed once: what lies on each tile and beside it, which tiles
// match, and a random key per tile for hashing the set of tiles left.
struct Tiles {
    int count;
    int cell[kTileCount];   // the anchor's index in the board
    int group[kTileCount];  // tiles of one group match each other and nothing else
    int groupCount;
    TileBits groupTiles[kTileCount];
    TileBits above[kTileCount];
    TileBits left[kTileCount];
    TileBits right[kTileCount];
    TileBits affects[kTileCount];  // tiles whose freedom this one can take away
    // What must be gone first, in every position that play can reach from
    // this board: the tiles lying on a tile, directly or through a stack;
    // the tiles it is hemmed in by on each side, through a whole row, while
    // the tile itself stays (each of them can then only leave the far way);
    // and each side's row with everything lying on it.
    TileBits over[kTileCount];
    TileBits leftRow[kTileCount];
    TileBits rightRow[kTileCount];
    TileBits leftWall[kTileCount];
    TileBits rightWall[kTileCount];
    int16_t partner[kTileCount];  // in a group that pairs off in one way only; else -1
    // The tiles of each group of four, by group, and the tiles each of them
    // may still go with while the whole group is left: its mates in the ways
    // the group can still be paired off. Empty for other groups.
    int four[kTileCount][4];
    TileBits fourPartners[kTileCount];
    // Each tile's group mates and what must be gone before it can go with
    // each, worked out once; empty for a group larger than four.
    int mateCount[kTileCount];
    uint8_t mate[kTileCount][3];
    TileBits mateNeeds[kTileCount][3];
    uint64_t key[kTileCount];
};

// The solver's own fixed keys (splitmix64), so that hashing never touches the
// game's generator and every run searches the same way.
uint64_t nextKey(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

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
        for (int w = 0; w < 3; ++w) blockers.w[w] |= tiles.left[tile].w[w] | tiles.right[tile].w[w];
        forEachTile(blockers, [&](int other) { addTile(tiles.affects[other], tile); });
    }
    // Higher layers come last in the board's order, so each tile on top is
    // complete before the one below takes it in.
    for (int tile = tiles.count - 1; tile >= 0; --tile)
        forEachTile(tiles.above[tile], [&](int upper) {
            addTile(tiles.over[tile], upper);
            for (int w = 0; w < 3; ++w) tiles.over[tile].w[w] |= tiles.over[upper].w[w];
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

inline TileBits pairOf(int a, int b) {
    TileBits pair{};
    addTile(pair, a);
    addTile(pair, b);
    return pair;
}

// The tiles that must be gone before tiles a and b can be taken together:
// what lies on either, and when one stands in the other's row, everything
// on the far side of each.
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

// neededBefore for two tiles of one group, from the list when it is there.
inline TileBits pairNeeds(const Tiles& tiles, int a, int b) {
    for (int k = 0; k < tiles.mateCount[a]; ++k)
        if (tiles.mate[a][k] == b) return tiles.mateNeeds[a][k];
    return neededBefore(tiles, a, b);
}

inline bool isFreeTile(const Tiles& tiles, int tile, const TileBits& left) {
    return !meets(tiles.above[tile], left) && !(meets(tiles.left[tile], left) && meets(tiles.right[tile], left));
}

constexpr int64_t kRunNodes = 100;
// A look at the whole board by mayAllGo costs about as much as this many
// positions of the search.
constexpr int64_t kLookNodes = 4;

struct Candidate {
    uint8_t first;
    uint8_t second;
    int16_t score;
};

// The order in which mayAllGo took the tiles of a board, and the tiles free
// (or gone: a tile that went was free) when each was taken.
struct Clearing {
    int count;
    uint8_t tile[kTileCount];
    TileBits freeAt[kTileCount];
};

struct Search {
    Tiles* tiles;  // its partners of groups of four change during the search over pairings
    uint64_t* dead;  // hashes of positions known to be lost; 0 = empty slot
    uint64_t deadMask;
    int64_t deadRoom;
    Candidate* pool;  // candidate pairs of every level of the search, stacked
    int64_t nodes;
    int64_t runLimit;  // the node count at which the current run gives up
    const std::atomic<bool>* cancel;
    bool cancelled;
    bool stopped;
    uint64_t jitterState;  // 0 on the first run: best first, ties in board order; then shuffled
    uint8_t path[kTileCount];  // the pairs taken so far, two tiles each
    int pathLength;
    int failures[kTileCount];  // by group: ways of pairing it off found impossible so far
    Clearing* clearing;        // the board's order of clearing in mayAllGo, as the ways stand
};

// The table keeps 0 for an empty slot; a set that hashes to 0 is kept as 1.
inline uint64_t slotKey(uint64_t hash) { return hash == 0 ? 1 : hash; }

bool knownDead(const Search& s, uint64_t hash) {
    hash = slotKey(hash);
    for (uint64_t slot = hash & s.deadMask;; slot = (slot + 1) & s.deadMask) {
        if (s.dead[slot] == hash) return true;
        if (s.dead[slot] == 0) return false;
    }
}

void markDead(Search& s, uint64_t hash) {
    if (s.deadRoom == 0) return;  // full: the search goes on, only slower
    hash = slotKey(hash);
    uint64_t slot = hash & s.deadMask;
    while (s.dead[slot] != 0) slot = (slot + 1) & s.deadMask;
    s.dead[slot] = hash;
    --s.deadRoom;
}

// The tiles that `taken` leaves free which were not free before.
TileBits freedBy(const Tiles& tiles, const TileBits& taken, const TileBits& after, const TileBits& free) {
    TileBits touched{};
    forEachTile(taken, [&](int tile) {
        for (int w = 0; w < 3; ++w) touched.w[w] |= tiles.affects[tile].w[w];
    });
    TileBits freed{};
    forEachTile(both(without(touched, free), after), [&](int tile) {
        if (isFreeTile(tiles, tile, after)) addTile(freed, tile);
    });
    return freed;
}

// In how many ways the tiles of a group can still be paired off, counting
// only pairs of which neither tile must go before the other; when there is
// exactly one way, each tile's partner in it goes to `partner`. Two or four
// tiles are looked at; other counts only occur on hand-made boards, are left
// to the search, and give -1.
int pairings(const Tiles& tiles, const TileBits& members, int16_t* partner) {
    int t[4];
    int n = 0;
    forEachTile(members, [&](int tile) {
        if (n < 4) t[n] = tile;
        ++n;
    });
    if (n != 2 && n != 4) return -1;
    static const int ways[3][4] = {{0, 1, 2, 3}, {0, 2, 1, 3}, {0, 3, 1, 2}};
    int count = 0;
    for (int w = 0; w < (n == 2 ? 1 : 3); ++w) {
        bool apart = true;
        for (int p = 0; p < n; p += 2) {
            const int a = t[ways[w][p]], b = t[ways[w][p + 1]];
            apart = apart && !meets(pairNeeds(tiles, a, b), pairOf(a, b));
        }
        if (!apart) continue;
        if (++count == 1 && partner != nullptr)
            for (int p = 0; p < n; p += 2) {
                partner[t[ways[w][p]]] = int16_t(t[ways[w][p + 1]]);
                partner[t[ways[w][p + 1]]] = int16_t(t[ways[w][p]]);
            }
    }
    if (count > 1 && partner != nullptr)
        for (int i = 0; i < n; ++i) partner[t[i]] = -1;
    return count;
}

// Whether the pair (a, b), the last two of their group, must go before
// itself: a ring of settled pairs in which each needs a tile of the next gone
// first. A pair is settled when its group has two tiles left, or four that
// pair off in one way only (their partners in `tiles.partner`); a settled
// pair can only go together, so no pair of the ring can ever be taken first.
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

// Whether tiles a and b can ever be taken together: neither must go first.
inline bool apart(const Tiles& tiles, int a, int b) { return !meets(pairNeeds(tiles, a, b), pairOf(a, b)); }

// Whether the tiles `left` could all go if pairs were taken one tile at a
// time: a free tile may go as soon as one of the tiles it may still be paired
// with (its remaining mates, or its partners while its whole group of four is
// left) is free or gone. Every real win passes this, and what may go never
// shrinks as tiles go, so taking whatever may go until nothing more can
// decides it, from any point on the way; a position that fails is lost.
// Starts with the tiles `present` of `left` still there, and stops with true
// once the tiles `watched` are gone: the caller knows that the rest can then
// follow. Notes the order in *record when asked for.
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
                for (int w = 0; w < 3; ++w) todo.w[w] |= tiles.groupTiles[tiles.group[other]].w[w] & free.w[w] & present.w[w];
            }
        });
        for (int w = 0; w < 3; ++w) todo.w[w] |= mates.w[w] & free.w[w] & present.w[w];
        if (!meets(present, watched)) return true;
    }
    return !meets(present, watched);
}

inline bool mayAllGo(const Tiles& tiles, const TileBits& left, const TileBits& free, const TileBits& watched) {
    return mayAllGoFrom(tiles, left, left, free, watched, nullptr);
}

constexpr int kWays[3][4] = {{0, 1, 2, 3}, {0, 2, 1, 3}, {0, 3, 1, 2}};

// Gives the four tiles `t` of a group the partners they have in the ways of
// pairing off (bit w for kWays[w]) in `ways`.
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

void takePair(Search& s, int a, int b) {
    s.path[s.pathLength++] = uint8_t(a);
    s.path[s.pathLength++] = uint8_t(b);
}

uint64_t hashWithout(const Tiles& tiles, uint64_t hash, const TileBits& taken) {
    forEachTile(taken, [&](int tile) { hash ^= tiles.key[tile]; });
    return hash;
}

// Depth-first search from the position `left`, whose free tiles are `free`;
// true when it can be cleared, with the winning pairs in s.path. `settled`
// holds the tiles whose group the move here cut from four to two: only they
// can make mayAllGo fail where it held one move before.
bool searchFrom(Search& s, const TileBits& left, const TileBits& free, uint64_t hash, Candidate* candidates,
                const TileBits& settled) {
    if (isEmpty(left)) return true;
    if (knownDead(s, hash)) return false;
    if (!isEmpty(settled) && !mayAllGo(*s.tiles, left, free, settled)) {
        markDead(s, hash);
        return false;
    }
    if ((s.nodes & 1023) == 0 && s.cancel && s.cancel->load(std::memory_order_relaxed)) s.cancelled = true;
    if (++s.nodes > s.runLimit || s.cancelled) {
        s.stopped = true;
        return false;
    }
    const Tiles& tiles = *s.tiles;

    // A group whose tiles are all free can be taken away at once: removing
    // tiles never blocks another, so any win keeps working without them.
    const int pathLength = s.pathLength;
    TileBits forced{};
    TileBits forcedSettles{};
    int count = 0;
    for (int g = 0; g < tiles.groupCount; ++g) {
        const TileBits freeInGroup = both(free, tiles.groupTiles[g]);
        if (isEmpty(freeInGroup)) continue;
        const int freeCount = countOf(freeInGroup);
        const TileBits inGroup = both(left, tiles.groupTiles[g]);
        if (freeCount == countOf(inGroup)) {
            int pending = -1;
            forEachTile(freeInGroup, [&](int tile) {
                if (pending < 0) {
                    pending = tile;
                } else {
                    takePair(s, pending, tile);
                    pending = -1;
                }
            });
            for (int w = 0; w < 3; ++w) forced.w[w] |= freeInGroup.w[w];
            continue;
        }
        // Three of four free, one of them in nobody's way: the other two can
        // go at once. Whichever free tile a win pairs the fourth with, the
        // idle one can stand in for it, and keeping it till then blocks
        // nothing.
        if (freeCount == 3 && countOf(inGroup) == 4) {
            int idle = -1;
            forEachTile(freeInGroup, [&](int tile) {
                if (idle < 0 && !meets(tiles.affects[tile], left)) idle = tile;
            });
            if (idle >= 0) {
                int ends[2], n = 0;
                forEachTile(freeInGroup, [&](int tile) {
                    if (tile != idle) ends[n++] = tile;
                });
                takePair(s, ends[0], ends[1]);
                for (int w = 0; w < 3; ++w) forcedSettles.w[w] |= inGroup.w[w] & ~freeInGroup.w[w];
                addTile(forcedSettles, idle);
                addTile(forced, ends[0]);
                addTile(forced, ends[1]);
                continue;
            }
        }
        if (freeCount < 2 || !isEmpty(forced)) continue;
        forEachTile(freeInGroup, [&](int a) {
            forEachTile(freeInGroup, [&](int b) {
                if (b <= a) return;
                const TileBits pair = pairOf(a, b);
                const TileBits rest = without(inGroup, pair);
                const TileBits after = without(left, pair);
                if (countOf(rest) == 2 && !isEmpty(tiles.fourPartners[a]) && !hasTile(tiles.fourPartners[a], b)) return;
                if (pairings(tiles, rest, nullptr) == 0) return;
                // The child's slot in the table of lost positions, fetched
                // early: that lookup is otherwise a cache miss per node.
                __builtin_prefetch(&s.dead[slotKey(hash ^ tiles.key[a] ^ tiles.key[b]) & s.deadMask]);
                int score = countOf(freedBy(tiles, pair, after, free));
                if (s.jitterState != 0) score += int(nextKey(s.jitterState) % 32);
                candidates[count++] = Candidate{uint8_t(a), uint8_t(b), int16_t(score)};
            });
        });
    }
    if (!isEmpty(forced)) {
        const TileBits after = without(left, forced);
        TileBits freeAfter = without(free, forced);
        const TileBits freed = freedBy(tiles, forced, after, free);
        for (int w = 0; w < 3; ++w) freeAfter.w[w] |= freed.w[w];
        if (searchFrom(s, after, freeAfter, hashWithout(tiles, hash, forced), candidates, forcedSettles)) return true;
        s.pathLength = pathLength;
        if (!s.stopped) markDead(s, hash);
        return false;
    }

    // Best first; a stable insertion sort keeps equal scores in board order.
    for (int i = 1; i < count; ++i) {
        const Candidate c = candidates[i];
        int j = i;
        for (; j > 0 && candidates[j - 1].score < c.score; --j) candidates[j] = candidates[j - 1];
        candidates[j] = c;
    }
    for (int i = 0; i < count; ++i) {
        const TileBits pair = pairOf(candidates[i].first, candidates[i].second);
        const TileBits after = without(left, pair);
        // Checked only here, as it is dear: most candidates of a won
        // position are never tried.
        const TileBits rest = both(after, tiles.groupTiles[tiles.group[candidates[i].first]]);
        const TileBits settles = countOf(rest) == 2 ? rest : TileBits{};
        if (!isEmpty(settles)) {
            int ends[2], n = 0;
            forEachTile(rest, [&](int t) { ends[n++] = t; });
            if (inRing(tiles, after, ends[0], ends[1])) continue;
        }
        TileBits freeAfter = without(free, pair);
        const TileBits freed = freedBy(tiles, pair, after, free);
        for (int w = 0; w < 3; ++w) freeAfter.w[w] |= freed.w[w];
        takePair(s, candidates[i].first, candidates[i].second);
        if (searchFrom(s, after, freeAfter, hashWithout(tiles, hash, pair), candidates + count, settles)) return true;
        s.pathLength = pathLength;
        if (s.stopped) return false;
    }
    markDead(s, hash);
    return false;
}

// The ways each group of four may still be paired off: bit w stands for
// kWays[w]; 0 for a group of any other size.
struct Ways {
    uint8_t of[kTileCount];
};

inline int wayCount(uint8_t ways) { return (ways & 1) + ((ways >> 1) & 1) + ((ways >> 2) & 1); }

void setAllFourPartners(Tiles& tiles, const Ways& ways) {
    for (int g = 0; g < tiles.groupCount; ++g)
        if (ways.of[g] != 0) setFourPartners(tiles, tiles.four[g], ways.of[g]);
}

// The ways in which neither pair must go before itself; false when a group of
// four has none.
bool startWays(Tiles& tiles, Ways& ways) {
    for (int g = 0; g < tiles.groupCount; ++g) {
        ways.of[g] = 0;
        if (countOf(tiles.groupTiles[g]) != 4) continue;
        int n = 0;
        forEachTile(tiles.groupTiles[g], [&](int tile) { tiles.four[g][n++] = tile; });
        const int* t = tiles.four[g];
        for (int w = 0; w < 3; ++w)
            if (apart(tiles, t[kWays[w][0]], t[kWays[w][1]]) && apart(tiles, t[kWays[w][2]], t[kWays[w][3]]))
                ways.of[g] |= uint8_t(1 << w);
        if (ways.of[g] == 0) return false;
    }
    setAllFourPartners(tiles, ways);
    return true;
}

// Whether the board `all`, which passes mayAllGo taking its tiles as in
// `base`, still passes with the partners the tiles of group g have now: the
// same order holds until a tile of g can no longer go where it went, and the
// rest is worked out from there. Counts a look when it has to.
bool stillClears(Search& s, const Clearing& base, int g, const TileBits& all) {
    const Tiles& tiles = *s.tiles;
    TileBits present = all;
    for (int k = 0; k < base.count; ++k) {
        const int tile = base.tile[k];
        if (tiles.group[tile] == g && !meets(without(tiles.fourPartners[tile], pairOf(tile, tile)), base.freeAt[k])) {
            s.nodes += kLookNodes;
            return mayAllGoFrom(tiles, all, present, base.freeAt[k], both(present, tiles.groupTiles[g]), nullptr);
        }
        present.w[tile >> 6] &= ~(uint64_t(1) << (tile & 63));
    }
    return true;
}

// Keeps of each group's ways only those with which the board, the group held
// to that way alone, still passes mayAllGo; over and over, until nothing
// changes. False when the board fails mayAllGo or a group is left with no
// way: then no win keeps to `ways`.
bool narrowWays(Search& s, Ways& ways, const TileBits& all, const TileBits& free) {
    Tiles& tiles = *s.tiles;
    Clearing& base = *s.clearing;
    s.nodes += kLookNodes;
    if (!mayAllGoFrom(tiles, all, all, free, all, &base)) return false;
    for (bool narrowed = true; narrowed;) {
        narrowed = false;
        for (int g = 0; g < tiles.groupCount; ++g) {
            if (wayCount(ways.of[g]) < 2) continue;
            const uint8_t before = ways.of[g];
            for (int w = 0; w < 3; ++w) {
                if (((ways.of[g] >> w) & 1) == 0) continue;
                setFourPartners(tiles, tiles.four[g], 1 << w);
                if (!stillClears(s, base, g, all)) {
                    ways.of[g] &= uint8_t(~(1 << w));
                    ++s.failures[g];
                }
            }
            setFourPartners(tiles, tiles.four[g], ways.of[g]);
            if (ways.of[g] == 0) return false;
            if (ways.of[g] == before) continue;
            // Each way left passed alone, so the board passes with all of
            // them; its order of clearing is another now.
            narrowed = true;
            s.nodes += kLookNodes;
            mayAllGoFrom(tiles, all, all, free, all, &base);
        }
    }
    return true;
}

// With each tile's partner settled, takes pairs whenever both tiles are free;
// with the partners fixed, an order that clears the board exists exactly
// when this one does. True when the board ends empty.
bool takeSettledPairs(Search& s, const TileBits& all, TileBits free) {
    const Tiles& tiles = *s.tiles;
    TileBits present = all;
    for (bool took = true; took;) {
        took = false;
        forEachTile(free, [&](int tile) {
            if (!hasTile(present, tile)) return;
            const TileBits& partners = tiles.fourPartners[tile];
            const TileBits mate = isEmpty(partners) ? both(tiles.groupTiles[tiles.group[tile]], present) : partners;
            const TileBits ready = without(both(mate, both(free, present)), pairOf(tile, tile));
            if (isEmpty(ready)) return;
            int other = -1;
            forEachTile(ready, [&](int t) { other = t; });
            const TileBits pair = pairOf(tile, other);
            takePair(s, tile, other);
            present = without(present, pair);
            const TileBits freed = freedBy(tiles, pair, present, free);
            for (int w = 0; w < 3; ++w) free.w[w] |= freed.w[w];
            took = true;
        });
    }
    return isEmpty(present);
}

// Depth-first over the ways of pairing off the groups of four, narrowing
// after each choice. It picks the group whose ways failed most often per way
// left: the choices that matter come first, so a lost board is refuted in a
// few levels. When every group has one way left, the pairs decide.
bool searchWays(Search& s, const Ways& from, const TileBits& all, const TileBits& free) {
    if (s.cancel && s.cancel->load(std::memory_order_relaxed)) s.cancelled = true;
    if (s.nodes >= s.runLimit || s.cancelled) {
        s.stopped = true;
        return false;
    }
    Tiles& tiles = *s.tiles;
    Ways ways = from;
    bool won = false;
    if (narrowWays(s, ways, all, free)) {
        int pick = -1;
        for (int g = 0; g < tiles.groupCount; ++g) {
            const int n = wayCount(ways.of[g]);
            if (n >= 2 && (pick < 0 || (s.failures[g] + 1) * wayCount(ways.of[pick]) > (s.failures[pick] + 1) * n))
                pick = g;
        }
        const int pathLength = s.pathLength;
        if (pick < 0) {
            won = takeSettledPairs(s, all, free);
            if (!won) s.pathLength = pathLength;
        }
        for (int w = 0; w < 3 && pick >= 0 && !won && !s.stopped; ++w) {
            if (((ways.of[pick] >> w) & 1) == 0) continue;
            Ways choice = ways;
            choice.of[pick] = uint8_t(1 << w);
            setAllFourPartners(tiles, choice);
            won = searchWays(s, choice, all, free);
        }
    }
    if (!won) setAllFourPartners(tiles, from);
    return won;
}

// Room for the candidates of every level at once: a level with m tiles left
// holds at most m (m - 1) / 2 pairs, and each level takes at least two tiles.
int64_t poolSize(int tileCount) {
    int64_t size = 1;
    for (int m = tileCount; m >= 2; m -= 2) size += int64_t(m) * (m - 1) / 2;
    return size;
}

// The restart schedule 1, 1, 2, 1, 1, 2, 4, 1, 1, 2, ... in units of kRunNodes.
int64_t runLength(int64_t run) {
    for (;;) {
        int64_t size = 1;
        while (size < run) size = 2 * size + 1;
        if (size == run) return (size + 1) / 2;
        run -= size / 2;
    }
}

}  // namespace

SolveResult solveBoard(const Board& board, int64_t nodeBudget, const std::atomic<bool>* cancel, int64_t movesFirst) {
    SolveResult result{};
    result.verdict = Verdict::Unknown;
    Tiles* tiles = static_cast<Tiles*>(std::malloc(sizeof(Tiles)));
    int16_t* tileAt = static_cast<int16_t*>(std::malloc(sizeof(int16_t) * kCells));
    if (tiles == nullptr || tileAt == nullptr || !indexTiles(board, *tiles, tileAt)) {
        std::free(tiles);
        std::free(tileAt);
        return result;
    }
    std::free(tileAt);

    // Lost from the start: a group with an odd number of tiles (pairs take
    // two), one that cannot be paired off, or a ring of settled pairs.
    TileBits all{};
    for (int tile = 0; tile < tiles->count; ++tile) addTile(all, tile);
    bool stuck = false;
    bool twosAndFours = true;
    for (int tile = 0; tile < tiles->count; ++tile) tiles->partner[tile] = -1;
    listMates(*tiles);
    for (int g = 0; g < tiles->groupCount; ++g) {
        const int n = countOf(tiles->groupTiles[g]);
        stuck = stuck || n % 2 != 0 || pairings(*tiles, tiles->groupTiles[g], tiles->partner) == 0;
        twosAndFours = twosAndFours && (n == 2 || n == 4);
    }
    for (int tile = 0; tile < tiles->count && !stuck; ++tile)
        stuck = tiles->partner[tile] > tile && inRing(*tiles, all, tile, tiles->partner[tile]);
    Ways ways;
    stuck = stuck || !startWays(*tiles, ways);
    if (stuck) {
        result.verdict = Verdict::NotWinnable;
        std::free(tiles);
        return result;
    }

    TileBits free{};
    uint64_t hash = 0;
    for (int tile = 0; tile < tiles->count; ++tile) {
        if (isFreeTile(*tiles, tile, all)) addTile(free, tile);
        hash ^= tiles->key[tile];
    }
    // At most one lost position is stored per node; calloc hands out zeroed
    // pages lazily, so a quick search pays only for what it touches.
    const int64_t budget = nodeBudget < 1 ? 1 : nodeBudget;
    uint64_t capacity = 1024;
    while (capacity < uint64_t(1) << 19 && int64_t(capacity) < budget + budget / 2) capacity *= 2;
    Search s{};
    s.tiles = tiles;
    s.dead = static_cast<uint64_t*>(std::calloc(capacity, sizeof(uint64_t)));
    s.deadMask = capacity - 1;
    s.deadRoom = int64_t(capacity / 4 * 3);
    s.pool = static_cast<Candidate*>(std::malloc(sizeof(Candidate) * poolSize(tiles->count)));
    s.clearing = static_cast<Clearing*>(std::malloc(sizeof(Clearing)));
    s.cancel = cancel;
    if (s.dead != nullptr && s.pool != nullptr && s.clearing != nullptr) {
        // Narrowing the ways once belongs to setting up, outside the budget:
        // it proves many lost deals at once and keeps the search over moves
        // from pairing tiles in ways that cannot win.
        bool won = false;
        bool decided = !narrowWays(s, ways, all, free);
        s.nodes = 0;
        // Most boards are won quickly by following the moves that free the
        // most. Short runs, each in a slightly shuffled order, beat one long
        // run that went wrong early; the lost positions found stay known.
        const int64_t movesBudget = twosAndFours ? std::min(budget, movesFirst) : budget;
        for (int64_t run = 1; !decided && !s.cancelled && s.nodes < movesBudget; ++run) {
            s.stopped = false;
            s.runLimit = std::min(movesBudget, s.nodes + kRunNodes * runLength(run));
            s.jitterState = uint64_t(run - 1);
            s.pathLength = 0;
            won = searchFrom(s, all, free, hash, s.pool, all);
            decided = won || !s.stopped;
        }
        // The rest goes to the ways of pairing off, which refutes a lost
        // board far sooner than trying its moves in every order.
        if (!decided && !s.cancelled && twosAndFours) {
            s.stopped = false;
            s.runLimit = budget;
            s.pathLength = 0;
            won = searchWays(s, ways, all, free);
            decided = won || !s.stopped;
        }
        result.verdict = won ? Verdict::Winnable : decided ? Verdict::NotWinnable : Verdict::Unknown;
        if (won) {
            result.pairCount = s.pathLength / 2;
            for (int p = 0; p < result.pairCount; ++p) {
                const int ends[2] = {tiles->cell[s.path[2 * p]], tiles->cell[s.path[2 * p + 1]]};
                Anchor anchors[2];
                for (int e = 0; e < 2; ++e)
                    anchors[e] = Anchor{ends[e] % kCols, (ends[e] / kCols) % kRows, ends[e] / kCellsPerLayer};
                result.pairs[p] = Move{anchors[0], anchors[1]};
            }
        }
    }
    result.nodes = s.nodes;
    std::free(s.dead);
    std::free(s.pool);
    std::free(s.clearing);
    std::free(tiles);
    return result;
}
