// The record of Undo and Redo: every pair taken since the deal, and every
// shuffle, in order, so that the game can step back to the deal and forward
// again. A fixed record inside the state: stepping allocates nothing and
// takes the same time at any depth.
#pragma once

#include <cstdint>

#include "rules/board.h"

// A game takes at most 72 pairs; the record has room for as many shuffles
// besides. Beyond that the oldest step is forgotten.
constexpr int kMaxSteps = kTileCount;

// One tile of a taken pair: where it lay and its face.
struct TakenTile {
    int32_t index;  // into Board::cells
    int32_t type;
    int32_t number;
};

// A face as a shuffle keeps it.
struct Face {
    int8_t type;
    int8_t number;
};

// A pair taken, or a shuffle: the faces of the tiles left, in the board's
// order, before and after.
struct HistoryStep {
    TakenTile tiles[2];
    int32_t shuffled;
    Face before[kTileCount];
    Face after[kTileCount];
};

struct History {
    HistoryStep steps[kMaxSteps];
    int32_t count;      // steps recorded
    int32_t cursor;     // steps taken on the board now; those above it can be redone
    int32_t gameEnded;  // the last step taken ended the game: Undo may reopen it
};

void clearHistory(History& history);

// A pair has left the board, or the tiles left were shuffled: it becomes
// the last step, and the steps that were undone before it cannot be redone
// any more.
void recordStep(History& history, const HistoryStep& step);

// The faces of the tiles on `board` in its order; putFaces gives them back
// to the same tiles.
void noteFaces(const Board& board, Face (&faces)[kTileCount]);
void putFaces(Board& board, const Face (&faces)[kTileCount]);
