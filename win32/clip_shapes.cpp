#include "win32/clip_shapes.h"

namespace {

void release(MovableRegion& shape) {
    if (shape.region != nullptr) DeleteObject(shape.region);
    shape = MovableRegion{};
}

void release(ClipShapes& shapes) {
    release(shapes.right);
    release(shapes.shortRight);
    release(shapes.bottom);
    release(shapes.face);
    shapes.scale = 0;
}

// Moving a region by whole pixels gives exactly the region built there.
void selectMoved(HDC target, MovableRegion& shape, int x, int y) {
    OffsetRgn(shape.region, x - shape.at.x, y - shape.at.y);
    shape.at = POINT{x, y};
    SelectClipRgn(target, shape.region);
}

}  // namespace

ClipShapes& clipShapesFor(ClipCache& cache, double scale) {
    for (int i = 0; i < 2; ++i)
        if (cache.slots[i].scale == scale) {
            cache.lastUsed = i;
            return cache.slots[i];
        }
    cache.lastUsed = 1 - cache.lastUsed;
    ClipShapes& shapes = cache.slots[cache.lastUsed];
    release(shapes);
    shapes.scale = scale;
    return shapes;
}

void selectPolygonClip(HDC target, MovableRegion& shape, const PlanPoint (&outline)[6], int x,
                       int y) {
    if (shape.region == nullptr) {
        POINT corners[6];
        for (int i = 0; i < 6; ++i) corners[i] = POINT{outline[i].x, outline[i].y};
        shape = MovableRegion{CreatePolygonRgn(corners, 6, WINDING), POINT{x, y}};
    }
    selectMoved(target, shape, x, y);
}

void selectRoundClip(HDC target, MovableRegion& shape, const RoundClip& outline, int x, int y) {
    if (shape.region == nullptr)
        shape = MovableRegion{CreateRoundRectRgn(outline.left, outline.top, outline.right,
                                                 outline.bottom, outline.corner, outline.corner),
                              POINT{x, y}};
    selectMoved(target, shape, x, y);
}

void releaseClipShapes(ClipCache& cache) {
    for (ClipShapes& shapes : cache.slots) release(shapes);
    cache.lastUsed = 0;
}
