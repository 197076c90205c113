// Which pair Hint shows. While the solver has called the position in play
// winnable, the first pair of the winning order it found: taking that pair
// keeps the game winnable. Otherwise, or with the option off, a pair of the
// move search, as the hint has always been.
#pragma once

#include <cstdint>

#include "rules/board.h"
#include "rules/moves.h"

struct AppState;

// What the solver last said could be won, and how to begin.
struct WinningStart {
    int32_t known;   // 0 until a winnable verdict has come for `position`
    Board position;  // the tiles in play that were searched: type and number only
    Move pair;       // the first pair of the winning order found there
};

// The solver found `pair` to begin a winning order of the tiles in play on
// `position` (a tile whose pair is vanishing has left play).
void noteWinningStart(AppState& app, const Board& position, const Move& pair);

// The pair Hint shows: the winning start when hintSafe is on and the tiles in
// play are still those of its position, else one drawn by findMoves. False
// when there is no pair at all.
bool chooseHintPair(AppState& app, Move& move);
