// The memory surfaces the window is drawn with: created with the window,
// released when it is destroyed.
#pragma once

#include <windows.h>

struct AppState;
struct Surface;

// The ink surface covers the largest face drawn, at 100 %.
constexpr int kTintWidth = 96, kTintHeight = 120;

// Tile sheet, scaled sheet, preview sheet, shade and tint, in that order;
// fills each and scales the sheet to the current scale.
void createSurfaces(AppState& app);

// A back buffer of the screen's size, replacing the old one.
void recreateBackBuffer(AppState& app);

// Puts back every displaced object and deletes bitmaps, surfaces and brush.
void releaseSurfaces(AppState& app);

// Fills (0, 0, width, height) of a surface with one colour.
void fillSurface(const Surface& surface, int width, int height, COLORREF color);
