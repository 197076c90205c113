// The clip regions of a tile, built once per scale and moved onto each tile
// in turn, so that a paint creates no region.
#pragma once

#include <windows.h>

#include "view/tile_plan.h"

// A region and where the face corner of the tile it was built for lies now.
struct MovableRegion {
    HRGN region;  // null until first used
    POINT at;
};

// The four shapes of a tile at one scale.
struct ClipShapes {
    double scale;              // 0 = free slot
    MovableRegion right;       // the right side
    MovableRegion shortRight;  // the right side below a raised right neighbour
    MovableRegion bottom;
    MovableRegion face;        // the rounded face
};

// The window's board and a dialog's quarter-size preview alternate while the
// dialog is open; each keeps its own shapes.
struct ClipCache {
    ClipShapes slots[2];
    int lastUsed;
};

// The shapes of one scale; the least recently used slot gives way.
ClipShapes& clipShapesFor(ClipCache& cache, double scale);

// Makes the shape, moved onto the tile whose face corner is (x, y), the clip
// of `target`; on first use it is built from that tile's outline.
void selectPolygonClip(HDC target, MovableRegion& shape, const PlanPoint (&outline)[6], int x, int y);
void selectRoundClip(HDC target, MovableRegion& shape, const RoundClip& outline, int x, int y);

// Deletes every region.
void releaseClipShapes(ClipCache& cache);
