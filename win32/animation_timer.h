// The game's one clock: timer 1 ticks every 25 ms while an effect runs and
// is stopped while the board is still, so an idle game costs nothing.
#pragma once

#include <windows.h>

struct AppState;

constexpr UINT_PTR kAnimationTimer = 1;

// Starts the timer when an effect has begun, stops it when the last has
// ended. Called after everything that may start or end an effect.
void syncAnimationTimer(AppState& app);
