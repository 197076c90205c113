// The solver off the user-interface thread: one worker, started with the main
// window and stopped before it goes, that searches the latest board it is
// given and posts its verdict back. A newer board cancels the search under
// way, and a verdict for an older board is thrown away.
#pragma once

#include <windows.h>

struct AppState;
struct Board;

// Posted to the main window: wParam the generation of the board searched,
// lParam the Verdict.
constexpr UINT kSolvedMessage = WM_APP + 1;

// Positions one background search may visit before it answers Unknown.
constexpr long long kBackgroundSolveBudget = 2000000;

void startSolver(AppState& app);

// Cancels the search under way and waits for the worker to end.
void stopSolver(AppState& app);

// Hands the worker a copy of `tiles` (only tiles in play) to search, in place
// of whatever it was searching. Returns the generation its verdict will carry.
long solveInBackground(AppState& app, const Board& tiles);

// Called with every verdict posted: when it says the board on screen can be
// won, Hint learns the first pair of the winning order found.
void takeWinningStart(AppState& app, WPARAM generation, LPARAM verdict);
