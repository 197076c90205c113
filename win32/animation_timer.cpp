#include "win32/animation_timer.h"

#include "game/app_state.h"
#include "win32/platform_state.h"

namespace {

constexpr UINT kTickMilliseconds = 25;

}  // namespace

void syncAnimationTimer(AppState& app) {
    PlatformState& p = *app.platform;
    const bool needed = effectsRunning(app.board) && app.paused == 0;
    if (needed == p.animationTimerOn) return;
    if (needed)
        SetTimer(p.mainWindow, kAnimationTimer, kTickMilliseconds, nullptr);
    else
        KillTimer(p.mainWindow, kAnimationTimer);
    p.animationTimerOn = needed;
}
