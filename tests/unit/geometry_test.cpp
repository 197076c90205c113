#include <gtest/gtest.h>

#include <memory>

#include "fake_host.h"
#include "game/geometry.h"
#include "test_boards.h"

namespace {

TEST(Geometry, EditorBoardSizeAtEveryScale) {
    auto app = newTestState();
    app->editorMode = 1;
    struct Row { int dpi; double scale; int margin, width, height; };
    const Row rows[] = {
        {96, 50, 56, 1300, 1006}, {96, 62.5, 68, 1621, 1253}, {96, 75, 80, 1942, 1501},
        {96, 87.5, 92, 2263, 1748}, {96, 100, 104, 2584, 1996},
        // Denser screens: sizes and the 8-pixel padding grow by dpi / 96, each truncated.
        {120, 62.5, 82, 2022, 1551}, {144, 50, 84, 1950, 1509}, {144, 100, 156, 3876, 2994},
        {192, 100, 208, 5168, 3992},
    };
    for (const Row& r : rows) {
        app->dpi = r.dpi;
        EXPECT_EQ(boardMargins(*app, r.scale).x, r.margin) << r.dpi << " " << r.scale;
        EXPECT_EQ(boardMargins(*app, r.scale).y, r.margin) << r.dpi << " " << r.scale;
        EXPECT_EQ(boardSize(*app, r.scale).width, r.width) << r.dpi << " " << r.scale;
        EXPECT_EQ(boardSize(*app, r.scale).height, r.height) << r.dpi << " " << r.scale;
    }
}

TEST(Geometry, GameMarginsAndExtentFollowThePuzzle) {
    auto app = newTestState();
    EXPECT_EQ(boardExtent(*app).cols, 2) << "an empty template is 2 x 2";
    EXPECT_EQ(boardExtent(*app).rows, 2);

    // Anchors only in columns 10 to 29: the extent still counts from 0.
    place(app->puzzle, 0, 5, 10);
    place(app->puzzle, 0, 7, 29);
    EXPECT_EQ(boardExtent(*app).cols, 31);
    EXPECT_EQ(boardExtent(*app).rows, 9);
    EXPECT_EQ(boardMargins(*app, 100).x, 8) << "no layer margin without column-0 tiles";

    place(app->puzzle, 2, 3, 0);  // raised tile in column 0
    place(app->puzzle, 3, 0, 6);  // raised tile in row 0
    place(app->puzzle, 1, 0, 8);
    EXPECT_EQ(boardMargins(*app, 100).x, 2 * 24 + 8);
    EXPECT_EQ(boardMargins(*app, 100).y, 3 * 24 + 8);
    EXPECT_EQ(boardMargins(*app, 62.5).y, 3 * 15 + 8);
}

TEST(Geometry, CellOriginHalvesTheProduct) {
    auto app = newTestState();
    app->view.scale = 62.5;
    app->boardOriginX = 10;
    app->boardOriginY = 20;
    const int top = cellOrigin(*app, 0, 0, 0).y;
    EXPECT_EQ(top, 20 + 8);
    EXPECT_EQ(cellOrigin(*app, 0, 1, 0).y - top, 37);
    EXPECT_EQ(cellOrigin(*app, 0, 2, 0).y - top, 75);
    EXPECT_EQ(cellOrigin(*app, 0, 0, 3).x, 10 + 8 + 90);
    // Each layer up moves a tile one depth up and left.
    EXPECT_EQ(cellOrigin(*app, 2, 0, 0).x, 10 + 8 - 30);
    EXPECT_EQ(cellOrigin(*app, 2, 0, 0).y, top - 30);
}

TEST(Geometry, AutoScaleChoosesTheLargestFit) {
    auto app = newTestState();
    for (int x = 0; x < 40; x += 2) place(app->puzzle, 0, 0, x);  // 41 x 2 cells
    const int width100 = boardSize(*app, 100).width;
    const int height100 = boardSize(*app, 100).height;
    const int width75 = boardSize(*app, 75).width;
    struct Case { int cw, ch; double scale; };
    const Case cases[] = {
        {width100, height100, 100}, {5000, 5000, 100}, {width100 - 1, height100, 87.5},
        {width75, 2000, 75}, {10, 10, 50},
    };
    for (const Case& c : cases) EXPECT_EQ(fittingScale(*app, c.cw, c.ch), c.scale) << c.cw;
}

// The editor's board with auto scale, at `scale` until laid out in a client
// area of width x height.
std::unique_ptr<AppState> autoScaledEditor(double scale, int width, int height) {
    auto app = newTestState();
    app->editorMode = 1;
    app->view.autoScale = 1;
    app->view.scale = scale;
    fakeHost().clientWidth = width;
    fakeHost().clientHeight = height;
    return app;
}

TEST(Geometry, LayoutCentresAndRescalesOnlyOnChange) {
    auto app = autoScaledEditor(62.5, 1400, 1100);
    layoutBoard(*app);
    EXPECT_EQ(app->view.scale, 50);
    EXPECT_EQ(fakeHost().count(HostCall::Rescale), 1);
    EXPECT_EQ(app->boardOriginX, (1400 - 1300) / 2);
    EXPECT_EQ(app->boardOriginY, (1100 - 1006) / 2);

    fakeHost().reset();
    fakeHost().clientWidth = 1000;  // smaller than the board: origin 0
    layoutBoard(*app);
    EXPECT_EQ(fakeHost().count(HostCall::Rescale), 0);
    EXPECT_EQ(app->boardOriginX, 0);

    app->view.autoScale = 0;
    app->view.scale = 100;
    layoutBoard(*app);
    EXPECT_EQ(app->view.scale, 100) << "a fixed scale is kept";
    fakeHost().clientWidth = 1280;
    fakeHost().clientHeight = 960;
}

TEST(Geometry, ZoomStepsWithinBounds) {
    struct Case { double from; int direction; double to; };
    const Case cases[] = {{62.5, 1, 75}, {62.5, -1, 50}, {100, 1, 100}, {50, -1, 50}, {87.5, 1, 100}};
    for (const Case& c : cases) EXPECT_EQ(zoomedScale(c.from, c.direction), c.to);

    auto app = newTestState();
    app->view.scale = 100;
    zoom(*app, 1);
    EXPECT_TRUE(fakeHost().calls.empty()) << "zoom in at 100 % does nothing";
    zoom(*app, -1);
    EXPECT_EQ(app->view.scale, 87.5);
    EXPECT_EQ(fakeHost().count(HostCall::Rescale), 1);
    EXPECT_EQ(fakeHost().count(HostCall::Menu), 1);
    EXPECT_EQ(fakeHost().count(HostCall::Repaint), 1);

    // With auto scale the layout at once takes the fitting scale again.
    app->view.autoScale = 1;
    place(app->puzzle, 0, 0, 0);
    zoom(*app, -1);
    EXPECT_EQ(app->view.scale, 100);
}

TEST(Geometry, HitTestPrefersHigherLayersAndFallsThroughEmptyCells) {
    auto app = newTestState();
    app->view.scale = 100;
    place(app->board, 0, 2, 2, TypeCircles, 1);
    place(app->board, 1, 2, 3, TypeCircles, 2);  // half a tile right, one layer up
    // The face a click takes is the face drawn: W x H of the screen's pixels.
    struct Screen { int dpi, width, height, depth; };
    const Screen screens[] = {{96, 96, 120, 24}, {120, 120, 150, 30}, {144, 144, 180, 36}, {192, 192, 240, 48}};
    for (const Screen& screen : screens) {
        app->dpi = screen.dpi;
        Anchor hit{};
        // A point inside both faces: the higher layer wins.
        const PixelPoint upper = cellOrigin(*app, 1, 2, 3);
        ASSERT_TRUE(hitTestTile(*app, upper.x + 30, upper.y + 30, hit));
        EXPECT_EQ(hit.z, 1);
        // Left part of the lower face, outside the upper one.
        const PixelPoint lower = cellOrigin(*app, 0, 2, 2);
        EXPECT_EQ(upper.x - lower.x, screen.width / 2 - screen.depth) << screen.dpi;
        ASSERT_TRUE(hitTestTile(*app, lower.x + 2, lower.y + 2, hit));
        EXPECT_EQ(hit.z, 0);
        EXPECT_EQ(hit.x, 2);
        // The right and bottom edges do not belong to the face; the body neither.
        EXPECT_FALSE(hitTestTile(*app, lower.x - 1, lower.y, hit));
        EXPECT_TRUE(hitTestTile(*app, upper.x + screen.width - 1, upper.y + screen.height - 1, hit)) << screen.dpi;
        EXPECT_FALSE(hitTestTile(*app, upper.x + screen.width, upper.y + screen.height - 1, hit)) << screen.dpi;
        EXPECT_FALSE(hitTestTile(*app, upper.x + screen.width - 1, upper.y + screen.height, hit)) << screen.dpi;
    }
}

TEST(Geometry, AnotherDpiDrawsTheTilesAnewAndFitsTheScaleAgain) {
    auto app = autoScaledEditor(50, 2000, 1600);
    layoutBoard(*app);
    EXPECT_EQ(app->view.scale, 75);

    fakeHost().reset();
    changeDpi(*app, 144);  // 75 % would need 2913 x 2251 pixels now
    EXPECT_EQ(app->dpi, 144);
    EXPECT_EQ(app->view.scale, 50);
    EXPECT_EQ(app->boardOriginX, (2000 - 1950) / 2);
    EXPECT_GE(fakeHost().count(HostCall::Rescale), 1);
    EXPECT_EQ(fakeHost().count(HostCall::Repaint), 1);

    // A fixed scale is kept, but its tiles are drawn again for the new pixels.
    app->view.autoScale = 0;
    fakeHost().reset();
    changeDpi(*app, 96);
    EXPECT_EQ(app->view.scale, 50);
    EXPECT_EQ(fakeHost().count(HostCall::Rescale), 1);
    fakeHost().reset();
    changeDpi(*app, 96);
    EXPECT_TRUE(fakeHost().calls.empty()) << "the same DPI again changes nothing";
    fakeHost().clientWidth = 1280;
    fakeHost().clientHeight = 960;
}

TEST(Geometry, EditorHitsHalfTileCellsOnTheCurrentLayer) {
    auto app = newTestState();
    app->editorMode = 1;
    app->editorLayer = 2;
    app->view.scale = 50;
    int column = -1, row = -1;
    const PixelPoint corner = cellOrigin(*app, 2, 29, 49);
    ASSERT_TRUE(hitEditorCell(*app, corner.x + 23, corner.y + 29, column, row));
    EXPECT_EQ(column, 49);
    EXPECT_EQ(row, 29);
    EXPECT_FALSE(hitEditorCell(*app, corner.x + 24, corner.y, column, row));
    const PixelPoint first = cellOrigin(*app, 2, 0, 0);
    EXPECT_FALSE(hitEditorCell(*app, first.x - 1, first.y, column, row));
}

TEST(Geometry, MinimumClientSize) {
    auto app = newTestState();
    app->editorMode = 1;
    app->view.autoScale = 1;
    app->view.scale = 100;
    EXPECT_EQ(minimumClientSize(*app, 1920, 1080).width, 1300);
    EXPECT_EQ(minimumClientSize(*app, 1920, 1080).height, 1006);
    app->view.autoScale = 0;
    EXPECT_EQ(minimumClientSize(*app, 1920, 1080).width, 1920) << "clipped to the screen";
    EXPECT_EQ(minimumClientSize(*app, 1920, 1080).height, 1080);
}

}  // namespace
