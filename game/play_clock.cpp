#include "game/play_clock.h"

#include <algorithm>

#include "game/app_state.h"
#include "game/host.h"
#include "game/pause.h"

namespace {

int64_t playedNow(const PlayClock& clock) {
    if (clock.running == 0) return clock.played;
    return clock.played + std::max<int64_t>(monotonicMilliseconds() - clock.since, 0);
}

void runClock(PlayClock& clock, bool run) {
    if (run == (clock.running != 0)) return;
    const int64_t now = monotonicMilliseconds();
    if (run)
        clock.since = now;
    else
        clock.played = playedNow(clock);
    clock.running = run ? 1 : 0;
}

}  // namespace

void resetClock(AppState& app) { app.clock = PlayClock{}; }

void syncPlayClock(AppState& app, bool windowShown) {
    runClock(app.clock, windowShown && app.paused == 0 && gameInPlay(app));
}

void stopClock(AppState& app) { runClock(app.clock, false); }

int32_t secondsPlayed(const AppState& app) {
    return static_cast<int32_t>(std::min<int64_t>(playedNow(app.clock) / 1000, INT32_MAX));
}

int32_t millisecondsToNextSecond(const AppState& app) {
    if (app.clock.running == 0) return 1000;
    return static_cast<int32_t>(1000 - playedNow(app.clock) % 1000);
}
