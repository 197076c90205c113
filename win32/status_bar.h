// The status bar below the board: tiles left, pairs that can be taken now,
// the time played in this game, the solver's verdict (after a win, the new
// best time it set), the deal's number and the focused tile.
#pragma once

#include <windows.h>

struct AppState;

constexpr UINT_PTR kClockTimer = 2;

// Creates the bar as a child of the main window, with its six parts.
void createStatusBar(AppState& app);

// The system's status-bar font and the parts' widths for the window's DPI.
void fitStatusBarToDpi(AppState& app);

// Deletes the bar's font once the window is going.
void releaseStatusFont(AppState& app);

// The bar's height in pixels; 0 without a bar.
int statusBarHeight(const AppState& app);

// Called on WM_SIZE: the bar follows the window's width and bottom edge; the
// clock pauses while the window is minimised.
void resizeStatusBar(AppState& app);

// Recounts the tiles in play (vanishing ones taken away), shows the counts
// and the deal's number, clears the verdict and hands the board to the
// solver (not in the editor). Every change of the board ends here.
void boardChanged(AppState& app);

// Calls boardChanged when the tiles in play differ from those last counted,
// names the focused tile anew when it or its state changed, and shows the
// deal's number when it changed. Cheap enough to run after every click, key,
// command and tick.
void syncStatus(AppState& app);

// Runs the play clock only while a game is played, not in the editor, not
// paused, and the window is not minimised; timer 2 runs with it and shows
// each new second.
void syncClock(AppState& app);

// Timer 2: the time played, shown; due again at the next whole second.
void clockTick(AppState& app);

// A verdict posted by the solver: shown when it is for the board on screen.
void showVerdict(AppState& app, WPARAM generation, LPARAM verdict);
