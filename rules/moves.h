// The move search: the pairs of free matching tiles a board offers.
#pragma once

#include "rules/board.h"
#include "rules/random.h"

// Two free, matching tiles; first comes before second in the board's order.
struct Move {
    Anchor first;
    Anchor second;
};

// Counts every pair of free matching tiles, drawing nothing: what the status
// bar shows.
int countMoves(const Board& board);

// Counts every pair of free matching tiles and, when there is one, picks one
// of them with one draw of the random generator. Returns the count: 0 exactly
// when no pair exists. Allocates nothing and has no upper bound on pairs.
int findMoves(Random& random, const Board& board, Move& move);
