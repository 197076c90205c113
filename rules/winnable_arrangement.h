// Arrangements that can be won, built backwards: pairs of faces are laid, one
// pair at a time, on positions that are free among those laid so far, so that
// taking the pairs in the reverse order clears the board. "Winnable deals
// only" deals this way, and Shuffle rearranges the tiles left this way.
#pragma once

#include "rules/board.h"
#include "rules/moves.h"
#include "rules/random.h"

enum class Arrangement {
    Arranged,
    CannotBeCleared,  // no order of play takes every position, or the faces do not pair off
    GaveUp            // the search ran out of work before it found an order
};

// An order of play that clears a board, first pair first.
struct ClearingOrder {
    int pairCount;
    Move pairs[kTileCount / 2];
};

// Gives the tiles of `board` (the cells with number != 0) their own faces in
// a new order, such that the board can be won, and notes how in `order` when
// asked. Every choice is drawn from the program's random generator: the
// pairing of the faces, and at each step which of the positions that may be
// laid next get the next pair. A dead end is undone and tried otherwise; the
// solver confirms the result. Leaves the board as it was unless it arranges.
Arrangement arrangeToWin(Random& random, Board& board, ClearingOrder* order = nullptr);
