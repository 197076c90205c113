#include "rules/moves.h"

#include "rules/free_rule.h"

namespace {

// The free tiles of a board in index order. A board holds at most one anchor
// per cell, so a list of kCells indices can never overflow.
struct FreeTiles {
    int index[kCells];
    int count;
};

void collectFreeTiles(const Board& board, FreeTiles& free) {
    free.count = 0;
    for (int z = 0; z < kLayers; ++z)
        for (int y = 0; y < kRows; ++y)
            for (int x = 0; x < kCols; ++x)
                if (cellAt(board, z, y, x).number != 0 && isFree(board, z, x, y))
                    free.index[free.count++] = cellIndex(z, y, x);
}

// Visits the pairs in the order (first, second) of the board's index order and
// stops at pair number `wanted`; returns how many pairs it saw.
int walkPairs(const Board& board, const FreeTiles& free, int wanted, Move* found) {
    int seen = 0;
    for (int a = 0; a < free.count; ++a) {
        const Cell& first = board.cells[free.index[a]];
        for (int b = a + 1; b < free.count; ++b) {
            if (!tilesMatch(first, board.cells[free.index[b]])) continue;
            if (seen == wanted) {
                *found = Move{anchorOf(free.index[a]), anchorOf(free.index[b])};
                return seen + 1;
            }
            ++seen;
        }
    }
    return seen;
}

}  // namespace

int countMoves(const Board& board) {
    FreeTiles free;
    collectFreeTiles(board, free);
    return walkPairs(board, free, -1, nullptr);
}

int findMoves(Random& random, const Board& board, Move& move) {
    const int count = countMoves(board);
    if (count == 0) return 0;
    FreeTiles free;
    collectFreeTiles(board, free);
    walkPairs(board, free, nextRandom(random) % count, &move);
    return count;
}
