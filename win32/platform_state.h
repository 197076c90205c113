// The Win32 side of the state record: the window, the drawing surfaces and
// the background brush. AppState reaches it through its `platform` pointer.
#pragma once

#include <windows.h>

#include "rules/board.h"
#include "win32/clip_shapes.h"

// A memory drawing surface with one bitmap of its own selected into it;
// `displaced` is the object that bitmap pushed out, put back before release.
struct Surface {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ displaced;
};

// The solver's worker thread and what it shares with the window.
struct SolverWorker;

struct PlatformState {
    HINSTANCE instance;
    HWND mainWindow;

    Surface sheetDC;         // the tile sheet at 100 %, only while it is stretched
    Surface scaledSheetDC;   // the sheet at the current scale; tiles are copied from here
    double sheetScale;       // the scale scaledSheetDC holds; 0 = not made yet
    int32_t sheetArt;        // the tile set scaledSheetDC holds
    Surface readySheetDC;    // a set's sheet made ahead while the Customize view dialog waits for OK
    double readyScale;       // the scale and the set readySheetDC holds
    int32_t readyArt;
    bool sheetReady;         // start-up is far enough for the sheet to be stretched
    Surface previewSheetDC;  // the sheet at a quarter, for the dialog previews
    int32_t previewArt;      // the tile set previewSheetDC holds
    Surface shadeDC;         // grey, laid over the layer above in the editor
    Surface tintDC;          // the ink, laid over the selected tile
    Surface backBufferDC;    // the client area is painted here, then copied out at once

    HBRUSH backgroundBrush;

    bool animationTimerOn;  // timer 1 runs only while an effect does

    HWND statusBar;
    HFONT statusFont;       // the system's status-bar font at the window's DPI
    bool clockTimerOn;      // timer 2 runs only while a game is played in a visible window
    Board statusTiles;      // the tiles in play the status bar counted last
    bool statusNewBest;     // the status bar says "New best time"
    long solveGeneration;   // the search whose verdict the status bar waits for
    char spokenText[64];    // the focused tile as the bar and the board's accessible name give it
    Anchor spokenFocus;
    char dealText[24];      // the deal's number as the bar shows it
    SolverWorker* solver;   // null while no worker runs

    ClipCache clipCache;   // the tiles' clip shapes, kept from paint to paint
    Board paintCopy;       // the paint's private copy of the board
    Layout previewLayout;  // the dialogs' previews read their file into these
    Board previewTiles;
};

// The state record of the window, stored when the window is created.
struct AppState;
AppState* appOf(HWND window);
