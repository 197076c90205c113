// Replays an order of play through the rules of the game, as a check of
// whatever found it.
#pragma once

#include <gtest/gtest.h>

#include "rules/board.h"
#include "rules/free_rule.h"
#include "rules/moves.h"

// Takes the pairs one by one, each only when both tiles are there, free and
// matching on the board as it stands; true when the board ends empty.
inline ::testing::AssertionResult clearsBoard(Board board, const Move* pairs, int pairCount) {
    for (int p = 0; p < pairCount; ++p) {
        const Anchor ends[2] = {pairs[p].first, pairs[p].second};
        Cell* cells[2];
        for (int e = 0; e < 2; ++e) {
            cells[e] = &cellAt(board, ends[e].z, ends[e].y, ends[e].x);
            if (cells[e]->number == 0 || !isFree(board, ends[e].z, ends[e].x, ends[e].y))
                return ::testing::AssertionFailure() << "pair " << p << ": tile " << e << " missing or not free";
        }
        if (cells[0] == cells[1] || !tilesMatch(*cells[0], *cells[1]))
            return ::testing::AssertionFailure() << "pair " << p << " does not match";
        cells[0]->number = cells[1]->number = 0;
    }
    if (countTiles(board) != 0) return ::testing::AssertionFailure() << countTiles(board) << " tiles left";
    return ::testing::AssertionSuccess();
}
