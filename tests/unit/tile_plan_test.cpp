#include "view/tile_plan.h"

#include <gtest/gtest.h>

#include "fake_host.h"

namespace {

void place(Board& board, int layer, int row, int column, int type, int number) {
    Cell& cell = cellAt(board, layer, row, column);
    cell.type = type;
    cell.number = number;
}

void expectPoints(const PlanPoint (&actual)[6], const PlanPoint (&expected)[6]) {
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(actual[i].x, expected[i].x) << "point " << i;
        EXPECT_EQ(actual[i].y, expected[i].y) << "point " << i;
    }
}

void expectBlock(const BlockCopy& actual, const BlockCopy& expected) {
    EXPECT_EQ(actual.destX, expected.destX);
    EXPECT_EQ(actual.destY, expected.destY);
    EXPECT_EQ(actual.width, expected.width);
    EXPECT_EQ(actual.height, expected.height);
    EXPECT_EQ(actual.sourceX, expected.sourceX);
    EXPECT_EQ(actual.sourceY, expected.sourceY);
}

struct TilePlanTest : ::testing::Test {
    std::unique_ptr<AppState> app = newTestState();
    Board& board = app->board;
    TilePlan plan{};
    Anchor selected() const { return Anchor{app->selectedX, app->selectedY, app->selectedZ}; }
};

// Bamboo 5 at layer 1, row 2, column 4, 100 %, face origin (10, 20).
TEST_F(TilePlanTest, BambooFiveOnLayerOneCopiesFaceAndBodyFromTheSheet) {
    place(board, 1, 2, 4, TypeBamboo, 5);
    ASSERT_TRUE(planTile(app->faceTable, selected(), board, 1, 2, 4, 10, 20, 100, plan));
    const int x = 10, y = 20;
    expectBlock(plan.face, {x + 168, y + 96, 96, 120, 384, 120});
    expectBlock(plan.rightSide, {x + 258, y + 96, 30, 144, 858, 360});
    expectBlock(plan.bottomSide, {x + 168, y + 210, 120, 30, 768, 474});
    expectPoints(plan.rightClip, {{x + 264, y + 99}, {x + 288, y + 123}, {x + 288, y + 240},
                                  {x + 264, y + 216}, {x + 258, y + 216}, {x + 258, y + 99}});
    expectPoints(plan.bottomClip, {{x + 171, y + 216}, {x + 195, y + 240}, {x + 291, y + 240},
                                   {x + 264, y + 216}, {x + 264, y + 210}, {x + 171, y + 210}});
    EXPECT_EQ(plan.faceClip.left, x + 168);
    EXPECT_EQ(plan.faceClip.top, y + 96);
    EXPECT_EQ(plan.faceClip.right, x + 265);
    EXPECT_EQ(plan.faceClip.bottom, y + 217);
    EXPECT_EQ(plan.faceClip.corner, 6);
    EXPECT_EQ(plan.alpha, kOpaque);
    EXPECT_FALSE(plan.tinted);
}

// Only a neighbour half a tile higher on the right, painted earlier, shortens
// the right side; the first, second and last points drop by H/2 - E.
TEST_F(TilePlanTest, RightSideStartsBelowARaisedRightNeighbour) {
    struct Case {
        int row, column, neighbourRow, neighbourColumn;
        bool shortened;
    };
    const Case cases[] = {
        {5, 10, 4, 12, true},    // half a tile up on the right
        {5, 10, 5, 12, false},   // level neighbour: painted later, covers the side itself
        {5, 10, 6, 12, false},   // half a tile down on the right
        {5, 10, 4, 11, false},   // overlapping column, not a neighbour
        {0, 10, -1, -1, false},  // row 0 has nothing above
        {5, 48, 4, 49, false},   // columns 48 and 49 never shorten
        {5, 47, 4, 49, true},
    };
    for (const Case& c : cases) {
        clearBoard(board);
        place(board, 2, c.row, c.column, TypeCircles, 1);
        if (c.neighbourRow >= 0) place(board, 2, c.neighbourRow, c.neighbourColumn, TypeCircles, 2);
        ASSERT_TRUE(planTile(app->faceTable, selected(), board, 2, c.row, c.column, 0, 0, 62.5, plan));
        // 62.5 %: W 60, H 75, D 15, E 3.
        const int X = c.column * 60 / 2 - 30, Y = c.row * 75 / 2 - 30;
        const int drop = c.shortened ? 75 / 2 - 3 : 0;
        SCOPED_TRACE(testing::Message() << "row " << c.row << " column " << c.column);
        expectPoints(plan.rightClip, {{X + 60, Y + 1 + drop}, {X + 75, Y + 16 + drop},
                                      {X + 75, Y + 90}, {X + 60, Y + 75}, {X + 57, Y + 75},
                                      {X + 57, Y + 1 + drop}});
    }
}

TEST_F(TilePlanTest, AlphaFollowsTheOpacityOfARunningEffect) {
    struct Case {
        int effect, opacity, alpha;
    };
    const Case cases[] = {
        {EffectNone, 0, kOpaque},        {EffectNone, 37, kOpaque},
        {EffectVanishing, 100, kOpaque}, {EffectVanishing, 50, 127},
        {EffectVanishing, 4, 10},        {EffectAppearing, 99, 252},
        {EffectAppearing, 0, 0},         {EffectAppearing, 1, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tileAlpha(Cell{TypeCircles, 1, c.effect, c.opacity, 0}), c.alpha)
            << "effect " << c.effect << " opacity " << c.opacity;
}

TEST_F(TilePlanTest, NothingIsPlannedForAnEmptyOrInvisiblePosition) {
    cellAt(board, 0, 3, 3) = Cell{TypeBamboo, 0, EffectStopFlash, 100, 5};
    EXPECT_FALSE(planTile(app->faceTable, selected(), board, 0, 3, 3, 0, 0, 100, plan));
    cellAt(board, 0, 3, 3) = Cell{TypeBamboo, 2, EffectVanishing, 0, 5};
    EXPECT_FALSE(planTile(app->faceTable, selected(), board, 0, 3, 3, 0, 0, 100, plan));
}

TEST_F(TilePlanTest, FlashesShowTheBlankOrStopFace) {
    struct Case {
        int effect, opacity, sourceX, sourceY, alpha;
    };
    const Case cases[] = {
        {EffectNone, 0, 2 * 96, 2 * 120, kOpaque},  // characters 3
        {EffectBlankFlash, 100, 8 * 96, 3 * 120, kOpaque},
        {EffectStopFlash, 100, 7 * 96, 3 * 120, kOpaque},
        {EffectStopFlash, 50, 7 * 96, 3 * 120, 127},
    };
    for (const Case& c : cases) {
        cellAt(board, 0, 0, 0) = Cell{TypeCharacters, 3, c.effect, c.opacity, 0};
        ASSERT_TRUE(planTile(app->faceTable, selected(), board, 0, 0, 0, 0, 0, 100, plan));
        EXPECT_EQ(plan.face.sourceX, c.sourceX) << "effect " << c.effect;
        EXPECT_EQ(plan.face.sourceY, c.sourceY) << "effect " << c.effect;
        EXPECT_EQ(plan.alpha, c.alpha) << "effect " << c.effect;
    }
}

// Previews draw at 25 %: the corner shrinks to 1 x 1 and E/2 to 0.
TEST_F(TilePlanTest, QuarterScaleHasAOnePixelCornerAndNoHalfEdge) {
    place(board, 0, 2, 2, TypeFlowers, 4);
    place(board, 0, 1, 4, TypeFlowers, 1);
    ASSERT_TRUE(planTile(app->faceTable, selected(), board, 0, 2, 2, 0, 0, 25, plan));
    // W 24, H 30, D 6, E 1; the neighbour up-right drops the side by 15 - 1.
    EXPECT_EQ(plan.faceClip.corner, 1);
    expectPoints(plan.rightClip,
                 {{48, 44}, {54, 50}, {54, 66}, {48, 60}, {47, 60}, {47, 44}});
    expectPoints(plan.bottomClip,
                 {{24, 60}, {30, 66}, {54, 66}, {48, 60}, {48, 59}, {24, 59}});
    expectBlock(plan.face, {24, 30, 24, 30, (4 + 3) * 24, 4 * 30});
    expectBlock(plan.rightSide, {47, 30, 7, 36, 9 * 24 - 1, 3 * 30});
    expectBlock(plan.bottomSide, {24, 59, 30, 7, 8 * 24, 4 * 30 - 1});
}

TEST_F(TilePlanTest, OnlyTheSelectedPositionIsTinted) {
    place(board, 3, 7, 9, TypeWinds, 2);
    app->selectedX = -1;
    ASSERT_TRUE(planTile(app->faceTable, selected(), board, 3, 7, 9, 0, 0, 75, plan));
    EXPECT_FALSE(plan.tinted);
    app->selectedX = 9, app->selectedY = 7, app->selectedZ = 2;
    ASSERT_TRUE(planTile(app->faceTable, selected(), board, 3, 7, 9, 0, 0, 75, plan));
    EXPECT_FALSE(plan.tinted);
    app->selectedZ = 3;
    ASSERT_TRUE(planTile(app->faceTable, selected(), board, 3, 7, 9, 0, 0, 75, plan));
    EXPECT_TRUE(plan.tinted);
}

}  // namespace
