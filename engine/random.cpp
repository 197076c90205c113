#include "engine/random.h"

#include "shell/app_state.h"

void seedRandom(AppState& app, uint32_t seed) { app.randomState = seed; }

int nextRandom(AppState& app) {
    app.randomState = app.randomState * 214013u + 2531011u;
    return static_cast<int>((app.randomState >> 16) & 0x7FFF);
}
