// What the solver last found to win the position in play: the tiles it
// searched and the first pair of its winning order. Taking that pair keeps
// the game winnable, which is what Hint shows while the position is the same.
#pragma once

#include <cstdint>

#include "rules/board.h"
#include "rules/moves.h"

struct WinningStart {
    int32_t known;   // 0 until a winnable verdict has come for `position`
    Board position;  // the tiles in play that were searched: type and number only
    Move pair;       // the first pair of the winning order found there
};

// The solver found `pair` to begin a winning order of the tiles in play on
// `position` (a tile whose pair is vanishing has left play).
void noteWinningStart(WinningStart& start, const Board& position, const Move& pair);

// Whether the start is known and the tiles in play on `board` are still
// exactly those it was found for.
bool winningStartHolds(const WinningStart& start, const Board& board);
