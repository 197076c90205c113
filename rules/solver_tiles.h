// The board as the solver sees it: its tiles numbered and indexed with what
// lies on and beside each, and the rules it reasons with: when a tile is
// free, what must go before a pair, and whether a position can still be
// cleared at all.
#pragma once

#include "rules/board.h"
#include "rules/tile_bits.h"

namespace solving {

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
inline uint64_t nextKey(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Numbers the tiles of `board` in its order and works out what lies on and
// beside each; `tileAt` is scratch room for kCells entries. False when the
// board holds more than 144 tiles.
bool indexTiles(const Board& board, Tiles& tiles, int16_t* tileAt);

// The tiles that must be gone before tiles a and b can be taken together:
// what lies on either, and when one stands in the other's row, everything
// on the far side of each.
TileBits neededBefore(const Tiles& tiles, int a, int b);

// Notes each tile's group mates and what must be gone before it can go with
// each, for groups of up to four.
void listMates(Tiles& tiles);

// neededBefore for two tiles of one group, from the list when it is there.
inline TileBits pairNeeds(const Tiles& tiles, int a, int b) {
    for (int k = 0; k < tiles.mateCount[a]; ++k)
        if (tiles.mate[a][k] == b) return tiles.mateNeeds[a][k];
    return neededBefore(tiles, a, b);
}

inline bool isFreeTile(const Tiles& tiles, int tile, const TileBits& left) {
    return !meets(tiles.above[tile], left) && !(meets(tiles.left[tile], left) && meets(tiles.right[tile], left));
}

// Whether tiles a and b can ever be taken together: neither must go first.
inline bool apart(const Tiles& tiles, int a, int b) { return !meets(pairNeeds(tiles, a, b), pairOf(a, b)); }

// The tiles that `taken` leaves free which were not free before.
TileBits freedBy(const Tiles& tiles, const TileBits& taken, const TileBits& after, const TileBits& free);

// The three ways of pairing off four tiles, as places in the group's list.
constexpr int kWays[3][4] = {{0, 1, 2, 3}, {0, 2, 1, 3}, {0, 3, 1, 2}};

// How many ways of pairing off a set of bits stand for (bit w for kWays[w]).
inline int wayCount(int ways) { return (ways & 1) + ((ways >> 1) & 1) + ((ways >> 2) & 1); }

// The ways of pairing off the four tiles `t` in which neither pair must go
// before itself, bit w for kWays[w].
int apartWays(const Tiles& tiles, const int* t);

// In how many ways the tiles of a group can still be paired off, counting
// only pairs of which neither tile must go before the other; when there is
// exactly one way, each tile's partner in it goes to `partner`. Two or four
// tiles are looked at; other counts only occur on hand-made boards, are left
// to the search, and give -1.
int pairings(const Tiles& tiles, const TileBits& members, int16_t* partner);

// Whether the pair (a, b), the last two of their group, must go before
// itself: a ring of settled pairs in which each needs a tile of the next gone
// first. A pair is settled when its group has two tiles left, or four that
// pair off in one way only (their partners in `tiles.partner`); a settled
// pair can only go together, so no pair of the ring can ever be taken first.
bool inRing(const Tiles& tiles, const TileBits& left, int a, int b);

// The order in which mayAllGo took the tiles of a board, and the tiles free
// (or gone: a tile that went was free) when each was taken.
struct Clearing {
    int count;
    uint8_t tile[kTileCount];
    TileBits freeAt[kTileCount];
};

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
                  Clearing* record);

inline bool mayAllGo(const Tiles& tiles, const TileBits& left, const TileBits& free, const TileBits& watched) {
    return mayAllGoFrom(tiles, left, left, free, watched, nullptr);
}


// Gives the four tiles `t` of a group the partners they have in the ways of
// pairing off (bit w for kWays[w]) in `ways`.
void setFourPartners(Tiles& tiles, const int* t, int ways);

}  // namespace solving
