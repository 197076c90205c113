// drawBoard into memory surfaces, read back pixel by pixel.
#include "win32/draw_board.h"

#include <gtest/gtest.h>

#include "dib_surface.h"

namespace {

constexpr int kSheetWidth = 1024, kSheetHeight = 768;

// Every sheet pixel tells where it came from.
uint32_t sheetCode(int x, int y) {
    return static_cast<uint32_t>((x & 0xFF) << 16 | (y & 0xFF) << 8 | (x >> 8) << 4 | (y >> 8));
}

struct DrawBoardTest : ::testing::Test {
    TestApp test = newTestApp();
    AppState& app = *test.app;
    DibSurface sheet = createDib(kSheetWidth, kSheetHeight);
    DibSurface target = createDib(640, 480);

    DrawBoardTest() {
        test.platform->tintDC = createDib(96, 120).surface;
        for (int y = 0; y < kSheetHeight; ++y)
            for (int x = 0; x < kSheetWidth; ++x) sheet.bits[y * kSheetWidth + x] = sheetCode(x, y);
    }
    ~DrawBoardTest() override {
        releaseDib(sheet);
        releaseDib(target);
        DibSurface tint{test.platform->tintDC};
        releaseDib(tint);
        releaseClipShapes(test.platform->clipCache);
    }

    void place(int layer, int row, int column, int type, int number) {
        Cell& cell = cellAt(app.board, layer, row, column);
        cell.type = type;
        cell.number = number;
    }
    void draw(int x, int y) { drawBoard(app, target.surface.dc, app.board, sheet.surface.dc, x, y, 100); }
};

// Bamboo 5 at layer 1, row 2, column 4, at 100 %: the face from sheet
// (384, 120), the right side from (858, 360), the bottom side from (768, 474).
TEST_F(DrawBoardTest, BambooFiveShowsItsFaceAndTheBodyOfTheBlankTile) {
    place(1, 2, 4, TypeBamboo, 5);
    const int x = 10, y = 20;
    draw(x, y);
    const int X = x + 168, Y = y + 96;

    // The face, away from its rounded corners.
    for (int dy = 6; dy < 114; dy += 7)
        for (int dx = 6; dx < 90; dx += 7)
            ASSERT_EQ(pixelAt(target, X + dx, Y + dy), sheetCode(384 + dx, 120 + dy))
                << "face at " << dx << ", " << dy;
    // The right side block lies at (X + 90, Y), taken from (858, 360).
    const int rightSide[][2] = {{X + 100, Y + 40}, {X + 110, Y + 100}, {X + 118, Y + 140},
                                {X + 97, Y + 121}};
    for (const auto& p : rightSide)
        EXPECT_EQ(pixelAt(target, p[0], p[1]), sheetCode(858 + p[0] - (X + 90), 360 + p[1] - Y))
            << "right side at " << p[0] - X << ", " << p[1] - Y;
    // The bottom side block lies at (X, Y + 114), taken from (768, 474).
    const int bottomSide[][2] = {{X + 20, Y + 125}, {X + 60, Y + 140}, {X + 110, Y + 142}};
    for (const auto& p : bottomSide)
        EXPECT_EQ(pixelAt(target, p[0], p[1]), sheetCode(768 + p[0] - X, 474 + p[1] - (Y + 114)))
            << "bottom side at " << p[0] - X << ", " << p[1] - Y;
    // Outside the slants and the face nothing is drawn.
    const int untouched[][2] = {{X + 110, Y + 5}, {X + 5, Y + 140}, {X - 1, Y + 60},
                                {X + 60, Y - 1}, {X + 121, Y + 60}, {X + 60, Y + 145}};
    for (const auto& p : untouched)
        EXPECT_EQ(pixelAt(target, p[0], p[1]), 0u) << "outside at " << p[0] - X << ", " << p[1] - Y;
}

TEST_F(DrawBoardTest, HalfOpacityBlendsWithAlpha127) {
    fillDib(sheet, 0xFFFFFF);
    cellAt(app.board, 0, 0, 0) = Cell{TypeCircles, 1, EffectVanishing, 50, 3};
    draw(0, 0);
    EXPECT_EQ(pixelAt(target, 48, 60), 0x7F7F7Fu);
    EXPECT_EQ(pixelAt(target, 105, 100), 0x7F7F7Fu);  // the right side blends too
}

// The right side stops below the face of a neighbour half a tile higher on
// the right, which was painted before it.
TEST_F(DrawBoardTest, RightSideLeavesTheFaceOfARaisedRightNeighbour) {
    place(0, 2, 0, TypeCircles, 3);   // face at (0, 120)
    place(0, 1, 2, TypeCircles, 7);   // face at (96, 60)
    draw(0, 0);
    // Inside the first tile's full right side, but on the neighbour's face.
    EXPECT_EQ(pixelAt(target, 100, 130), sheetCode(6 * 96 + 4, 70));
    // Below the neighbour the side is drawn, from the blank tile's body.
    EXPECT_EQ(pixelAt(target, 100, 200), sheetCode(858 + 10, 360 + 80));
}

TEST_F(DrawBoardTest, SelectedFaceIsTintedWithAlpha63) {
    fillDib(sheet, 0);
    DibSurface tint{test.platform->tintDC, nullptr, 96, 120};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    const RECT all{0, 0, 96, 120};
    FillRect(tint.surface.dc, &all, red);
    DeleteObject(red);
    place(0, 0, 0, TypeCircles, 1);
    place(0, 0, 4, TypeCircles, 2);
    app.selectedX = 4, app.selectedY = 0, app.selectedZ = 0;
    draw(0, 0);
    EXPECT_EQ(pixelAt(target, 48, 60), 0u);
    EXPECT_EQ(pixelAt(target, 192 + 48, 60), 0x3F0000u);
}

}  // namespace
