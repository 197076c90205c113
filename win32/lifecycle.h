// What happens when the main window is created and when it is destroyed.
#pragma once

#include <windows.h>

struct AppState;

// Settings, the mouse buttons, the random seed, the status bar, the solver's
// worker, the surfaces, the background, the tile tables, the first deal, the
// window's placement, the tile sheet at the scale the board then takes, the
// clocks, the status bar's counts, the menu.
void onCreate(AppState& app, HWND window);

// Log-off or shutdown ends the program without a WM_DESTROY: the game in
// play is given up and the settings written, as on Exit.
void onEndSession(AppState& app);

// Stops the solver's worker, writes the settings while the window still
// exists, then releases the surfaces and ends the message loop.
void onDestroy(AppState& app);
