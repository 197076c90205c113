#include "view/tile_plan.h"

#include "view/metrics.h"

namespace {

// A tile half a tile higher on the right has been painted already; the
// right side must start below that neighbour's face.
bool raisedRightNeighbour(const Board& board, int layer, int row, int column) {
    return column <= kCols - 3 && row >= 1 && cellAt(board, layer, row - 1, column + 2).number != 0;
}

}  // namespace

void storeFaceTable(SheetCell (&faceTable)[TypeCount]) {
    static const SheetCell faces[TypeCount] = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {4, 3},
                                               {0, 4}, {4, 4}, {8, 3}, {7, 3}};
    for (int t = 0; t < TypeCount; ++t) faceTable[t] = faces[t];
}

int tileAlpha(const Cell& cell) {
    if (cell.effect == EffectNone || cell.opacity >= 100) return kOpaque;
    if (cell.opacity <= 0) return 0;
    return cell.opacity * 255 / 100;
}

bool planTile(const SheetCell (&faceTable)[TypeCount], const Anchor& selected, const Board& board, int layer,
              int row, int column, int x, int y, double scale, TilePlan& plan) {
    const Cell& cell = cellAt(board, layer, row, column);
    if (cell.number == 0 || cell.type < 0 || cell.type >= TypeCount) return false;
    plan.alpha = tileAlpha(cell);
    if (plan.alpha == 0) return false;

    const TileMetrics m = tileMetrics(scale);
    const int W = m.width, H = m.height, D = m.depth, E = m.edge;
    const int X = x + column * W / 2 - layer * D;
    const int Y = y + row * H / 2 - layer * D;
    const SheetCell body = faceTable[TypeBlank];

    plan.shortRight = raisedRightNeighbour(board, layer, row, column);
    const int drop = plan.shortRight ? H / 2 - E : 0;
    const PlanPoint right[6] = {{X + W, Y + E / 2 + drop},     {X + W + D, Y + E / 2 + D + drop},
                                {X + W + D, Y + H + D},        {X + W, Y + H},
                                {X + W - E, Y + H},            {X + W - E, Y + E / 2 + drop}};
    const PlanPoint bottom[6] = {{X + E / 2, Y + H},         {X + E / 2 + D, Y + H + D},
                                 {X + W + D + E / 2, Y + H + D}, {X + W, Y + H},
                                 {X + W, Y + H - E},         {X + E / 2, Y + H - E}};
    for (int i = 0; i < 6; ++i) {
        plan.rightClip[i] = right[i];
        plan.bottomClip[i] = bottom[i];
    }
    plan.rightSide = BlockCopy{X + W - E, Y, D + E, H + D, (body.column + 1) * W - E, body.row * H};
    plan.bottomSide = BlockCopy{X, Y + H - E, W + D, D + E, body.column * W, (body.row + 1) * H - E};

    SheetCell source{faceTable[cell.type].column + cell.number - 1, faceTable[cell.type].row};
    if (cell.effect == EffectBlankFlash) source = faceTable[TypeBlank];
    if (cell.effect == EffectStopFlash) source = faceTable[TypeStop];
    plan.faceClip = RoundClip{X, Y, X + W + 1, Y + H + 1, E};
    plan.face = BlockCopy{X, Y, W, H, source.column * W, source.row * H};

    plan.tinted = column == selected.x && row == selected.y && layer == selected.z;
    return true;
}
