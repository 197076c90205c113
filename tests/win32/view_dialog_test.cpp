// The "Customize view" dialog on the real main window: what it shows on
// opening and after "Set to default", and what each way of closing it puts
// in force.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dialog_driver.h"
#include "resources/resource.h"
#include "scratch_game.h"
#include "win32/dialog_commands.h"
#include "game/geometry.h"
#include "view/metrics.h"
#include "win32/paint_board.h"
#include "win32/view_dialog.h"

namespace {

// The text of the selected entry of the pattern list or the scale drop-down.
std::string shown(HWND dialog, int id) {
    const bool list = id == IDC_PATTERN_LIST;
    const LRESULT at = SendDlgItemMessageA(dialog, id, list ? LB_GETCURSEL : CB_GETCURSEL, 0, 0);
    char text[kTextSize] = "";
    if (at >= 0) SendDlgItemMessageA(dialog, id, list ? LB_GETTEXT : CB_GETLBTEXT, at, LPARAM(text));
    return text;
}
bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
UINT swatch(HWND dialog, int id) { return GetDlgItemInt(dialog, id, nullptr, FALSE); }

struct ViewDialogTest : ScratchGame {
    void setView(int autoScale, double scale, int backType, const char* image) {
        app().view.autoScale = autoScale;
        app().view.colorBack = 0x123456;
        app().view.backType = backType;
        std::strcpy(app().view.backImage, image);
        app().view.tileArt = TileArtLargePrint;
        applyView(app());
        app().view.scale = scale;  // Auto may have chosen another, as at start
    }
    // The main window's top-left pixel, always background, after a paint.
    COLORREF cornerPixel() {
        HDC dc = GetDC(window);
        paintBoard(app(), dc);
        ReleaseDC(window, dc);
        return GetPixel(app().platform->backBufferDC.dc, 0, 0);
    }
    // The middle of the blank face on the sheet the board's tiles come from:
    // the card of the tile set in force.
    COLORREF cardPixel() {
        const TileMetrics face = tileMetrics(boardScale(app()));
        return GetPixel(app().platform->scaledSheetDC.dc, face.width * 17 / 2, face.height * 7 / 2);
    }
};

TEST_F(ViewDialogTest, OpeningShowsTheSettingsAndSetToDefaultOnlyTheDefaults) {
    struct Case {
        int autoScale, backType;
        double scale;
        const char *image, *scaleText, *patternText;  // a prefix, ignoring case; else the first
    } const cases[] = {
        {1, 1, 62.5, "marble.bmp", "62.5", "marble.bmp"},
        {0, 0, 87.5, "WOOD", "87.5", "wood.bmp"},
        {0, 1, 100, "missing.bmp", "100", "felt.bmp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.image);
        setView(c.autoScale, c.scale, c.backType, c.image);
        const COLORREF corner = cornerPixel();
        driveDialog("Customize view", [&] { openViewDialog(app()); }, [&](HWND dialog) {
            EXPECT_EQ(shown(dialog, IDC_SCALE_LIST), c.scaleText);
            EXPECT_EQ(enabled(dialog, IDC_SCALE_LIST), c.autoScale == 0);  // "Auto" greys it
            EXPECT_EQ(shown(dialog, IDC_PATTERN_LIST), c.patternText);
            EXPECT_EQ(enabled(dialog, IDC_PATTERN_LIST), c.backType != 0);
            EXPECT_EQ(enabled(dialog, IDC_BACK_SWATCH), c.backType == 0);
            EXPECT_EQ(swatch(dialog, IDC_BACK_SWATCH), 0x123456u);
            EXPECT_EQ(shown(dialog, IDC_TILE_SET), "Large print");
            clickButton(dialog, IDC_SET_DEFAULT);
            EXPECT_EQ(shown(dialog, IDC_TILE_SET), "Classic");
            EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_PATTERN_IMAGE), BST_CHECKED);
            EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_AUTO_SCALE), BST_CHECKED);
            EXPECT_FALSE(enabled(dialog, IDC_SCALE_LIST));
            EXPECT_EQ(shown(dialog, IDC_PATTERN_LIST), "marble.bmp");
            EXPECT_EQ(shown(dialog, IDC_SCALE_LIST), "62.5");
            EXPECT_EQ(swatch(dialog, IDC_BACK_SWATCH), 0xFFFFFFu);
            EXPECT_EQ(swatch(dialog, IDC_INK_SWATCH), 0xFF0080u);
        });  // and Cancel
        EXPECT_EQ(app().view.backType, c.backType);
        EXPECT_STREQ(app().view.backImage, c.image);
        EXPECT_EQ(app().view.autoScale, c.autoScale);
        EXPECT_EQ(app().view.tileArt, TileArtLargePrint);
        EXPECT_EQ(cornerPixel(), corner);
    }
}

// A solid colour, the wood pattern and the Night tiles chosen (the colour as
// the colour chooser leaves it in the swatch), then the dialog closed: the
// board's sheet is Night's at once, or stays Large print's.
TEST_F(ViewDialogTest, ClosingAppliesOrKeeps) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> commands;  // (control, notification)
        bool applied;
    } const cases[] = {
        {"Cancel", {{IDCANCEL, BN_CLICKED}}, false},
        {"Apply, Cancel", {{IDC_APPLY, BN_CLICKED}, {IDCANCEL, BN_CLICKED}}, true},
        {"OK", {{IDOK, BN_CLICKED}}, true},
        {"double click on a pattern", {{IDC_PATTERN_LIST, LBN_DBLCLK}}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setView(1, 62.5, 1, "marble.bmp");
        const COLORREF marble = cornerPixel();
        const COLORREF largePrintCard = cardPixel();
        driveDialog("Customize view", [&] { openViewDialog(app()); }, [&](HWND dialog) {
            CheckRadioButton(dialog, IDC_SOLID_COLOR, IDC_PATTERN_IMAGE, IDC_SOLID_COLOR);
            clickButton(dialog, IDC_SOLID_COLOR);
            SetDlgItemInt(dialog, IDC_BACK_SWATCH, 0x336699, FALSE);
            SendDlgItemMessageA(dialog, IDC_PATTERN_LIST, LB_SELECTSTRING, WPARAM(-1), LPARAM("wood"));
            SendDlgItemMessageA(dialog, IDC_TILE_SET, CB_SELECTSTRING, WPARAM(-1), LPARAM("Night"));
            for (const auto& command : c.commands)
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(command.first, command.second), 0);
            EXPECT_FALSE(IsWindowVisible(dialog));
        });
        EXPECT_EQ(app().view.backType, c.applied ? 0 : 1);
        EXPECT_EQ(app().view.colorBack, c.applied ? 0x336699u : 0x123456u);
        EXPECT_STREQ(app().view.backImage, c.applied ? "wood.bmp" : "marble.bmp");
        EXPECT_EQ(cornerPixel(), c.applied ? 0x336699u : marble);
        EXPECT_EQ(app().view.tileArt, c.applied ? TileArtNight : TileArtLargePrint);
        EXPECT_EQ(largePrintCard, RGB(0xFF, 0xFD, 0xF6));
        EXPECT_EQ(cardPixel(), c.applied ? RGB(0x23, 0x27, 0x2E) : largePrintCard);
    }
}

// Each set picked and applied with OK: the sheet it replaces is deleted,
// the new one is a DIB section, whose memory goes back to the system as soon
// as it is replaced in turn, and the decoder's library is let go once the
// set's art is decoded.
TEST_F(ViewDialogTest, OnlyTheShownSetsSheetIsHeld) {
    for (const char* set : {"Night", "Classic", "Large print", "Classic"}) {
        SCOPED_TRACE(set);
        const HBITMAP replaced = app().platform->scaledSheetDC.bitmap;
        driveDialog("Customize view", [&] { openViewDialog(app()); }, [&](HWND dialog) {
            SendDlgItemMessageA(dialog, IDC_TILE_SET, CB_SELECTSTRING, WPARAM(-1), LPARAM(set));
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_TILE_SET, CBN_SELCHANGE), 0);
            SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        EXPECT_EQ(GetObjectType(replaced), 0u);
        DIBSECTION section{};
        EXPECT_EQ(GetObjectA(app().platform->scaledSheetDC.bitmap, sizeof section, &section), int(sizeof section));
        EXPECT_EQ(GetModuleHandleA("windowscodecs.dll"), nullptr);
    }
}

}  // namespace
