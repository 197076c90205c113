// The solver: decides whether every tile of a board can still be removed,
// and gives a winning order of pairs when it can. It reads only the board it
// is given and draws nothing from the game's random generator, so it may run
// on a copy of the board on any thread while play goes on.
#pragma once

#include <atomic>
#include <cstdint>

#include "rules/board.h"
#include "rules/moves.h"

enum class Verdict {
    Unknown,     // the node budget ran out, or the caller cancelled
    Winnable,
    NotWinnable
};

struct SolveResult {
    Verdict verdict;
    int pairCount;                 // pairs in `pairs`; 0 unless Winnable
    Move pairs[kTileCount / 2];    // a winning order, first pair first
    int64_t nodes;                 // positions searched
};

// The positions the search over moves may spend before the search over the
// ways of pairing off each face takes over.
constexpr int64_t kMovesFirst = 10000;

// Searches `board`, whose tiles are the cells with number != 0 (the caller
// takes away tiles that are vanishing before it copies the board). Any
// tiles are accepted, up to 144 of them: a board with more is not searched
// and stays Unknown. First it tries moves, for at most `movesFirst`
// positions, then, when every face has two or four tiles, it tries the ways
// of pairing them off, a look at the whole board counted as four positions.
// Gives up with Unknown after `nodeBudget` positions, or soon after `*cancel`
// becomes true (cancel may be null). Allocates its working memory once per
// call, in proportion to the budget (at most about 5 MB). A position costs
// about a microsecond on a current desktop, so 200,000 positions are about
// 200 ms.
SolveResult solveBoard(const Board& board, int64_t nodeBudget, const std::atomic<bool>* cancel = nullptr,
                       int64_t movesFirst = kMovesFirst);
