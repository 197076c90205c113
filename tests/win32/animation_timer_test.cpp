// The clock of the real window ticks only while something moves.
#include <gtest/gtest.h>

#include "game/geometry.h"
#include "rules/free_rule.h"
#include "rules/moves.h"
#include "scratch_game.h"
#include "win32/animation_timer.h"

namespace {

struct AnimationTimerTest : ScratchGame {
    // Dispatches every message for `milliseconds`; returns the animation
    // ticks seen (the status bar's clock has a timer of its own).
    int ticksWithin(int milliseconds) {
        int ticks = 0;
        const DWORD end = GetTickCount() + milliseconds;
        MSG message;
        while (GetTickCount() < end) {
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_TIMER && message.wParam == kAnimationTimer) ++ticks;
                DispatchMessageA(&message);
            }
            Sleep(5);
        }
        return ticks;
    }
    int ticksUntilStill() {
        int ticks = 0;
        for (int i = 0; i < 100 && effectsRunning(app().board); ++i) ticks += ticksWithin(50);
        return ticks;
    }
    void click(const Anchor& tile) {
        const PixelPoint face = cellOrigin(app(), tile.z, tile.y, tile.x);
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(face.x + 8, face.y + 8));
    }
};

// A pair whose removal leaves a move, so that no game-over box interrupts.
bool pairThatKeepsAMove(AppState& app, Move& move) {
    for (int tries = 0; tries < 50; ++tries) {
        if (findMoves(app.random, app.board, move) == 0) return false;
        Board after = app.board;
        cellAt(after, move.first.z, move.first.y, move.first.x).number = 0;
        cellAt(after, move.second.z, move.second.y, move.second.x).number = 0;
        Move next;
        if (findMoves(app.random, after, next) != 0) return true;
    }
    return false;
}

bool blockedTile(const Board& board, Anchor& tile) {
    for (int z = 0; z < kLayers; ++z)
        for (int y = 0; y < kRows; ++y)
            for (int x = 0; x < kCols; ++x)
                if (cellAt(board, z, y, x).number != 0 && !isFree(board, z, x, y)) {
                    tile = Anchor{x, y, z};
                    return true;
                }
    return false;
}

TEST_F(AnimationTimerTest, TicksOnlyWhileAnEffectRuns) {
    // The deal appears layer by layer, then the clock stops.
    EXPECT_GT(ticksUntilStill(), 0);
    EXPECT_EQ(ticksWithin(150), 0);

    // A pair taken vanishes over 25 ticks; then the clock stops again.
    Move move;
    ASSERT_TRUE(pairThatKeepsAMove(app(), move));
    click(move.first);
    click(move.second);
    EXPECT_GE(ticksUntilStill(), 25);
    EXPECT_EQ(cellAt(app().board, move.first.z, move.first.y, move.first.x).number, 0);
    EXPECT_EQ(ticksWithin(150), 0);

    // A click on a blocked tile flashes the free ones: the clock runs again.
    Anchor blocked;
    ASSERT_TRUE(blockedTile(app().board, blocked));
    click(blocked);
    EXPECT_TRUE(effectsRunning(app().board));
    EXPECT_GT(ticksWithin(150), 0);
}

}  // namespace
