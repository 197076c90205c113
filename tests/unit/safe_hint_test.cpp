// Hint with "Hints keep the game winnable": on positions where a pair of the
// move search loses the game, the pair shown keeps it winnable as long as the
// solver's verdict is for the position in play; with the option off, or once
// the position has changed, the move search's pair as ever.
#include <gtest/gtest.h>

#include <vector>

#include "fake_host.h"
#include "game/hint.h"
#include "rules/moves.h"
#include "rules/solver.h"
#include "test_boards.h"

namespace {

constexpr int64_t kBudget = 100000;

// The two tiles showing the blank flash, in the board's order.
std::vector<int> flashed(const Board& board) {
    std::vector<int> tiles;
    for (int i = 0; i < kCells; ++i)
        if (board.cells[i].effect == EffectBlankFlash) tiles.push_back(i);
    return tiles;
}

std::vector<int> tilesOf(const Move& move) {
    return {cellIndex(move.first.z, move.first.y, move.first.x), cellIndex(move.second.z, move.second.y, move.second.x)};
}

// Whether the board can still be won once these tiles are gone.
bool winnableWithout(Board board, const std::vector<int>& tiles) {
    for (int i : tiles) board.cells[i] = Cell{};
    return solveBoard(board, kBudget).verdict == Verdict::Winnable;
}

// Two tiles of a face loose on layer 0 and two stacked on each other: taking
// the loose pair leaves the stack, lost.
void loosePairAndStack(Board& board, int type, int number) {
    place(board, 0, 4, 4, type, number);
    place(board, 0, 4, 10, type, number);
    place(board, 0, 10, 4, type, number);
    place(board, 1, 10, 4, type, number);
}

struct Trap {
    const char* name;
    void (*build)(Board&);
};

const Trap kTraps[] = {
    {"circles, loose pair and stack", [](Board& b) { loosePairAndStack(b, TypeCircles, 1); }},
    {"seasons, any two match", [](Board& b) {
         place(b, 0, 4, 4, TypeSeasons, 1);
         place(b, 0, 4, 10, TypeSeasons, 2);
         place(b, 0, 10, 4, TypeSeasons, 3);
         place(b, 1, 10, 4, TypeSeasons, 4);
     }},
    {"beside a free pair of bamboo", [](Board& b) {
         loosePairAndStack(b, TypeCircles, 1);
         place(b, 0, 16, 4, TypeBamboo, 5);
         place(b, 0, 16, 10, TypeBamboo, 5);
     }},
    {"two traps in one", [](Board& b) {
         loosePairAndStack(b, TypeCircles, 1);
         place(b, 0, 20, 4, TypeDragons, 1);
         place(b, 0, 20, 10, TypeDragons, 1);
         place(b, 0, 26, 4, TypeDragons, 1);
         place(b, 1, 26, 4, TypeDragons, 1);
     }},
};

struct SafeHint : ::testing::Test {
    std::unique_ptr<AppState> app = newTestState();
    // Hint on `position` with the random generator at `seed`: the tiles flashed.
    std::vector<int> hintOn(const Board& position, uint32_t seed) {
        app->board = position;
        app->gameActive = 1;
        seedRandom(app->random, seed);
        showHint(*app);
        return flashed(app->board);
    }
    // What the move search draws from the generator at `seed`.
    std::vector<int> searchPair(const Board& position, uint32_t seed) {
        Random random;
        seedRandom(random, seed);
        Move move;
        findMoves(random, position, move);
        return tilesOf(move);
    }
};

TEST_F(SafeHint, KeepsTrapPositionsWinnableAndTheOptionOffGivesTheSearchsPair) {
    auto position = std::make_unique<Board>();
    for (const Trap& trap : kTraps) {
        clearBoard(*position);
        trap.build(*position);
        const SolveResult solved = solveBoard(*position, kBudget);
        ASSERT_EQ(solved.verdict, Verdict::Winnable) << trap.name;
        noteWinningStart(app->winningStart, *position, solved.pairs[0]);
        int losingSearchPairs = 0;
        for (uint32_t seed = 0; seed < 24; ++seed) {
            app->hintSafe = 1;
            const std::vector<int> safe = hintOn(*position, seed);
            ASSERT_EQ(safe.size(), 2u) << trap.name;
            EXPECT_TRUE(winnableWithout(*position, safe)) << trap.name << ", seed " << seed;

            app->hintSafe = 0;
            const std::vector<int> plain = hintOn(*position, seed);
            EXPECT_EQ(plain, searchPair(*position, seed)) << trap.name << ", seed " << seed;
            losingSearchPairs += !winnableWithout(*position, plain);
        }
        EXPECT_GT(losingSearchPairs, 0) << trap.name << ": the move search never fell in the trap";
    }
}

// A verdict is for one position: once a pair has gone, or the faces moved,
// the hint draws from the move search until the next verdict comes.
TEST_F(SafeHint, APositionChangedSinceTheVerdictGetsTheSearchsPair) {
    auto position = std::make_unique<Board>();
    kTraps[3].build(*position);
    const SolveResult solved = solveBoard(*position, kBudget);
    ASSERT_EQ(solved.verdict, Verdict::Winnable);
    noteWinningStart(app->winningStart, *position, solved.pairs[0]);
    app->hintSafe = 1;

    auto changed = std::make_unique<Board>(*position);
    cellAt(*changed, 0, 20, 4) = Cell{};  // a dragon pair taken
    cellAt(*changed, 0, 20, 10) = Cell{};
    auto shuffled = std::make_unique<Board>(*position);
    std::swap(cellAt(*shuffled, 1, 10, 4), cellAt(*shuffled, 1, 26, 4));  // the stacks' tops swapped
    auto vanishing = std::make_unique<Board>(*position);
    cellAt(*vanishing, 0, 20, 4).effect = EffectVanishing;  // the pair has left play
    cellAt(*vanishing, 0, 20, 10).effect = EffectVanishing;
    for (const Board* board : {changed.get(), shuffled.get(), vanishing.get()})
        for (uint32_t seed = 0; seed < 8; ++seed) EXPECT_EQ(hintOn(*board, seed), searchPair(*board, seed)) << seed;

    // Effects that leave the tiles in play do not change the position.
    auto flashing = std::make_unique<Board>(*position);
    cellAt(*flashing, 0, 4, 4).effect = EffectStopFlash;
    EXPECT_EQ(hintOn(*flashing, 0), tilesOf(solved.pairs[0]));
}

}  // namespace
