// Where every grid position lies on the screen, how large the board is at a
// scale, how the scale is chosen, and which position a click lands on.
#pragma once

#include "rules/board.h"
#include "view/metrics.h"

struct AppState;

// The scale the board is drawn at, in percent of the tile sheet's pixels:
// the view's scale on a screen of 96 DPI, proportionally more on a denser one.
double boardScale(const AppState& app);

// Every function below that takes a scale takes the view's, 50 to 100 %,
// and gives pixels of the window's screen.

// The same for the current mode: the editor always has room for all layers
// and the whole grid; a game follows the puzzle template.
PixelPoint boardMargins(const AppState& app, double scale);
Extent boardExtent(const AppState& app);
PixelSize boardSize(const AppState& app, double scale);

// Top-left corner of the face of a tile at (layer, row, column), in client
// pixels, at the current scale and board origin.
PixelPoint cellOrigin(const AppState& app, int layer, int row, int column);

// The topmost tile of the board whose face holds the point.
bool hitTestTile(const AppState& app, int x, int y, Anchor& hit);

// The half-tile cell of the current editor layer under the point.
bool hitEditorCell(const AppState& app, int x, int y, int& column, int& row);

// The largest scale at which the board fits a client area; 50 if none does.
double fittingScale(const AppState& app, int clientWidth, int clientHeight);

// Picks the scale when it is automatic and centres the board in the client
// area; rebuilds the scaled sheet when the scale changed. No repaint.
void layoutBoard(AppState& app);

// One zoom step, +1 in or -1 out, between 50 and 100 percent.
double zoomedScale(double scale, int direction);
void zoom(AppState& app, int direction);

// The window has moved to a screen of another density: the tiles are drawn
// anew for it, and auto scale chooses again. No change, no work.
void changeDpi(AppState& app, int dpi);

// The smallest client area the main window may shrink to: the board at 50 %
// with auto scale, else at the current scale, but never more than the screen.
PixelSize minimumClientSize(const AppState& app, int screenWidth, int screenHeight);
