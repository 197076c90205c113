// The memory surfaces the window is drawn with: created with the window,
// released when it is destroyed.
#pragma once

#include <windows.h>

#include <cstdint>

struct AppState;
struct Surface;

// The memory surfaces, with the shade and the tint; the tile sheet comes
// with loadTileSheet, the scaled sheet with rescaleSheet, the preview sheet
// when a dialog first asks for it, the back buffer with fitBackBuffer.
void createSurfaces(AppState& app);

// The shade and the ink cover the largest face drawn, at 100 % on the
// window's screen: made anew when the screen's DPI changes, and the preview
// sheet let go.
void fitFaceSurfaces(AppState& app);

// Refills the tint surface with the ink colour.
void retint(AppState& app);

// Scales the tile sheet to the current scale, the first time at the end of
// start-up: until then the scale may change freely and nothing is stretched.
void loadTileSheet(AppState& app);

// Makes the board's sheet of tile set `art` (TileArt) ahead, when the
// player picks a set: OK then only swaps it in. Let go with
// dropPreparedSheet, or by rescaleSheet at any other scale or set.
void prepareSheet(AppState& app, int32_t art);
void dropPreparedSheet(AppState& app);

// Grows the back buffer to hold a client area of width x height; it never
// shrinks, so a window made smaller again costs nothing.
void fitBackBuffer(AppState& app, int width, int height);

// A new back buffer of the client area's size, for a display that changed.
void recreateBackBuffer(AppState& app);

// The sheet of tile set `art` (TileArt) at a quarter (of the screen's
// pixels), for the dialogs' previews and the view dialog's sample; made on
// first use and again for another set.
HDC previewSheet(AppState& app, int32_t art);
double previewScale(const AppState& app);
void dropPreviewSheet(AppState& app);

// Puts back every displaced object and deletes bitmaps, surfaces and brush.
void releaseSurfaces(AppState& app);

// Fills (0, 0, width, height) of a surface with one colour.
void fillSurface(const Surface& surface, int width, int height, COLORREF color);
