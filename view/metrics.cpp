#include "view/metrics.h"

TileMetrics tileMetrics(double scale) {
    return TileMetrics{static_cast<int>(96 * scale / 100), static_cast<int>(120 * scale / 100),
                       static_cast<int>(24 * scale / 100), static_cast<int>(6 * scale / 100)};
}

double deviceScale(double scale, int dpi) { return scale * dpi / kBaseDpi; }

int devicePixels(int pixels, int dpi) { return pixels * dpi / kBaseDpi; }

RaisedEdges raisedEdges(const Board& board) {
    RaisedEdges edges{0, 0};
    for (int z = 0; z < kLayers; ++z) {
        for (int y = 0; y < kRows; ++y)
            if (cellAt(board, z, y, 0).number != 0) edges.column0 = z;
        for (int x = 0; x < kCols; ++x)
            if (cellAt(board, z, 0, x).number != 0) edges.row0 = z;
    }
    return edges;
}

Extent extentOf(const Board& board) {
    int lastColumn = 0;
    int lastRow = 0;
    for (int z = 0; z < kLayers; ++z)
        for (int y = 0; y < kRows; ++y)
            for (int x = 0; x < kCols; ++x)
                if (cellAt(board, z, y, x).number != 0) {
                    if (x > lastColumn) lastColumn = x;
                    if (y > lastRow) lastRow = y;
                }
    return Extent{lastColumn + 2, lastRow + 2};
}
