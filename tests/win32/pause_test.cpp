// Pause on the real main window: the paused board hidden, the clock held,
// and what ends a pause.
#include <gtest/gtest.h>
#include <windows.h>

#include "game/geometry.h"
#include "game/host.h"
#include "game/tick.h"
#include "resources/resource.h"
#include "rules/moves.h"
#include "scratch_game.h"
#include "win32/animation_timer.h"
#include "win32/background.h"
#include "win32/paint_board.h"
#include "win32/status_bar.h"

namespace {

struct PauseTest : ScratchGame {
    // The deal shown on a white background, ready for play.
    void SetUp() override {
        ScratchGame::SetUp();
        app().view.backType = 0;
        app().view.colorBack = 0xFFFFFF;
        rebuildBackground(app());
        while (effectsRunning(app().board)) animationTick(app());
        syncAnimationTimer(app());
        syncClock(app());
        ASSERT_EQ(app().gameActive, 1);
    }
    // Pixels of the painted board's area that are not the white background,
    // and of those the ones in the ink colour.
    void paintedPixels(int& notWhite, int& ink) {
        int width = 0, height = 0;
        clientSize(app(), width, height);
        DibSurface dib = createDib(width, height);
        paintBoard(app(), dib.surface.dc);
        notWhite = ink = 0;
        for (int y = 0; y < dib.height; ++y)
            for (int x = 0; x < dib.width; ++x) {
                const uint32_t rgb = pixelAt(dib, x, y);
                notWhite += rgb != 0xFFFFFF;
                ink += rgb == 0x8000FF;  // the default ink, 0xFF0080 as 0x00BBGGRR
            }
        releaseDib(dib);
    }
};

TEST_F(PauseTest, ThePausedBoardIsHiddenAndStandsStillUntilTheGameGoesOn) {
    struct Case {
        const char* name;
        UINT message;
        WPARAM wParam;
        bool resumes;
    } const cases[] = {
        {"Pause again", WM_COMMAND, IDM_PAUSE, true},
        {"a click", WM_LBUTTONDOWN, MK_LBUTTON, true},
        {"the space bar", WM_KEYDOWN, VK_SPACE, true},
        {"an arrow key", WM_KEYDOWN, VK_LEFT, true},
        {"Ctrl alone", WM_KEYDOWN, VK_CONTROL, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SendMessageA(window, WM_COMMAND, IDM_PAUSE, 0);
        ASSERT_EQ(app().paused, 1);
        EXPECT_FALSE(app().platform->clockTimerOn);
        int notWhite = 0, ink = 0;
        paintedPixels(notWhite, ink);
        EXPECT_GT(ink, 1000) << "\"Paused\" in the ink colour";
        EXPECT_LT(notWhite, 4000) << "nothing but the word";

        // A click that resumes selects nothing, not even the free tile it hit.
        Move move;
        findMoves(app().random, app().board, move);
        const PixelPoint corner = cellOrigin(app(), move.first.z, move.first.y, move.first.x);
        SendMessageA(window, c.message, c.wParam, MAKELPARAM(corner.x + 5, corner.y + 5));
        EXPECT_EQ(app().paused, c.resumes ? 0 : 1);
        EXPECT_EQ(app().selectedX, -1);
        if (!c.resumes) SendMessageA(window, WM_COMMAND, IDM_PAUSE, 0);
        EXPECT_TRUE(app().platform->clockTimerOn);
        paintedPixels(notWhite, ink);
        EXPECT_GT(notWhite, 100000) << "the board is back";
    }
}

}  // namespace
