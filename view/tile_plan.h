// The drawing of one tile as plain numbers: where its three copies come from
// and go to, the clip shape of each, and how translucent they are. The
// platform layer only executes the plan, so the arithmetic is tested here.
#pragma once

#include <cstdint>

#include "rules/board.h"

// Where a tile type's first face lies in the tile sheet.
struct SheetCell {
    int32_t column;
    int32_t row;
};

// The face table of the tile sheet: circles, bamboo and characters in rows 0
// to 2, winds and dragons in row 3 with the STOP face and the tile's body,
// seasons and flowers in row 4.
void storeFaceTable(SheetCell (&faceTable)[TypeCount]);

struct PlanPoint {
    int x;
    int y;
};

// A 1:1 copy of a block of the scaled sheet onto the target.
struct BlockCopy {
    int destX;
    int destY;
    int width;
    int height;
    int sourceX;
    int sourceY;
};

// The face's clip: a rounded rectangle, right and bottom exclusive, with a
// corner ellipse of corner x corner.
struct RoundClip {
    int left;
    int top;
    int right;
    int bottom;
    int corner;
};

constexpr int kOpaque = 255;    // copy without blending
constexpr int kTintAlpha = 63;  // the selection's ink over the face
constexpr int kGhostAlpha = 127;  // the editor's grey layer above

struct TilePlan {
    PlanPoint rightClip[6];  // the slanted right side and the face's right rim
    bool shortRight;         // the right side starts below a raised right neighbour
    BlockCopy rightSide;
    PlanPoint bottomClip[6];  // the slanted bottom side and the face's bottom rim
    BlockCopy bottomSide;
    RoundClip faceClip;
    BlockCopy face;
    int alpha;    // kOpaque, or the constant alpha of every copy of the tile
    bool tinted;  // the selected tile: the ink is blended over the face
};

// Constant alpha of a tile's copies: kOpaque without an effect or at 100 %,
// 0 when the tile is not drawn at all, else (opacity * 255) / 100.
int tileAlpha(const Cell& cell);

// The plan of the tile anchored at (layer, row, column) of `board`, drawn
// with the face of a layer-0 tile at column 0, row 0 at (x, y), from a sheet
// scaled to `scale` percent; the tile at `selected` is tinted. False when
// nothing of the position is drawn.
bool planTile(const SheetCell (&faceTable)[TypeCount], const Anchor& selected, const Board& board, int layer,
              int row, int column, int x, int y, double scale, TilePlan& plan);
