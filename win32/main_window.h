// The main window: its class, its creation, and the procedure that forwards
// every message to its handler.
#pragma once

#include <windows.h>

struct AppState;

// Registers the window class named `className`, with the program's icons,
// the arrow cursor, the menu and no background brush.
bool registerMainWindowClass(const AppState& app, const char* className);

// Creates the main window (its creation runs the start-up sequence); null on
// failure.
HWND createMainWindow(AppState& app, const char* className);

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
