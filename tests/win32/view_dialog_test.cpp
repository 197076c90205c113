// The "Customize view" dialog on the real main window: what it shows on
// opening and after "Set to default", and what Apply, OK, a double click on
// a pattern and Cancel put in force.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dialog_driver.h"
#include "render/win32/paint_board.h"
#include "render/win32/view_dialog.h"
#include "resources/resource.h"
#include "scratch_game.h"
#include "shell/win32/dialog_commands.h"

namespace {

// The text of the selected entry of a list box or drop-down list.
std::string selectedText(HWND dialog, int id, UINT getSelection, UINT getText) {
    const LRESULT selected = SendDlgItemMessageA(dialog, id, getSelection, 0, 0);
    char text[kTextSize] = "";
    if (selected >= 0)
        SendDlgItemMessageA(dialog, id, getText, selected, reinterpret_cast<LPARAM>(text));
    return text;
}
std::string patternShown(HWND dialog) {
    return selectedText(dialog, IDC_PATTERN_LIST, LB_GETCURSEL, LB_GETTEXT);
}
std::string scaleShown(HWND dialog) {
    return selectedText(dialog, IDC_SCALE_LIST, CB_GETCURSEL, CB_GETLBTEXT);
}
bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
UINT swatch(HWND dialog, int id) { return GetDlgItemInt(dialog, id, nullptr, FALSE); }

// Checks "Auto" or one of the two radio buttons and tells the dialog, as a click does.
void tick(HWND dialog, int id) {
    if (id == IDC_AUTO_SCALE) {
        CheckDlgButton(dialog, id, BST_CHECKED);
    } else {
        CheckRadioButton(dialog, IDC_SOLID_COLOR, IDC_PATTERN_IMAGE, id);
    }
    clickButton(dialog, id);
}

struct ViewDialogTest : ScratchGame {
    void setView(int autoScale, double scale, uint32_t colorBack, int backType, const char* image) {
        ViewSettings& view = app().view;
        view.autoScale = autoScale;
        view.scale = scale;
        view.colorBack = colorBack;
        view.backType = backType;
        std::strcpy(view.backImage, image);
    }
    // The main window's top-left pixel, always background, after a paint.
    COLORREF cornerPixel() {
        HDC dc = GetDC(window);
        paintBoard(app(), dc);
        ReleaseDC(window, dc);
        return GetPixel(app().platform->backBufferDC.dc, 0, 0);
    }
};

TEST_F(ViewDialogTest, OpeningShowsTheSettings) {
    struct Case {
        int autoScale;
        double scale;
        int backType;
        const char* image;
        const char* scaleText;
        const char* patternText;  // prefix found ignoring case, else the first entry
    } const cases[] = {
        {1, 62.5, 1, "marble.bmp", "62.5", "marble.bmp"},
        {0, 87.5, 0, "WOOD", "87.5", "wood.bmp"},
        {0, 100, 1, "missing.bmp", "100", "felt.bmp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.image);
        setView(c.autoScale, c.scale, 0x123456, c.backType, c.image);
        const DialogRun run =
            driveDialog("Customize view", [&] { openViewDialog(app()); }, [&](HWND dialog) {
                EXPECT_EQ(scaleShown(dialog), c.scaleText);
                // "Auto" greys the drop-down.
                EXPECT_EQ(enabled(dialog, IDC_SCALE_LIST), c.autoScale == 0);
                EXPECT_EQ(patternShown(dialog), c.patternText);
                EXPECT_EQ(enabled(dialog, IDC_PATTERN_LIST), c.backType != 0);
                EXPECT_EQ(enabled(dialog, IDC_BACK_SWATCH), c.backType == 0);
                EXPECT_EQ(swatch(dialog, IDC_BACK_SWATCH), 0x123456u);
                tick(dialog, IDC_AUTO_SCALE);
                EXPECT_FALSE(enabled(dialog, IDC_SCALE_LIST));
            });
        EXPECT_TRUE(run.driven);
    }
}

TEST_F(ViewDialogTest, SetToDefaultThenCancelChangesNothing) {
    setView(0, 87.5, 0x123456, 0, "wood.bmp");
    applyView(app());
    const ViewSettings before = app().view;
    const DialogRun run = driveDialog("Customize view", [&] { openViewDialog(app()); }, [&](HWND dialog) {
        clickButton(dialog, IDC_SET_DEFAULT);
        EXPECT_TRUE(checked(dialog, IDC_PATTERN_IMAGE));
        EXPECT_EQ(patternShown(dialog), "marble.bmp");
        EXPECT_EQ(swatch(dialog, IDC_BACK_SWATCH), 0xFFFFFFu);
        EXPECT_EQ(swatch(dialog, IDC_INK_SWATCH), 0xFF0080u);
        EXPECT_EQ(scaleShown(dialog), "62.5");
        EXPECT_TRUE(checked(dialog, IDC_AUTO_SCALE));
        clickButton(dialog, IDCANCEL);
    });
    EXPECT_TRUE(run.driven);
    EXPECT_EQ(app().view.autoScale, before.autoScale);
    EXPECT_EQ(app().view.scale, before.scale);
    EXPECT_EQ(app().view.colorInk, before.colorInk);
    EXPECT_EQ(app().view.backType, 0);
    EXPECT_STREQ(app().view.backImage, "wood.bmp");
    EXPECT_EQ(cornerPixel(), 0x123456u);
}

// A solid colour chosen (as the colour chooser leaves it in the swatch), then
// the dialog closed one way or another.
TEST_F(ViewDialogTest, ClosingAppliesOrKeeps) {
    struct Case {
        const char* name;
        void (*close)(HWND dialog);
        bool applied;
    } const cases[] = {
        {"Cancel", [](HWND dialog) { clickButton(dialog, IDCANCEL); }, false},
        {"Apply, Cancel",
         [](HWND dialog) {
             clickButton(dialog, IDC_APPLY);
             clickButton(dialog, IDCANCEL);
         },
         true},
        {"OK", [](HWND dialog) { clickButton(dialog, IDOK); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setView(1, 62.5, 0xFFFFFF, 1, "marble.bmp");
        applyView(app());
        const COLORREF marble = cornerPixel();
        driveDialog("Customize view", [&] { openViewDialog(app()); }, [&](HWND dialog) {
            tick(dialog, IDC_SOLID_COLOR);
            SetDlgItemInt(dialog, IDC_BACK_SWATCH, 0x336699, FALSE);
            c.close(dialog);
        });
        EXPECT_EQ(app().view.backType, c.applied ? 0 : 1);
        EXPECT_EQ(app().view.colorBack, c.applied ? 0x336699u : 0xFFFFFFu);
        EXPECT_EQ(cornerPixel(), c.applied ? 0x336699u : marble);
    }
}

TEST_F(ViewDialogTest, DoubleClickOnAPatternAppliesAndCloses) {
    setView(1, 62.5, 0xFFFFFF, 0, "marble.bmp");
    bool closed = false;
    driveDialog("Customize view", [&] { openViewDialog(app()); }, [&](HWND dialog) {
        tick(dialog, IDC_PATTERN_IMAGE);
        SendDlgItemMessageA(dialog, IDC_PATTERN_LIST, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>("wood.bmp"));
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PATTERN_LIST, LBN_DBLCLK), 0);
        closed = IsWindowVisible(dialog) == FALSE;
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(app().view.backType, 1);
    EXPECT_STREQ(app().view.backImage, "wood.bmp");
}

}  // namespace
