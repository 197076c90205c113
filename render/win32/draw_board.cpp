#include "render/win32/draw_board.h"

#include "render/tile_plan.h"
#include "shell/app_state.h"
#include "shell/win32/platform_state.h"

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

HRGN polygonRegion(const PlanPoint (&points)[6]) {
    POINT corners[6];
    for (int i = 0; i < 6; ++i) corners[i] = POINT{points[i].x, points[i].y};
    return CreatePolygonRgn(corners, 6, WINDING);
}

// The region is selected for the copies that `draw` makes, then deleted.
template <typename Draw>
void withClip(HDC target, HRGN region, Draw draw) {
    SelectClipRgn(target, region);
    draw();
    SelectClipRgn(target, nullptr);
    DeleteObject(region);
}

void drawTile(const AppState& app, HDC target, HDC sheet, const TilePlan& plan) {
    withClip(target, polygonRegion(plan.rightClip),
             [&] { copyBlock(target, sheet, plan.rightSide, plan.alpha); });
    withClip(target, polygonRegion(plan.bottomClip),
             [&] { copyBlock(target, sheet, plan.bottomSide, plan.alpha); });
    const RoundClip& round = plan.faceClip;
    withClip(target,
             CreateRoundRectRgn(round.left, round.top, round.right, round.bottom, round.corner,
                                round.corner),
             [&] {
                 copyBlock(target, sheet, plan.face, plan.alpha);
                 if (!plan.tinted) return;
                 const BlockCopy tint{plan.face.destX, plan.face.destY, plan.face.width,
                                      plan.face.height, 0, 0};
                 copyBlock(target, app.platform->tintDC.dc, tint, kTintAlpha);
             });
}

}  // namespace

void drawBoard(const AppState& app, HDC target, const Board& board, HDC sheet, int x, int y,
               double scale) {
    TilePlan plan;
    for (int layer = 0; layer < kLayers; ++layer)
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kCols; ++column)
                if (planTile(app, board, layer, row, column, x, y, scale, plan))
                    drawTile(app, target, sheet, plan);
}
