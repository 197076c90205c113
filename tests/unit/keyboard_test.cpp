// Play from the keyboard: where the arrow keys and Tab take the focus, what
// Space, Enter, Escape and Delete do, and the focused tile in words.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_host.h"
#include "game/clicks.h"
#include "game/focus.h"
#include "game/hint.h"
#include "game/keyboard.h"
#include "game/tick.h"
#include "game/undo.h"
#include "rules/tile_set.h"
#include "test_boards.h"

namespace {

// Row 0 of three tiles, its middle one under a tile of layer 1, and apart a
// tile with another floating two layers over it (both free); below them a
// row offset by half a tile, and under that a tile whose lower half lies
// under a tile of layer 1 half a row down. Faces at full size: (0,0,0) centre
// (48, 60), (2,0,1) (120, 36), (4,0,0) (240, 60), (1,3,0) (96, 240), (3,3,0)
// (192, 240), (1,6,0) (96, 420), (1,7,1) (72, 456).
void layOut(Board& board) {
    place(board, 0, 0, 8, TypeWinds, 1);
    place(board, 2, 0, 8, TypeWinds, 2);
    place(board, 0, 0, 0, TypeCircles, 1);
    place(board, 0, 0, 2, TypeCircles, 2);
    place(board, 0, 0, 4, TypeCircles, 3);
    place(board, 1, 0, 2, TypeBamboo, 1);
    place(board, 0, 3, 1, TypeBamboo, 2);
    place(board, 0, 3, 3, TypeBamboo, 3);
    place(board, 0, 6, 1, TypeBamboo, 4);
    place(board, 1, 7, 1, TypeBamboo, 5);
}

bool same(const Anchor& a, const Anchor& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

TEST(Keyboard, ArrowsFindTheNearestTileSeenFromAboveAndTabTheNextFreeOne) {
    auto board = std::make_unique<Board>();
    layOut(*board);
    const Anchor none{-1, -1, -1};
    struct Row {
        const char* what;
        Anchor from;  // none: the first key
        int key;      // an arrow, Tab, or -Tab for Shift+Tab
        Anchor to;    // none: the focus stays
    } rows[] = {
        {"first key", none, kKeyRight, {0, 0, 0}},
        {"right, up onto the raised tile", {0, 0, 0}, kKeyRight, {2, 0, 1}},
        {"right, down off it", {2, 0, 1}, kKeyRight, {4, 0, 0}},
        {"left, the raised tile before the far one", {4, 0, 0}, kKeyLeft, {2, 0, 1}},
        {"down, not the row beside it", {2, 0, 1}, kKeyDown, {1, 3, 0}},
        {"up, the nearer of two", {1, 3, 0}, kKeyUp, {2, 0, 1}},
        {"left within the offset row", {3, 3, 0}, kKeyLeft, {1, 3, 0}},
        {"down, over a tile half covered from above", {1, 3, 0}, kKeyDown, {1, 7, 1}},
        {"left, nothing within 45 degrees: the nearest on that side", {1, 3, 0}, kKeyLeft, {0, 0, 0}},
        {"left, nothing on that side", {0, 0, 0}, kKeyLeft, none},
        {"first Tab", none, kKeyTab, {0, 0, 0}},
        {"first Shift+Tab", none, -kKeyTab, {1, 7, 1}},
        {"Tab, the upper tile of a place first", {0, 0, 0}, kKeyTab, {2, 0, 1}},
        {"Tab past the covered tile", {2, 0, 1}, kKeyTab, {4, 0, 0}},
        {"Tab, the upper of two free tiles in one place first", {4, 0, 0}, kKeyTab, {8, 0, 2}},
        {"Tab to the lower", {8, 0, 2}, kKeyTab, {8, 0, 0}},
        {"Tab to the next row", {8, 0, 0}, kKeyTab, {1, 3, 0}},
        {"Tab past a tile half covered from above", {3, 3, 0}, kKeyTab, {1, 7, 1}},
        {"Tab round the end", {1, 7, 1}, kKeyTab, {0, 0, 0}},
        {"Shift+Tab round the start", {0, 0, 0}, -kKeyTab, {1, 7, 1}},
        {"Shift+Tab", {1, 3, 0}, -kKeyTab, {8, 0, 0}},
    };
    for (const Row& row : rows) {
        Anchor to = none;
        bool found;
        if (row.key == kKeyTab || row.key == -kKeyTab)
            found = nextFreeTile(*board, same(row.from, none) ? nullptr : &row.from, row.key < 0, to);
        else if (same(row.from, none))
            found = firstTile(*board, to);
        else
            found = nearestInDirection(*board, row.from, row.key == kKeyRight ? 1 : row.key == kKeyLeft ? -1 : 0,
                                       row.key == kKeyDown ? 1 : row.key == kKeyUp ? -1 : 0, to);
        EXPECT_EQ(found, !same(row.to, none)) << row.what;
        EXPECT_TRUE(same(to, row.to)) << row.what << ": " << to.x << "," << to.y << "," << to.z;
    }
}

TEST(Keyboard, TheFocusedTileInWords) {
    struct Row {
        int type, number;
        const char* name;
    } rows[] = {{TypeCircles, 1, "Circles 1"},    {TypeBamboo, 9, "Bamboo 9"},
                {TypeCharacters, 5, "Characters 5"}, {TypeWinds, 1, "North wind"},
                {TypeWinds, 4, "West wind"},      {TypeDragons, 1, "Green dragon"},
                {TypeDragons, 2, "Red dragon"},   {TypeDragons, 3, "White dragon"},
                {TypeSeasons, 1, "Winter"},       {TypeSeasons, 4, "Autumn"},
                {TypeFlowers, 1, "Bamboo flower"}, {TypeFlowers, 4, "Chrysanthemum"}};
    for (const Row& row : rows) EXPECT_EQ(faceName(row.type, row.number), row.name);
    EXPECT_EQ(faceName(TypeDragons, 4), "");

    auto app = newTestState();
    layOut(app->board);
    EXPECT_EQ(focusedTileText(*app), "") << "nothing before the first key";
    focusOn(*app, {0, 0, 0});
    EXPECT_EQ(focusedTileText(*app), "Circles 1, free");
    focusOn(*app, {2, 0, 0});
    EXPECT_EQ(focusedTileText(*app), "Circles 2, blocked");
    app->selectedX = 3, app->selectedY = 3, app->selectedZ = 0;
    focusOn(*app, {3, 3, 0});
    EXPECT_EQ(focusedTileText(*app), "Bamboo 3, free, selected");
    place(app->board, 0, 6, 3, TypeBamboo, 6);
    focusOn(*app, {3, 6, 0});
    EXPECT_EQ(focusedTileText(*app), "Bamboo 6, free") << "another row of the selected tile's column";
}

// Space acts as the selecting click on the focused tile, Escape as the other
// button; a click hides the focus and the next key only shows it; when the
// focused tile goes the focus moves to the nearest tile left.
TEST(Keyboard, KeysPlayAsClicksDoAndTheFocusFollowsTheTiles) {
    auto app = newTestState();
    place(app->board, 0, 0, 0, TypeWinds, 1);
    place(app->board, 0, 0, 6, TypeWinds, 2);
    place(app->board, 0, 0, 12, TypeWinds, 1);
    app->gameActive = 1;

    EXPECT_TRUE(onBoardKey(*app, kKeyTab, true));
    EXPECT_EQ(app->focusX, 12) << "a first Shift+Tab goes to the last free tile";
    clearFocus(*app);
    EXPECT_TRUE(onBoardKey(*app, kKeyDown, false));
    EXPECT_EQ(app->focusShown, 1);
    EXPECT_TRUE(onBoardKey(*app, kKeySpace, false));
    EXPECT_EQ(app->selectedX, 0) << "selected as by a click";
    EXPECT_TRUE(onBoardKey(*app, kKeyEscape, false));
    EXPECT_EQ(app->selectedX, -1);
    onBoardKey(*app, kKeyEnter, false);
    EXPECT_EQ(app->selectedX, 0);

    onBoardClick(*app, kLeftButtonDown, 5000, 5000);  // on no tile
    EXPECT_EQ(app->focusShown, 0) << "a click hides the focus";
    onBoardKey(*app, kKeyRight, false);
    EXPECT_EQ(app->focusShown, 1);
    EXPECT_EQ(app->focusX, 0) << "the first key after a click only shows it";
    onBoardKey(*app, kKeyRight, false);
    onBoardKey(*app, kKeyRight, false);
    EXPECT_EQ(app->focusX, 12);
    onBoardKey(*app, kKeySpace, false);
    EXPECT_EQ(cellAt(app->board, 0, 0, 12).effect, EffectVanishing) << "the pair is taken";

    for (int tick = 0; tick < 25; ++tick) animationTick(*app);
    EXPECT_EQ(app->focusX, 6) << "the pair gone, the nearest tile left";
    EXPECT_FALSE(onBoardKey(*app, 'A', false));

    place(app->board, 0, 0, 0, TypeWinds, 2);
    app->gameActive = 1;  // the tile put down gives a pair again
    showHint(*app);
    EXPECT_EQ(app->focusX, 0) << "Hint takes the focus to its pair's first tile";
}

TEST(Keyboard, UndoPuttingAPairBackOverTheFocusTakesTheFocusUpToIt) {
    auto app = newTestState();
    // A tile under one of a pair, the pair to be taken and put back.
    for (const Anchor& tile : {Anchor{0, 0, 0}, Anchor{0, 0, 1}, Anchor{6, 0, 1}})
        place(app->board, tile.z, tile.y, tile.x, TypeWinds, 1 + tile.z);
    app->gameActive = 1;
    for (const Anchor& tile : {Anchor{0, 0, 1}, Anchor{6, 0, 1}}) {
        focusOn(*app, tile);
        onBoardKey(*app, kKeySpace, false);
    }
    for (int tick = 0; tick < 25; ++tick) animationTick(*app);
    ASSERT_TRUE(app->focusZ == 0 && app->focusX == 0) << "the pair gone, the tile under it";
    undoStep(*app);
    EXPECT_TRUE(app->focused == 1 && app->focusZ == 1 && app->focusX == 0) << "the tile seen on top";
}

TEST(Keyboard, TheEditorsCursorPlacesAndRemovesAsTheMouseDoes) {
    auto app = newTestState();
    app->editorMode = 1;
    onBoardKey(*app, kKeyUp, false);
    EXPECT_TRUE(app->focused == 1 && app->focusX == 0 && app->focusY == 0) << "the top-left cell";
    onBoardKey(*app, kKeyLeft, false);
    EXPECT_EQ(app->focusX, 0) << "the cursor stays on the grid";
    onBoardKey(*app, kKeyRight, false);
    onBoardKey(*app, kKeyDown, false);
    onBoardKey(*app, kKeySpace, false);
    EXPECT_EQ(cellAt(app->board, 0, 1, 1).number, 1);
    onBoardKey(*app, kKeyRight, false);
    fakeHost().reset();
    onBoardKey(*app, kKeySpace, false);
    EXPECT_EQ(fakeHost().sounds(), std::vector<int>{SoundError}) << "overlaps the position placed";
    onBoardKey(*app, kKeyDelete, false);
    EXPECT_EQ(countTiles(app->board), 0) << "Delete on its right half removes it";

    onBoardClick(*app, kLeftButtonDown, 5000, 5000);  // off the grid
    onBoardKey(*app, kKeyRight, false);
    EXPECT_TRUE(app->focusShown == 1 && app->focusX == 2) << "the first key after a click only shows it";
    for (int key = 0; key < kCols + kRows; ++key) onBoardKey(*app, key < kCols ? kKeyRight : kKeyDown, false);
    EXPECT_TRUE(app->focusX == kCols - 1 && app->focusY == kRows - 1) << "nor does it leave on the right or below";
}

}  // namespace
