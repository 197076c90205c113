// The state of one search for a win, shared by its two ways of searching:
// over moves, and over the ways of pairing off each group of four.
#pragma once

#include <atomic>
#include <cstdint>

#include "rules/solver_tiles.h"

namespace solving {

// A look at the whole board by mayAllGo costs about as much as this many
// positions of the search.
constexpr int64_t kLookNodes = 4;

// A pair searchMoves may take next, scored by the tiles it frees.
struct Candidate {
    uint8_t first;
    uint8_t second;
    int16_t score;
};

// One solve: the board, the table of lost positions, the budget and the
// winning order found so far.
struct Search {
    Tiles* tiles;  // the partners of groups of four change during searchWays
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

inline void takePair(Search& s, int a, int b) {
    s.path[s.pathLength++] = uint8_t(a);
    s.path[s.pathLength++] = uint8_t(b);
}

// The ways each group of four may still be paired off: bit w stands for
// kWays[w]; 0 for a group of any other size.
struct Ways {
    uint8_t of[kTileCount];
};

// Depth-first search from the position `left`, whose free tiles are `free`;
// true when it can be cleared, with the winning pairs in s.path. `settled`
// holds the tiles whose group the move here cut from four to two: only they
// can make mayAllGo fail where it held one move before.
bool searchMoves(Search& s, const TileBits& left, const TileBits& free, uint64_t hash, Candidate* candidates,
                 const TileBits& settled);

// Room for the candidates of every level of searchMoves at once.
int64_t poolSize(int tileCount);

// The length of restart number `run` of searchMoves, in positions.
int64_t runLength(int64_t run);

// The ways in which neither pair must go before itself; false when a group of
// four has none.
bool startWays(Tiles& tiles, Ways& ways);

// Keeps of each group's ways only those with which the board, the group held
// to that way alone, still passes mayAllGo; over and over, until nothing
// changes. False when the board fails mayAllGo or a group is left with no
// way: then no win keeps to `ways`.
bool narrowWays(Search& s, Ways& ways, const TileBits& all, const TileBits& free);

// Depth-first over the ways of pairing off the groups of four of the board
// `all`, whose free tiles are `free`; true when it can be cleared, with the
// winning pairs in s.path.
bool searchWays(Search& s, const Ways& from, const TileBits& all, const TileBits& free);

}  // namespace solving
