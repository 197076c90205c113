// Where the New game and Load game dialogs place the picture of a layout:
// at a quarter of full size (of the screen's: more pixels on a denser one),
// centred in their preview box.
#pragma once

#include "rules/board.h"
#include "view/metrics.h"

constexpr double kPreviewScale = 25;

// The pixels a layout covers at `scale` (25 % at 96 DPI): its raised edges'
// depth plus one body depth, and half a face per half-tile column and row of
// its extent.
PixelSize previewSize(const Board& layout, double scale);

// The corner of the face of a layer-0 tile at column 0, row 0 that centres
// the layout in a box; a layout wider or taller than the box starts at the
// box's left or top edge. Tiles raised over column 0 and row 0 stay inside.
PixelPoint previewOrigin(const Board& layout, double scale, int boxWidth, int boxHeight);

struct PixelRect {
    int x;
    int y;
    int width;
    int height;
};

// Where a picture of `size` goes in a box: at its own size when it fits;
// else shrunk, proportions kept, until it does. Centred either way.
PixelRect previewPlace(PixelSize size, int boxWidth, int boxHeight);
