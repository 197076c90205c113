#include "win32/draw_board.h"

#include "game/app_state.h"
#include "view/tile_plan.h"
#include "win32/clip_shapes.h"
#include "win32/platform_state.h"

namespace {

void copyBlock(HDC target, HDC source, const BlockCopy& block, int alpha) {
    if (alpha == kOpaque) {
        BitBlt(target, block.destX, block.destY, block.width, block.height, source, block.sourceX,
               block.sourceY, SRCCOPY);
        return;
    }
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha), 0};
    AlphaBlend(target, block.destX, block.destY, block.width, block.height, source, block.sourceX,
               block.sourceY, block.width, block.height, blend);
}

void drawTile(const AppState& app, HDC target, HDC sheet, const TilePlan& plan,
              ClipShapes& shapes) {
    const int x = plan.face.destX, y = plan.face.destY;
    selectPolygonClip(target, plan.shortRight ? shapes.shortRight : shapes.right, plan.rightClip,
                      x, y);
    copyBlock(target, sheet, plan.rightSide, plan.alpha);
    selectPolygonClip(target, shapes.bottom, plan.bottomClip, x, y);
    copyBlock(target, sheet, plan.bottomSide, plan.alpha);
    selectRoundClip(target, shapes.face, plan.faceClip, x, y);
    copyBlock(target, sheet, plan.face, plan.alpha);
    if (!plan.tinted) return;
    const BlockCopy tint{x, y, plan.face.width, plan.face.height, 0, 0};
    copyBlock(target, app.platform->tintDC.dc, tint, kTintAlpha);
}

}  // namespace

void drawBoard(const AppState& app, HDC target, const Board& board, HDC sheet, int x, int y,
               double scale) {
    ClipShapes& shapes = clipShapesFor(app.platform->clipCache, scale);
    TilePlan plan;
    const Anchor selected{app.selectedX, app.selectedY, app.selectedZ};
    for (int layer = 0; layer < kLayers; ++layer)
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kCols; ++column)
                if (planTile(app.faceTable, selected, board, layer, row, column, x, y, scale, plan))
                    drawTile(app, target, sheet, plan, shapes);
    SelectClipRgn(target, nullptr);
}
