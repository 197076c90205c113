#include <gtest/gtest.h>

#include "fake_host.h"
#include "game/clicks.h"
#include "game/geometry.h"
#include "test_boards.h"

namespace {

// A game board: a blocked middle tile between two free ones in row 0, and
// two free tiles elsewhere.
//   (0,0) circles 1 | (2,0) circles 1 blocked | (4,0) bamboo 2
//   (0,10) circles 1 free, (10,10) dragons 1 free, (20,10) seasons 2 free
struct GameFixture {
    std::unique_ptr<AppState> app = newTestState();
    GameFixture() {
        app->gameActive = 1;
        app->view.scale = 100;
        place(app->board, 0, 0, 0, TypeCircles, 1);
        place(app->board, 0, 0, 2, TypeCircles, 1);
        place(app->board, 0, 0, 4, TypeBamboo, 2);
        place(app->board, 0, 10, 0, TypeCircles, 1);
        place(app->board, 0, 10, 10, TypeDragons, 1);
        place(app->board, 0, 10, 20, TypeSeasons, 2);
        place(app->board, 0, 20, 20, TypeSeasons, 4);
    }
    void click(int x, int y, int message = kLeftButtonDown) {
        const PixelPoint at = cellOrigin(*app, 0, y, x);
        onBoardClick(*app, message, at.x + 5, at.y + 5);
    }
    Cell& cell(int x, int y) { return cellAt(app->board, 0, y, x); }
    bool selected(int x, int y) const {
        return app->selectedX == x && app->selectedY == y && app->selectedZ == 0;
    }
};

TEST(Clicks, SelectAndUnselectByClickingAgain) {
    GameFixture f;
    f.click(0, 10);
    EXPECT_TRUE(f.selected(0, 10));
    f.click(0, 10);
    EXPECT_EQ(f.app->selectedX, -1);
    EXPECT_EQ(fakeHost().sounds(), (std::vector<int>{SoundSelection, SoundUnselection}));
    EXPECT_EQ(fakeHost().count(HostCall::Repaint), 2);
    EXPECT_EQ(fakeHost().count(HostCall::Menu), 0) << "clicks never refresh the menu";
}

TEST(Clicks, OtherButtonUnselectsAndEndsAFlash) {
    GameFixture f;
    f.click(0, 10);
    f.cell(0, 10).effect = EffectBlankFlash;  // a hint running on it
    f.click(0, 0, kRightButtonDown);  // position does not matter
    EXPECT_EQ(f.app->selectedX, -1);
    EXPECT_EQ(f.cell(0, 10).effect, EffectNone);
    fakeHost().reset();
    f.click(0, 10, kRightButtonDown);
    EXPECT_TRUE(fakeHost().calls.empty()) << "nothing selected: nothing happens";
}

TEST(Clicks, SwappedButtonsSelectWithTheRightButtonMessage) {
    GameFixture f;
    f.app->buttonsSwapped = 1;
    f.click(0, 10, kLeftButtonDown);
    EXPECT_EQ(f.app->selectedX, -1);
    f.click(0, 10, kRightButtonDown);
    EXPECT_TRUE(f.selected(0, 10));
    f.click(30, 25, kLeftButtonDown);
    EXPECT_EQ(f.app->selectedX, -1);
}

TEST(Clicks, BlockedTileFlashesEveryFreeTile) {
    GameFixture f;
    f.click(2, 0);
    EXPECT_EQ(f.app->selectedX, -1);
    EXPECT_EQ(f.cell(2, 0).effect, EffectNone) << "the blocked tile itself";
    for (int x : {0, 4}) EXPECT_EQ(f.cell(x, 0).effect, EffectBlankFlash);
    EXPECT_EQ(f.cell(10, 10).ticks, 10);
    EXPECT_EQ(fakeHost().sounds(), std::vector<int>{SoundError});

    // With a selection, the selected tile is spared and stays selected.
    GameFixture g;
    g.click(0, 10);
    g.click(2, 0);
    EXPECT_TRUE(g.selected(0, 10));
    EXPECT_EQ(g.cell(0, 10).effect, EffectNone);
    EXPECT_EQ(g.cell(10, 10).effect, EffectBlankFlash);
}

TEST(Clicks, WrongPairShowsStopAndKeepsTheSelection) {
    GameFixture f;
    f.click(0, 10);
    f.click(10, 10);
    EXPECT_TRUE(f.selected(0, 10));
    EXPECT_EQ(f.cell(10, 10).effect, EffectStopFlash);
    EXPECT_EQ(f.cell(10, 10).ticks, 20);
    EXPECT_EQ(f.cell(10, 10).opacity, 100);
    EXPECT_EQ(fakeHost().sounds(), (std::vector<int>{SoundSelection, SoundError}));
}

TEST(Clicks, MatchStartsVanishingSilentlyAndLocksPlay) {
    GameFixture f;
    f.click(20, 10);
    f.click(20, 20);  // any two seasons match
    EXPECT_EQ(f.cell(20, 10).effect, EffectVanishing);
    EXPECT_EQ(f.cell(20, 20).effect, EffectVanishing);
    EXPECT_EQ(f.cell(20, 20).opacity, 100);
    EXPECT_EQ(f.app->gameActive, 0);
    EXPECT_EQ(f.app->selectedX, -1);
    EXPECT_EQ(fakeHost().sounds(), std::vector<int>{SoundSelection});

    fakeHost().reset();
    f.click(0, 10);
    f.click(0, 10, kRightButtonDown);
    EXPECT_TRUE(fakeHost().calls.empty()) << "clicks are ignored while a pair vanishes";
}

TEST(Clicks, MissesAndStrangeMessagesDoNothing) {
    GameFixture f;
    onBoardClick(*f.app, kLeftButtonDown, 5000, 5000);
    onBoardClick(*f.app, 0x0207, 10, 10);  // middle button
    EXPECT_TRUE(fakeHost().calls.empty());
}

}  // namespace
