#include <gtest/gtest.h>

#include "fake_host.h"
#include "rules/deal.h"
#include "rules/random.h"
#include "test_boards.h"

namespace {

// A puzzle of 144 positions in a plain order: every other cell of layer 0
// from the start, spilling into later rows.
void flatLayout(Layout& layout) {
    clearBoard(layout);
    for (int i = 0; i < kTileCount; ++i) {
        layout.cells[i * 2].type = TypeBlank;
        layout.cells[i * 2].number = 1;
    }
}

TEST(Random, FollowsTheLinearCongruentialSequence) {
    auto app = newTestState();
    seedRandom(app->random, 1);
    // The well-known first draws of this generator from seed 1.
    const int expected[] = {41, 18467, 6334, 26500, 19169};
    for (int value : expected) EXPECT_EQ(nextRandom(app->random), value);
}

TEST(Deal, TileListBeforeTheShuffle) {
    auto app = newTestState();
    Cell tiles[kTileCount];
    buildTileList(app->tileSet, tiles);
    struct Entry { int index, type, number; };
    const Entry entries[] = {
        {0, TypeCircles, 1},   {9, TypeCircles, 1},   {35, TypeCircles, 9},
        {36, TypeBamboo, 1},   {72, TypeCharacters, 1}, {108, TypeWinds, 1},
        {124, TypeDragons, 1}, {135, TypeDragons, 3},
        {136, TypeSeasons, 1}, {137, TypeSeasons, 2}, {138, TypeSeasons, 3}, {139, TypeSeasons, 4},
        {140, TypeFlowers, 1}, {141, TypeFlowers, 2}, {142, TypeFlowers, 3}, {143, TypeFlowers, 4},
    };
    for (const Entry& e : entries) {
        EXPECT_EQ(tiles[e.index].type, e.type) << "entry " << e.index;
        EXPECT_EQ(tiles[e.index].number, e.number) << "entry " << e.index;
    }
    int perType[TypeCount] = {};
    for (const Cell& tile : tiles) ++perType[tile.type];
    EXPECT_EQ(perType[TypeCircles] + perType[TypeBamboo] + perType[TypeCharacters], 108);
    EXPECT_EQ(perType[TypeWinds], 16);
    EXPECT_EQ(perType[TypeDragons], 12);
    EXPECT_EQ(perType[TypeSeasons] + perType[TypeFlowers], 8);
}

TEST(Deal, ReplaysFromAKnownSeedWithTwoThousandDraws) {
    auto app = newTestState();
    auto layout = std::make_unique<Layout>();
    flatLayout(*layout);
    seedRandom(app->random, 20261207);
    dealTiles(app->random, app->tileSet, app->board, *layout);

    // The first positions of the deal, pinned: any change in the order of
    // draws or of the tile list moves them.
    const Cell first[] = {{0, 5}, {3, 1}, {1, 9}, {2, 4}, {0, 1}, {2, 7}, {1, 5}, {2, 7}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(app->board.cells[i * 2].type, first[i].type) << "position " << i;
        EXPECT_EQ(app->board.cells[i * 2].number, first[i].number) << "position " << i;
    }

    auto replay = newTestState();
    seedRandom(replay->random, 20261207);
    for (int draw = 0; draw < 2000; ++draw) nextRandom(replay->random);
    EXPECT_EQ(app->random.state, replay->random.state);
}

TEST(Deal, FillsExactlyThePositionsWithTheWholeSet) {
    auto app = newTestState();
    auto layout = std::make_unique<Layout>();
    flatLayout(*layout);
    seedRandom(app->random, 7);
    cellAt(app->board, 3, 3, 3).number = 5;  // stale content is cleared
    dealTiles(app->random, app->tileSet, app->board, *layout);
    int perFace[TypeCount][10] = {};
    for (int i = 0; i < kCells; ++i) {
        const Cell& cell = app->board.cells[i];
        if (layout->cells[i].number == 0) {
            EXPECT_EQ(cell.number, 0) << i;
            continue;
        }
        ASSERT_GE(cell.number, 1);
        EXPECT_EQ(cell.effect, 0);
        EXPECT_EQ(cell.opacity, 0);
        ++perFace[cell.type][cell.number];
    }
    for (int t = 0; t < TypeCount; ++t)
        for (int n = 1; n <= app->tileSet.numbersPerType[t]; ++n)
            EXPECT_EQ(perFace[t][n], app->tileSet.copiesPerType[t]) << t << "/" << n;
}

TEST(Deal, OversizedLayoutNeverReadsPastTheTileList) {
    auto app = newTestState();
    auto layout = std::make_unique<Layout>();
    for (Cell& cell : layout->cells) cell = Cell{TypeBlank, 1};
    dealTiles(app->random, app->tileSet, app->board, *layout);
    EXPECT_EQ(countTiles(app->board), kTileCount);
}

TEST(Deal, AppearingShowsLayerZeroAndHoldsTheRest) {
    auto app = newTestState();
    startAppearing(app->board);
    EXPECT_EQ(cellAt(app->board, 0, 29, 49).effect, EffectAppearing);
    EXPECT_EQ(cellAt(app->board, 0, 29, 49).opacity, 100);
    EXPECT_EQ(cellAt(app->board, 0, 0, 0).ticks, 10);
    EXPECT_EQ(cellAt(app->board, 1, 0, 0).effect, EffectAppearing);
    EXPECT_EQ(cellAt(app->board, 4, 29, 49).opacity, 0);
    EXPECT_EQ(cellAt(app->board, 4, 29, 49).ticks, 0);
}

}  // namespace
