// Pause on the real main window: the clock held, and what ends a pause (the
// hidden board is seen in tools/test-win32).
#include <gtest/gtest.h>
#include <windows.h>

#include "game/geometry.h"
#include "game/tick.h"
#include "resources/resource.h"
#include "rules/moves.h"
#include "scratch_game.h"
#include "win32/animation_timer.h"
#include "win32/status_bar.h"

namespace {

struct PauseTest : ScratchGame {
    // The deal shown, ready for play.
    void SetUp() override {
        ScratchGame::SetUp();
        while (effectsRunning(app().board)) animationTick(app());
        syncAnimationTimer(app());
        syncClock(app());
        ASSERT_EQ(app().gameActive, 1);
    }
};

TEST_F(PauseTest, TheClockStandsStillUntilTheGameGoesOn) {
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

        // A click that resumes selects nothing, not even the free tile it hit.
        Move move;
        findMoves(app().random, app().board, move);
        const PixelPoint corner = cellOrigin(app(), move.first.z, move.first.y, move.first.x);
        SendMessageA(window, c.message, c.wParam, MAKELPARAM(corner.x + 5, corner.y + 5));
        EXPECT_EQ(app().paused, c.resumes ? 0 : 1);
        EXPECT_EQ(app().selectedX, -1);
        if (!c.resumes) SendMessageA(window, WM_COMMAND, IDM_PAUSE, 0);
        EXPECT_TRUE(app().platform->clockTimerOn);
    }
}

}  // namespace
