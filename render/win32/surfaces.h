// The memory surfaces the window is drawn with: created with the window,
// released when it is destroyed.
#pragma once

#include <windows.h>

struct AppState;
struct Surface;

// The ink surface covers the largest face drawn, at 100 %.
constexpr int kTintWidth = 96, kTintHeight = 120;

// The memory surfaces, with the tile sheet, the shade and the tint; the
// scaled sheet is made by rescaleSheet, the preview sheet when a dialog first
// asks for it, the back buffer by fitBackBuffer.
void createSurfaces(AppState& app);

// Grows the back buffer to hold a client area of width x height; it never
// shrinks, so a window made smaller again costs nothing.
void fitBackBuffer(AppState& app, int width, int height);

// A new back buffer of the client area's size, for a display that changed.
void recreateBackBuffer(AppState& app);

// The tile sheet at a quarter, for the dialogs' previews; made on first use.
HDC previewSheet(AppState& app);

// Puts back every displaced object and deletes bitmaps, surfaces and brush.
void releaseSurfaces(AppState& app);

// Fills (0, 0, width, height) of a surface with one colour.
void fillSurface(const Surface& surface, int width, int height, COLORREF color);
