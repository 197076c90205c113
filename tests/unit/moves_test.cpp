#include <gtest/gtest.h>

#include "fake_host.h"
#include "game/hint.h"
#include "rules/moves.h"
#include "rules/random.h"
#include "test_boards.h"

namespace {

bool sameAnchor(const Anchor& a, int x, int y, int z) { return a.x == x && a.y == y && a.z == z; }

TEST(FindMoves, CountsOnlyFreeMatchingPairs) {
    struct Case {
        const char* name;
        std::vector<Cell> row;  // tiles edge to edge on layer 0, row 0
        int pairs;
    };
    const Case cases[] = {
        {"two seasons of different numbers", {{TypeSeasons, 1}, {}, {}, {TypeSeasons, 4}}, 1},
        {"a season and a flower", {{TypeSeasons, 1}, {}, {}, {TypeFlowers, 1}}, 0},
        // The middle tile is hemmed in, so only the two ends are free.
        {"blocked middle", {{TypeWinds, 2}, {TypeWinds, 2}, {TypeWinds, 2}}, 1},
        {"different winds", {{TypeWinds, 1}, {}, {}, {TypeWinds, 2}}, 0},
        {"empty board", {}, 0},
    };
    for (const Case& c : cases) {
        auto app = newTestState();
        for (size_t i = 0; i < c.row.size(); ++i)
            if (c.row[i].number != 0)
                place(app->board, 0, 0, 2 * static_cast<int>(i), c.row[i].type, c.row[i].number);
        EXPECT_EQ(countMoves(app->board), c.pairs) << c.name;  // the status bar's count, no draw
        Move move{};
        EXPECT_EQ(findMoves(app->random, app->board, move), c.pairs) << c.name;
    }
}

TEST(FindMoves, PairIsOrderedAndDrawsOnlyWhenFound) {
    auto app = newTestState();
    place(app->board, 1, 4, 10, TypeDragons, 2);
    place(app->board, 0, 20, 30, TypeDragons, 2);
    seedRandom(app->random, 99);
    Move move{};
    ASSERT_EQ(findMoves(app->random, app->board, move), 1);
    EXPECT_TRUE(sameAnchor(move.first, 30, 20, 0));  // lower layer comes first
    EXPECT_TRUE(sameAnchor(move.second, 10, 4, 1));

    auto replay = newTestState();
    seedRandom(replay->random, 99);
    nextRandom(replay->random);
    EXPECT_EQ(app->random.state, replay->random.state) << "one draw per successful search";

    clearBoard(app->board);
    const uint32_t before = app->random.state;
    EXPECT_EQ(findMoves(app->random, app->board, move), 0);
    EXPECT_EQ(app->random.state, before) << "no draw without a pair";
}

TEST(FindMoves, HoldsEveryPairOfAFullyFreeBoard) {
    // A crafted saved game may hold 144 identical tiles, all free: every one
    // of the 144 * 143 / 2 pairs counts, and the chosen pair is one of them.
    auto app = newTestState();
    for (int i = 0; i < kTileCount; ++i) place(app->board, 0, (i / 16) * 2, (i % 16) * 3, TypeWinds, 3);
    ASSERT_EQ(countTiles(app->board), kTileCount);
    EXPECT_EQ(countMoves(app->board), 144 * 143 / 2);
    Move move{};
    for (uint32_t seed = 0; seed < 20; ++seed) {
        seedRandom(app->random, seed);
        ASSERT_EQ(findMoves(app->random, app->board, move), 144 * 143 / 2);
        EXPECT_EQ(cellAt(app->board, move.first.z, move.first.y, move.first.x).number, 3);
        EXPECT_EQ(cellAt(app->board, move.second.z, move.second.y, move.second.x).number, 3);
    }
}

TEST(Hint, FlashesThePairWithSound) {
    auto app = newTestState();
    place(app->board, 0, 0, 0, TypeBamboo, 7);
    place(app->board, 0, 0, 10, TypeBamboo, 7);
    app->selectedX = 0;
    app->selectedY = 0;
    app->selectedZ = 0;
    app->gameActive = 1;
    showHint(*app);
    for (int x : {0, 10}) {
        const Cell& cell = cellAt(app->board, 0, 0, x);
        EXPECT_EQ(cell.effect, EffectBlankFlash);
        EXPECT_EQ(cell.opacity, 100);
        EXPECT_EQ(cell.ticks, 10);
    }
    EXPECT_EQ(app->selectedX, 0) << "the selection is not touched";
    EXPECT_EQ(fakeHost().sounds(), std::vector<int>{SoundPairCompleted});
    EXPECT_EQ(fakeHost().count(HostCall::Repaint), 1);
    EXPECT_TRUE(fakeHost().messages().empty());
}

TEST(Hint, WithoutAPairSaysSoAndChangesNothing) {
    auto app = newTestState();
    place(app->board, 0, 0, 0, TypeBamboo, 7);
    place(app->board, 0, 0, 10, TypeBamboo, 8);
    app->gameActive = 1;
    showHint(*app);
    ASSERT_EQ(fakeHost().calls.size(), 1u);
    EXPECT_EQ(fakeHost().calls[0].text, "There is no variant!");
    EXPECT_EQ(fakeHost().calls[0].icon, MessageIcon::Information);
    EXPECT_EQ(cellAt(app->board, 0, 0, 0).effect, EffectNone);
}

}  // namespace
