#include "win32/paint_board.h"

#include <cstdio>

#include "game/app_state.h"
#include "game/geometry.h"
#include "game/host.h"
#include "view/editor_view.h"
#include "view/tile_plan.h"
#include "win32/draw_board.h"
#include "win32/pause_view.h"
#include "win32/platform_state.h"

namespace {

void line(HDC dc, int x0, int y0, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
    LineTo(dc, x2, y2);
}

// The editor's grid on the current layer, the layer above as grey ghosts,
// and the counter of placed positions.
void drawEditorOverlay(const AppState& app, HDC dc) {
    const TileMetrics m = tileMetrics(boardScale(app));
    const int layer = app.editorLayer;

    const LOGBRUSH ink{BS_SOLID, app.view.colorInk, 0};
    HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_DOT, 1, &ink, 0, nullptr);
    HGDIOBJ previousPen = SelectObject(dc, pen);
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kCols; ++column) {
            const PixelPoint corner = cellOrigin(app, layer, row, column);
            const int X = corner.x, Y = corner.y;
            line(dc, X + m.width / 2, Y, X, Y, X, Y + m.height / 2);
            if (row == kRows - 1 || column == kCols - 1)
                line(dc, X + m.width / 2, Y, X + m.width / 2, Y + m.height / 2, X,
                     Y + m.height / 2);
        }

    if (layer < kLayers - 1) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, kGhostAlpha, 0};
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kCols; ++column)
                if (cellAt(app.board, layer + 1, row, column).number != 0) {
                    // The shade lies as if the tile above were on this layer.
                    const PixelPoint corner = cellOrigin(app, layer, row, column);
                    AlphaBlend(dc, corner.x, corner.y, m.width, m.height,
                               app.platform->shadeDC.dc, 0, 0, m.width, m.height, blend);
                }
    }
    SelectObject(dc, previousPen);
    DeleteObject(pen);

    const int placed = countTiles(app.board);
    char text[64];
    const int length =
        std::snprintf(text, sizeof text, "Amount tiles: %d, remain: %d.", placed, kTileCount - placed);
    SetTextColor(dc, app.view.colorInk);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 7, 7, text, length);
}

// The keyboard's focus, from the first key until a mouse click: a frame in
// the ink around the focused tile's face; in the editor the cursor, a ghost
// tile in the same frame on its cell of the edited layer.
void drawFocus(const AppState& app, HDC dc) {
    if (app.focused == 0 || app.focusShown == 0) return;
    const TileMetrics m = tileMetrics(boardScale(app));
    const bool editor = app.editorMode == 1;
    const PixelPoint corner = cellOrigin(app, editor ? app.editorLayer : app.focusZ, app.focusY, app.focusX);
    if (editor) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, kGhostAlpha, 0};
        AlphaBlend(dc, corner.x, corner.y, m.width, m.height, app.platform->shadeDC.dc, 0, 0, m.width, m.height,
                   blend);
    }
    // Two pixels at half size, four at full size.
    const int thickness = m.width / 24 > 2 ? m.width / 24 : 2;
    HBRUSH ink = CreateSolidBrush(app.view.colorInk);
    for (int ring = 1; ring <= thickness; ++ring) {
        const RECT frame{corner.x - ring, corner.y - ring, corner.x + m.width + ring, corner.y + m.height + ring};
        FrameRect(dc, &frame, ink);
    }
    DeleteObject(ink);
}

}  // namespace

void paintBoard(AppState& app, HDC window) {
    PlatformState& p = *app.platform;
    Board& view = p.paintCopy;
    view = app.board;
    if (app.editorMode == 1) makeEditorView(view, app.editorLayer);

    // The board's area only: the status bar below paints itself.
    int width = 0;
    int height = 0;
    clientSize(app, width, height);
    const RECT client{0, 0, width, height};
    HDC buffer = p.backBufferDC.dc;
    FillRect(buffer, &client, p.backgroundBrush);

    if (app.paused != 0) {
        drawPaused(app, buffer, client);
    } else {
        const PixelPoint origin = cellOrigin(app, 0, 0, 0);
        drawBoard(app, buffer, view, p.scaledSheetDC.dc, origin.x, origin.y, boardScale(app));
        if (app.editorMode == 1) drawEditorOverlay(app, buffer);
        drawFocus(app, buffer);
    }

    BitBlt(window, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
}
