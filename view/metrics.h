// Sizes in pixels: a tile's at a scale, and what a board spans.
#pragma once

#include "rules/board.h"

// Pixel sizes of a tile at a scale in percent, each truncated toward zero:
// face width and height, layer depth (also the body's thickness), edge.
struct TileMetrics {
    int width;
    int height;
    int depth;
    int edge;
};
TileMetrics tileMetrics(double scale);

// The tile sheet is drawn for screens of 96 dots per inch; a denser screen
// shows everything larger by dpi / 96, so that an inch stays an inch.
constexpr int kBaseDpi = 96;

// The scale in pixels of a scale in percent on a screen of `dpi`: 100 % is
// 150 at 144 DPI. At 96 DPI it is the scale itself, to the last bit.
double deviceScale(double scale, int dpi);

// A length of `pixels` at 96 DPI on a screen of `dpi`, truncated.
int devicePixels(int pixels, int dpi);

struct PixelPoint {
    int x;
    int y;
};
struct PixelSize {
    int width;
    int height;
};

// The highest layers holding a position in column 0 and in row 0 of a board
// (0 when none): tiles raised there need room left of and above the board.
struct RaisedEdges {
    int column0;
    int row0;
};
RaisedEdges raisedEdges(const Board& board);

// Half-tile columns and rows a board spans, always counted from column and
// row 0: the largest anchor index + 2 (2 x 2 for an empty board).
struct Extent {
    int cols;
    int rows;
};
Extent extentOf(const Board& board);
