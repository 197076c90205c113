// Answers the main window's paint: the whole client area is drawn into the
// back buffer and copied to the window in one piece.
#pragma once

#include <windows.h>

struct AppState;

void paintBoard(AppState& app, HDC window);
