// Undo and Redo: every pair taken since the deal, in order, so that the game
// can step back to the deal and forward again. A fixed record inside the
// state: stepping allocates nothing and takes the same time at any depth.
#pragma once

#include <cstdint>

#include "engine/board.h"

struct AppState;

// A deal holds at most 144 tiles, so a game takes at most 72 pairs.
constexpr int kMaxSteps = kTileCount / 2;

// One tile of a taken pair: where it lay and its face.
struct TakenTile {
    int32_t index;  // into Board::cells
    int32_t type;
    int32_t number;
};

struct HistoryStep {
    TakenTile tiles[2];
};

struct History {
    HistoryStep steps[kMaxSteps];
    int32_t count;      // steps recorded
    int32_t cursor;     // steps taken on the board now; those above it can be redone
    int32_t gameEnded;  // the last step taken ended the game: Undo may reopen it
};

void clearHistory(History& history);

// A pair has left the board: it becomes the last step, and the steps that
// were undone before it cannot be redone any more.
void recordStep(History& history, const HistoryStep& step);

// Undo and Redo are offered in a game while play is on, or after its last
// pair ended it; never while a pair vanishes or the deal appears.
bool canUndo(const AppState& app);
bool canRedo(const AppState& app);

// The Undo command: puts the last taken pair back where it lay, and the game
// is played on from there.
void undoStep(AppState& app);

// The Redo command: takes the pair again at once, and the end of the game is
// decided as when it is taken by hand.
void redoStep(AppState& app);
