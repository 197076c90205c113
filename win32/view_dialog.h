// The "Customize view" dialog: background, pattern, colours and scale, with
// a live sample of the background. Opened by openViewDialog
// (dialog_commands.h).
#pragma once

#include <windows.h>

struct AppState;

// The dialog procedure; DialogBoxParamA passes the AppState as its parameter.
INT_PTR CALLBACK viewDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Puts the view settings of the state into force: the scaled sheet, the ink,
// the background brush and the layout, then repaints the main window.
void applyView(AppState& app);
