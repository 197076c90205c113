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
