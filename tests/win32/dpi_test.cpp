// The real window on a screen of the DPI that tools/test-win32 set in Wine
// (KELVARIN_TEST_DPI; 96 when unset): the tiles of a dense screen come from
// the large art, a click takes the tile under the cursor, and the status bar
// and the dialogs show every word of their text.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "dialog_driver.h"
#include "game/app_state.h"
#include "game/geometry.h"
#include "game/host.h"
#include "resources/resource.h"
#include "scratch_game.h"
#include "view/area_scale.h"
#include "win32/background.h"
#include "win32/commands.h"
#include "win32/dialog_commands.h"
#include "win32/paint_board.h"
#include "win32/sheet_art.h"
#include "win32/surfaces.h"

namespace {

int screenDpi() {
    const char* dpi = std::getenv("KELVARIN_TEST_DPI");
    return dpi != nullptr ? std::atoi(dpi) : 96;
}

struct DpiTest : ScratchGame {
    // Two tiles side by side on layer 0, row 2, columns 2 and 4, at 100 %,
    // over black, in a window large enough at any DPI.
    void layTwoTiles(int type, int number) {
        SetWindowPos(window, nullptr, 0, 0, 1260, 1000, SWP_NOZORDER | SWP_NOMOVE);
        app().view.autoScale = 0;
        app().view.scale = 100;
        app().view.backType = 0;
        app().view.colorBack = 0;
        rebuildBackground(app());
        rescaleSheet(app());
        clearBoard(app().board);
        for (int column : {2, 4}) cellAt(app().board, 0, 2, column) = Cell{type, number, 0, 0, 0};
        app().selectedX = -1;
        app().gameActive = 1;
        app().focused = 0;
        layoutBoard(app());
    }
    DibSurface paint() {
        RECT client;
        GetClientRect(window, &client);
        DibSurface dib = createDib(client.right, client.bottom);
        paintBoard(app(), dib.surface.dc);
        return dib;
    }
};

TEST_F(DpiTest, ClicksTakeTheTileUnderTheCursor) {
    layTwoTiles(TypeBlank, 1);
    const TileMetrics m = tileMetrics(boardScale(app()));
    const PixelPoint first = cellOrigin(app(), 0, 2, 2);
    // A face's last column is its own: the next face begins one on.
    struct Click { int dx, dy, column; } clicks[] = {{m.width - 1, m.height - 1, 2}, {m.width, m.height - 1, 4}};
    for (const Click& click : clicks) {
        app().selectedX = -1;
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.x + click.dx, first.y + click.dy));
        EXPECT_EQ(app().selectedX, click.column) << click.dx << ", " << click.dy;
        EXPECT_EQ(app().selectedY, 2);
    }
}

// Mean difference per channel between a drawn face and a cell of a sheet
// scaled to the face, inside the face's rim.
double faceDifference(const DibSurface& drawn, PixelPoint face, const Pixels& sheet, SheetCell cell,
                      const TileMetrics& m) {
    double total = 0;
    int count = 0;
    for (int y = m.edge; y < m.height - m.edge; ++y)
        for (int x = m.edge; x < m.width - m.edge; ++x) {
            const uint32_t a = pixelAt(drawn, face.x + x, face.y + y);
            const uint32_t b = sheet.data[(cell.row * m.height + y) * sheet.width + cell.column * m.width + x];
            for (int c = 0; c < 3; ++c) total += std::abs(int(a >> (8 * c) & 0xFF) - int(b >> (8 * c) & 0xFF));
            count += 3;
        }
    return total / count;
}

TEST_F(DpiTest, AFaceLargerThanTheSmallArtIsTheLargeArtAveraged) {
    ASSERT_EQ(app().dpi, screenDpi());
    layTwoTiles(TypeCharacters, 8);
    DibSurface dib = paint();
    const TileMetrics m = tileMetrics(boardScale(app()));
    const PixelPoint face = cellOrigin(app(), 0, 2, 2);
    const SheetCell cell{app().faceTable[TypeCharacters].column + 7, app().faceTable[TypeCharacters].row};
    HINSTANCE instance = GetModuleHandleA(nullptr);
    Pixels small{}, large{}, fromSmall{}, fromLarge{};
    ASSERT_TRUE(bitmapPixels(instance, IDB_TILE_SHEET, small));
    ASSERT_TRUE(pngPixels(instance, IDB_TILE_SHEET_LARGE, large));
    EXPECT_EQ(large.width, 2 * small.width) << "the large art is the sheet at twice the size";
    scaleByArea(small, Ratio{m.width, 96}, Ratio{m.height, 120}, fromSmall);
    scaleByArea(large, Ratio{m.width, 192}, Ratio{m.height, 240}, fromLarge);
    const double toSmall = faceDifference(dib, face, fromSmall, cell, m);
    const double toLarge = faceDifference(dib, face, fromLarge, cell, m);
    if (screenDpi() == 96) {
        EXPECT_EQ(toSmall, 0) << "at 96 DPI the face is the sheet's own";
    } else {
        EXPECT_LT(toLarge, 0.5) << "the face is the large art averaged";
        EXPECT_GT(toSmall, 2 * toLarge + 1) << "not the small art blown up";
    }
    releaseDib(dib);
}

// Every control of a dialog has room for its whole text in its font:
// buttons and group boxes on one line, static texts wrapped in their box.
void expectAllTextShown(HWND dialog) {
    for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
        char text[256] = "";
        char kind[32] = "";
        GetWindowTextA(control, text, sizeof text);
        GetClassNameA(control, kind, sizeof kind);
        const std::string name = kind;
        if (text[0] == '\0' || (name != "Button" && name != "Static")) continue;
        RECT box;
        GetClientRect(control, &box);
        HDC dc = GetDC(control);
        HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
        const LONG style = GetWindowLongA(control, GWL_STYLE);
        const LONG type = style & BS_TYPEMASK;
        const bool wraps = name == "Static" || (style & BS_MULTILINE) != 0;
        // A check box or a radio button keeps room for its box beside the text.
        const bool boxed = name == "Button" && type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON && type != BS_GROUPBOX;
        RECT need{0, 0, box.right - (boxed ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0), 0};
        DrawTextA(dc, text, -1, &need, DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
        SelectObject(dc, previous);
        ReleaseDC(control, dc);
        EXPECT_LE(need.right, box.right - (boxed ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0)) << text;
        EXPECT_LE(need.bottom, box.bottom) << text;
    }
}

TEST_F(DpiTest, TheStatusBarAndTheDialogsShowAllTheirText) {
    HWND bar = GetDlgItem(window, IDC_STATUS_BAR);
    const char* longest[] = {"Tiles: 144", "Pairs: 144", "Time: 59:59", "Cannot be won any more"};
    HDC dc = GetDC(bar);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(bar, WM_GETFONT, 0, 0)));
    for (int part = 0; part < 4; ++part) {
        RECT box;
        SendMessageA(bar, SB_GETRECT, part, reinterpret_cast<LPARAM>(&box));
        SIZE text;
        GetTextExtentPoint32A(dc, longest[part], static_cast<int>(std::strlen(longest[part])), &text);
        EXPECT_LT(text.cx, box.right - box.left - 4) << longest[part];
        EXPECT_LE(text.cy, box.bottom - box.top) << longest[part];
    }
    SelectObject(dc, previous);
    ReleaseDC(bar, dc);

    EXPECT_TRUE(driveDialog("Customize view", [&] { openViewDialog(app()); }, expectAllTextShown).driven);
    EXPECT_TRUE(driveDialog("New game", [&] { runCommand(app(), IDM_NEW_GAME); }, expectAllTextShown).driven);
}

}  // namespace
