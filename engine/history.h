// Undo and Redo: every pair taken since the deal, in order, so that the game
// can step back to the deal and forward again. A fixed record inside the
// state: stepping allocates nothing and takes the same time at any depth.
#pragma once

#include <cstdint>

#include "engine/board.h"

struct AppState;

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

// After a step that changed the board by other means than play: the game
// goes on when a move is left, and otherwise it stays ended, for Undo to
// reopen. Clears the selection.
void resumePlay(AppState& app);

// Undo and Redo are offered in a game while play is on, or after its last
// pair ended it; never while a pair vanishes or the deal appears.
bool canUndo(const AppState& app);
bool canRedo(const AppState& app);

// The Undo command: puts the last taken pair back where it lay, or the faces
// back as they were before a shuffle, and the game is played on from there.
void undoStep(AppState& app);

// The Redo command: takes the pair again at once, and the end of the game is
// decided as when it is taken by hand; or shuffles to the same faces again.
void redoStep(AppState& app);
