// Hint on positions where a pair of the move search loses the game: with the
// option on, the pair shown keeps the game winnable while the solver's
// verdict holds for the tiles in play; with it off, or once they changed, the
// move search's pair.
#include <gtest/gtest.h>

#include <vector>

#include "fake_host.h"
#include "game/hint.h"
#include "rules/solver.h"
#include "test_boards.h"

namespace {

// Four tiles of one face (seasons 1 to 4, which all match): two loose in row
// y, two stacked in row y + 6. Taking the loose pair loses the game.
void looseAndStacked(Board& board, int type, int y) {
    const Anchor places[] = {{4, y, 0}, {10, y, 0}, {4, y + 6, 0}, {4, y + 6, 1}};
    for (int i = 0; i < 4; ++i)
        place(board, places[i].z, places[i].y, places[i].x, type, type == TypeSeasons ? i + 1 : 1);
}

std::vector<int> hint(AppState& app, const Board& position, uint32_t seed, int32_t safe) {
    app.board = position;
    app.gameActive = 1;
    app.hintSafe = safe;
    seedRandom(app.random, seed);
    showHint(app);
    std::vector<int> tiles;
    for (int i = 0; i < kCells; ++i)
        if (app.board.cells[i].effect == EffectBlankFlash) tiles.push_back(i);
    return tiles;
}

std::vector<int> searchPair(const Board& position, uint32_t seed) {
    Random random;
    seedRandom(random, seed);
    Move m;
    findMoves(random, position, m);
    return {cellIndex(m.first.z, m.first.y, m.first.x), cellIndex(m.second.z, m.second.y, m.second.x)};
}

bool winnableWithout(Board board, const std::vector<int>& tiles) {
    for (int i : tiles) board.cells[i] = Cell{};
    return solveBoard(board, 100000).verdict == Verdict::Winnable;
}

TEST(SafeHint, KeepsTrapPositionsWinnableWhileTheVerdictHolds) {
    auto app = newTestState();
    std::vector<std::unique_ptr<Board>> traps;
    for (int kind = 0; kind < 3; ++kind) {
        traps.push_back(std::make_unique<Board>());
        looseAndStacked(*traps.back(), kind == 1 ? TypeSeasons : TypeCircles, 4);
        if (kind == 2) looseAndStacked(*traps.back(), TypeDragons, 16);  // a second trap, same number
    }
    for (const auto& trap : traps) {
        const SolveResult solved = solveBoard(*trap, 100000);
        ASSERT_EQ(solved.verdict, Verdict::Winnable);
        noteWinningStart(app->winningStart, *trap, solved.pairs[0]);
        int losing = 0;
        for (uint32_t seed = 0; seed < 24; ++seed) {
            EXPECT_TRUE(winnableWithout(*trap, hint(*app, *trap, seed, 1))) << seed;
            const std::vector<int> plain = hint(*app, *trap, seed, 0);
            EXPECT_EQ(plain, searchPair(*trap, seed)) << seed;
            losing += !winnableWithout(*trap, plain);
        }
        EXPECT_GT(losing, 0) << "the move search never fell in the trap";
    }
    // The last verdict is for two traps; a pair gone, the stacks' tops swapped
    // (same number, other face) or a pair vanishing make another position.
    const Board& both = *traps.back();
    std::vector<std::unique_ptr<Board>> changed;
    for (int i = 0; i < 3; ++i) changed.push_back(std::make_unique<Board>(both));
    cellAt(*changed[0], 0, 16, 4) = cellAt(*changed[0], 0, 16, 10) = Cell{};
    std::swap(cellAt(*changed[1], 1, 10, 4), cellAt(*changed[1], 1, 22, 4));
    cellAt(*changed[2], 0, 16, 4).effect = cellAt(*changed[2], 0, 16, 10).effect = EffectVanishing;
    for (const auto& board : changed)
        for (uint32_t seed = 0; seed < 8; ++seed) EXPECT_EQ(hint(*app, *board, seed, 1), searchPair(*board, seed));
}

}  // namespace
