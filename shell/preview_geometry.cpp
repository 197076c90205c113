#include "shell/preview_geometry.h"

PixelSize previewSize(const Board& layout) {
    const TileMetrics m = tileMetrics(kPreviewScale);
    const RaisedEdges edges = raisedEdges(layout);
    const Extent extent = extentOf(layout);
    return PixelSize{(edges.column0 + 1) * m.depth + extent.cols * m.width / 2,
                     (edges.row0 + 1) * m.depth + extent.rows * m.height / 2};
}

PixelPoint previewOrigin(const Board& layout, int boxWidth, int boxHeight) {
    const TileMetrics m = tileMetrics(kPreviewScale);
    const RaisedEdges edges = raisedEdges(layout);
    const PixelSize size = previewSize(layout);
    const int dx = boxWidth > size.width ? (boxWidth - size.width) / 2 : 0;
    const int dy = boxHeight > size.height ? (boxHeight - size.height) / 2 : 0;
    return PixelPoint{dx + edges.column0 * m.depth, dy + edges.row0 * m.depth};
}
