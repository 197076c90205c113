#include "view/preview_geometry.h"

PixelSize previewSize(const Board& layout, double scale) {
    const TileMetrics m = tileMetrics(scale);
    const RaisedEdges edges = raisedEdges(layout);
    const Extent extent = extentOf(layout);
    return PixelSize{(edges.column0 + 1) * m.depth + extent.cols * m.width / 2,
                     (edges.row0 + 1) * m.depth + extent.rows * m.height / 2};
}

PixelRect previewPlace(PixelSize size, int boxWidth, int boxHeight) {
    const long long width = size.width, height = size.height;
    PixelSize fitted = size;
    if (width > boxWidth || height > boxHeight) {
        // The side that overflows more sets the ratio: compare width / height
        // with the box's by multiplying across.
        if (width * boxHeight >= height * boxWidth)
            fitted = PixelSize{boxWidth, static_cast<int>(height * boxWidth / width)};
        else
            fitted = PixelSize{static_cast<int>(width * boxHeight / height), boxHeight};
    }
    return PixelRect{(boxWidth - fitted.width) / 2, (boxHeight - fitted.height) / 2, fitted.width,
                     fitted.height};
}

PixelPoint previewOrigin(const Board& layout, double scale, int boxWidth, int boxHeight) {
    const TileMetrics m = tileMetrics(scale);
    const RaisedEdges edges = raisedEdges(layout);
    const PixelSize size = previewSize(layout, scale);
    const int dx = boxWidth > size.width ? (boxWidth - size.width) / 2 : 0;
    const int dy = boxHeight > size.height ? (boxHeight - size.height) / 2 : 0;
    return PixelPoint{dx + edges.column0 * m.depth, dy + edges.row0 * m.depth};
}
