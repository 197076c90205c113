#include <gtest/gtest.h>

#include "fake_host.h"
#include "rules/board.h"
#include "test_boards.h"

namespace {

TEST(Board, FootprintCoversFourCellsAndOutsideIsEmpty) {
    auto app = newTestState();
    Board& board = app->board;
    place(board, 0, 2, 5);
    struct Case { int z, x, y; bool occupied; };
    const Case cases[] = {
        {0, 5, 2, true},  {0, 6, 2, true},  {0, 5, 3, true},  {0, 6, 3, true},
        {0, 7, 2, false}, {0, 5, 4, false}, {0, 4, 2, false}, {1, 5, 2, false},
        {0, -1, 0, false}, {0, 0, -1, false}, {-1, 0, 0, false},
        {5, 0, 0, false}, {0, 50, 0, false}, {0, 0, 30, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isOccupied(board, c.z, c.x, c.y), c.occupied) << c.z << "," << c.x << "," << c.y;

    Anchor anchor{};
    ASSERT_TRUE(findTileAt(board, 0, 6, 3, anchor));
    EXPECT_EQ(anchor.x, 5);
    EXPECT_EQ(anchor.y, 2);
    EXPECT_EQ(anchor.z, 0);
    EXPECT_FALSE(findTileAt(board, 0, 7, 3, anchor));
}

TEST(Board, TileAtTheGridEdgeIsCountedAndItsOuterHalfIsEmpty) {
    auto app = newTestState();
    place(app->board, 4, 29, 49);
    EXPECT_EQ(countTiles(app->board), 1);
    EXPECT_TRUE(isOccupied(app->board, 4, 49, 29));
    EXPECT_FALSE(isOccupied(app->board, 4, 50, 29));
    EXPECT_FALSE(isOccupied(app->board, 4, 49, 30));
}

TEST(Board, FindTileAtPrefersTheOwnAnchorThenLeftThenAbove) {
    auto app = newTestState();
    // Two tiles whose footprints would both reach cell (6, 3) if the editor
    // allowed them: the candidates are tried in a fixed order.
    place(app->board, 0, 3, 5);
    place(app->board, 0, 2, 6);
    Anchor anchor{};
    ASSERT_TRUE(findTileAt(app->board, 0, 6, 3, anchor));
    EXPECT_EQ(anchor.x, 5);
    EXPECT_EQ(anchor.y, 3);
}

TEST(Board, MatchingRule) {
    struct Case { Cell a, b; bool match; };
    const Case cases[] = {
        {{TypeSeasons, 1}, {TypeSeasons, 3}, true},
        {{TypeFlowers, 2}, {TypeFlowers, 4}, true},
        {{TypeSeasons, 1}, {TypeFlowers, 1}, false},
        {{TypeWinds, 2}, {TypeWinds, 2}, true},
        {{TypeWinds, 2}, {TypeWinds, 3}, false},
        {{TypeCircles, 5}, {TypeBamboo, 5}, false},
        {{TypeCircles, 0}, {TypeCircles, 0}, false},
        {{TypeSeasons, 0}, {TypeSeasons, 1}, false},
        {{TypeDragons, 3, EffectVanishing, 40, 2}, {TypeDragons, 3}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tilesMatch(c.a, c.b), c.match) << c.a.type << "/" << c.a.number;
        EXPECT_EQ(tilesMatch(c.b, c.a), c.match) << "symmetric";
    }
}

TEST(Board, CountAndClear) {
    auto app = newTestState();
    EXPECT_EQ(countTiles(app->board), 0);
    place(app->board, 0, 0, 0);
    place(app->board, 2, 10, 20, TypeBamboo, 4);
    cellAt(app->board, 1, 1, 1).effect = EffectAppearing;  // no number: not a tile
    EXPECT_EQ(countTiles(app->board), 2);
    clearBoard(app->board);
    EXPECT_EQ(countTiles(app->board), 0);
    EXPECT_EQ(cellAt(app->board, 1, 1, 1).effect, 0);
}

}  // namespace
