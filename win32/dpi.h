// The density of the screen a window is on, and the system's fonts for it.
// Windows 10 and later tell each monitor's own; older versions one for all.
#pragma once

#include <windows.h>

// Dots per inch of the screen the window is on.
int windowDpi(HWND window);

// The system's font of status bars at `dpi`; the caller deletes it.
HFONT createStatusFont(int dpi);

// The window rectangle around a client area of the main window's style at
// `dpi`: frame and menu bar grow with the screen's density too.
RECT windowRectForClient(int width, int height, int dpi);
