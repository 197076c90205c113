// The paused window: what it shows instead of the board, and which keys end
// the pause.
#pragma once

#include <windows.h>

struct AppState;

// "Paused" in the ink colour, in the middle of the board's area.
void drawPaused(const AppState& app, HDC dc, const RECT& area);

// A key pressed in the main window while the game is paused ends the pause,
// unless it is a modifier or a lock key, or is held with Ctrl or Alt (the
// shortcuts reach their commands before this). True when it did: the key
// acts on nothing else.
bool resumeOnKey(AppState& app, WPARAM key);
