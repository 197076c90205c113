// The settings file as the window sees it: read first at start, the window
// placed where it was once the first game is dealt (its track limits follow
// the puzzle), written while the window still exists.
#pragma once

#include "game/settings.h"  // Rect

struct AppState;

void loadSettings(AppState& app, Rect& saved);
void placeWindow(AppState& app, const Rect& saved);
void saveSettings(AppState& app);
