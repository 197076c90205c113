#include "game/geometry.h"

#include "game/app_state.h"
#include "game/host.h"

namespace {

const double kScales[] = {100, 87.5, 75, 62.5, 50};
constexpr int kEditorLayers = kLayers - 1;  // the editor has room for every layer

bool containsPoint(int left, int top, int width, int height, int x, int y) {
    return x >= left && x < left + width && y >= top && y < top + height;
}

// The board's room beyond its tiles: 8 pixels at 96 DPI.
int boardPadding(const AppState& app) { return devicePixels(8, app.dpi); }

}  // namespace

double boardScale(const AppState& app) { return deviceScale(app.view.scale, app.dpi); }

PixelPoint boardMargins(const AppState& app, double scale) {
    const RaisedEdges edges =
        app.editorMode ? RaisedEdges{kEditorLayers, kEditorLayers} : raisedEdges(app.puzzle);
    const int depth = tileMetrics(deviceScale(scale, app.dpi)).depth;
    const int padding = boardPadding(app);
    return PixelPoint{edges.column0 * depth + padding, edges.row0 * depth + padding};
}

Extent boardExtent(const AppState& app) {
    return app.editorMode ? Extent{kCols + 1, kRows + 1} : extentOf(app.puzzle);
}

PixelSize boardSize(const AppState& app, double scale) {
    const TileMetrics m = tileMetrics(deviceScale(scale, app.dpi));
    const PixelPoint margins = boardMargins(app, scale);
    const Extent extent = boardExtent(app);
    const int padding = boardPadding(app);
    return PixelSize{m.width * extent.cols / 2 + margins.x + m.depth + padding,
                     m.height * extent.rows / 2 + margins.y + m.depth + padding};
}

PixelPoint cellOrigin(const AppState& app, int layer, int row, int column) {
    const TileMetrics m = tileMetrics(boardScale(app));
    const PixelPoint margins = boardMargins(app, app.view.scale);
    return PixelPoint{app.boardOriginX + margins.x + column * m.width / 2 - layer * m.depth,
                      app.boardOriginY + margins.y + row * m.height / 2 - layer * m.depth};
}

bool hitTestTile(const AppState& app, int x, int y, Anchor& hit) {
    const TileMetrics m = tileMetrics(boardScale(app));
    const PixelPoint origin = cellOrigin(app, 0, 0, 0);
    for (int z = kLayers - 1; z >= 0; --z)
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kCols; ++column) {
                if (cellAt(app.board, z, row, column).number == 0) continue;
                const int left = origin.x + column * m.width / 2 - z * m.depth;
                const int top = origin.y + row * m.height / 2 - z * m.depth;
                if (containsPoint(left, top, m.width, m.height, x, y)) {
                    hit = Anchor{column, row, z};
                    return true;
                }
            }
    return false;
}

bool hitEditorCell(const AppState& app, int x, int y, int& column, int& row) {
    const TileMetrics m = tileMetrics(boardScale(app));
    for (int r = 0; r < kRows; ++r)
        for (int k = 0; k < kCols; ++k) {
            const PixelPoint corner = cellOrigin(app, app.editorLayer, r, k);
            if (containsPoint(corner.x, corner.y, m.width / 2, m.height / 2, x, y)) {
                column = k;
                row = r;
                return true;
            }
        }
    return false;
}

double fittingScale(const AppState& app, int clientWidth, int clientHeight) {
    for (double scale : kScales) {
        if (scale == 50) break;  // the smallest is taken without testing
        const PixelSize size = boardSize(app, scale);
        if (size.width <= clientWidth && size.height <= clientHeight) return scale;
    }
    return 50;
}

void layoutBoard(AppState& app) {
    int width = 0;
    int height = 0;
    clientSize(app, width, height);
    if (app.view.autoScale == 1) {
        const double scale = fittingScale(app, width, height);
        if (scale != app.view.scale) {
            app.view.scale = scale;
            rescaleSheet(app);
        }
    }
    const PixelSize size = boardSize(app, app.view.scale);
    app.boardOriginX = width >= size.width ? (width - size.width) / 2 : 0;
    app.boardOriginY = height >= size.height ? (height - size.height) / 2 : 0;
}

double zoomedScale(double scale, int direction) {
    double next = scale + 12.5 * direction;
    if (next < 50) next = 50;
    if (next >= 100) next = 100;
    return next;
}

void zoom(AppState& app, int direction) {
    const double next = zoomedScale(app.view.scale, direction);
    if (next == app.view.scale) return;
    app.view.scale = next;
    rescaleSheet(app);
    layoutBoard(app);
    refreshMenu(app);
    requestRepaint(app);
}

void changeDpi(AppState& app, int dpi) {
    if (dpi == app.dpi) return;
    app.dpi = dpi;
    layoutBoard(app);
    rescaleSheet(app);  // the pixels of the tiles changed even where the scale did not
    requestRepaint(app);
}

PixelSize minimumClientSize(const AppState& app, int screenWidth, int screenHeight) {
    const PixelSize size = boardSize(app, app.view.autoScale == 1 ? 50 : app.view.scale);
    return PixelSize{size.width < screenWidth ? size.width : screenWidth,
                     size.height < screenHeight ? size.height : screenHeight};
}
