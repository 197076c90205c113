#include <gtest/gtest.h>

#include "fake_host.h"
#include "game/clicks.h"
#include "game/editor.h"
#include "game/geometry.h"
#include "test_boards.h"

namespace {

struct EditorFixture {
    std::unique_ptr<AppState> app = newTestState();
    EditorFixture() {
        app->view.scale = 100;
        createPuzzle(*app);
        fakeHost().reset();
    }
    // Clicks the middle of the half-tile cell (x, y) of the current layer.
    void click(int x, int y, int message = kLeftButtonDown) {
        const PixelPoint at = cellOrigin(*app, app->editorLayer, y, x);
        onBoardClick(*app, message, at.x + 10, at.y + 10);
    }
    bool anchored(int z, int x, int y) const { return cellAt(app->board, z, y, x).number != 0; }
};

TEST(Editor, CreatePuzzleClearsTheBoardAndKeepsTheRest) {
    auto app = newTestState();
    place(app->board, 0, 0, 0, TypeCircles, 1);
    place(app->puzzle, 0, 0, 0);
    app->canSaveGame = 1;
    app->gameActive = 1;
    app->selectedX = 0;
    createPuzzle(*app);
    EXPECT_EQ(app->editorMode, 1);
    EXPECT_EQ(app->editorLayer, 0);
    EXPECT_EQ(app->canSaveGame, 0);
    EXPECT_EQ(countTiles(app->board), 0);
    EXPECT_EQ(countTiles(app->puzzle), 1);
    EXPECT_EQ(app->gameActive, 1);
    EXPECT_EQ(app->selectedX, 0);
    EXPECT_EQ(fakeHost().count(HostCall::Menu), 1);
    EXPECT_EQ(fakeHost().count(HostCall::Repaint), 1);
}

TEST(Editor, LayerChangesStayWithinTheFiveLayers) {
    EditorFixture f;
    changeEditorLayer(*f.app, -1);
    EXPECT_EQ(f.app->editorLayer, 0);
    EXPECT_TRUE(fakeHost().calls.empty());
    for (int i = 0; i < 6; ++i) changeEditorLayer(*f.app, +1);
    EXPECT_EQ(f.app->editorLayer, 4);
    EXPECT_EQ(fakeHost().count(HostCall::Menu), 4);
    EXPECT_EQ(fakeHost().count(HostCall::Repaint), 4);
}

TEST(Editor, PlacesOnLayerZeroUpToTheGridEdge) {
    EditorFixture f;
    f.click(48, 28);
    f.click(0, 0);
    EXPECT_TRUE(f.anchored(0, 48, 28));
    EXPECT_TRUE(f.anchored(0, 0, 0));
    EXPECT_EQ(cellAt(f.app->board, 0, 0, 0).type, TypeBlank);
    EXPECT_TRUE(fakeHost().sounds().empty()) << "placing is silent";
    EXPECT_EQ(fakeHost().count(HostCall::Repaint), 2);
    // A tile anchored in the last column or row would lie half off the grid.
    f.click(49, 0);
    f.click(0, 29);
    EXPECT_FALSE(f.anchored(0, 49, 0));
    EXPECT_FALSE(f.anchored(0, 0, 29));
    EXPECT_EQ(fakeHost().sounds(), (std::vector<int>{SoundError, SoundError}));
}

TEST(Editor, RefusesOverlapsOnTheSameLayer) {
    EditorFixture f;
    f.click(10, 10);
    struct Case { int x, y; };
    // Anchors whose footprint would reach the tile at (10, 10).
    const Case refused[] = {{9, 9}, {10, 9}, {9, 10}, {11, 9}, {9, 11}};
    for (const Case& c : refused) {
        fakeHost().reset();
        f.click(c.x, c.y);
        EXPECT_FALSE(f.anchored(0, c.x, c.y)) << c.x << "," << c.y;
        EXPECT_EQ(fakeHost().sounds(), std::vector<int>{SoundError}) << c.x << "," << c.y;
        EXPECT_EQ(fakeHost().count(HostCall::Repaint), 0);
    }
    f.click(12, 11);  // edge to edge, half a tile lower
    EXPECT_TRUE(f.anchored(0, 12, 11));
}

TEST(Editor, UpperLayersNeedFullSupport) {
    EditorFixture f;
    for (int x : {10, 12}) for (int y : {10, 12}) f.click(x, y);  // a 2 x 2 block
    f.click(48, 28);
    changeEditorLayer(*f.app, +1);
    struct Case { int x, y; bool placed; };
    const Case cases[] = {
        {11, 11, true},   // straddles four tiles by half a tile
        {14, 10, false},  // half of it overhangs
        {49, 29, false},  // anchor at the edge: the cells outside are unsupported
        {48, 28, true},
    };
    for (const Case& c : cases) {
        f.click(c.x, c.y);
        EXPECT_EQ(f.anchored(1, c.x, c.y), c.placed) << c.x << "," << c.y;
    }
}

TEST(Editor, RemovesByAnyCellOfTheFootprintUnlessCovered) {
    EditorFixture f;
    f.click(20, 20);
    f.click(22, 20);
    changeEditorLayer(*f.app, +1);
    f.click(21, 20);  // on the two below
    changeEditorLayer(*f.app, -1);
    fakeHost().reset();

    f.click(23, 21);  // lower right half of (22, 20): covered, refused
    EXPECT_TRUE(f.anchored(0, 22, 20));
    EXPECT_EQ(fakeHost().sounds(), std::vector<int>{SoundError});

    changeEditorLayer(*f.app, +1);
    f.click(22, 21, kRightButtonDown);  // both buttons edit
    EXPECT_FALSE(f.anchored(1, 21, 20));
    changeEditorLayer(*f.app, -1);
    f.click(23, 21);
    EXPECT_FALSE(f.anchored(0, 22, 20));
}

TEST(Editor, TopLayerTilesAreAlwaysRemovable) {
    EditorFixture f;
    for (int z = 0; z < 5; ++z) {
        f.click(30, 10);
        if (z < 4) changeEditorLayer(*f.app, +1);
    }
    EXPECT_TRUE(f.anchored(4, 30, 10));
    f.click(31, 11);
    EXPECT_FALSE(f.anchored(4, 30, 10));
}

}  // namespace
