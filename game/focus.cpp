#include "game/focus.h"

#include <climits>
#include <cstdlib>

#include "game/app_state.h"
#include "game/host.h"
#include "rules/free_rule.h"
#include "rules/tile_set.h"
#include "view/metrics.h"

namespace {

// Where a face is drawn, compared at full size: every scale keeps the order.
struct Centre {
    long x;
    long y;
};

Centre faceCentre(const Anchor& tile) {
    static const TileMetrics m = tileMetrics(100);
    return Centre{tile.x * m.width / 2 - tile.z * m.depth + m.width / 2,
                  tile.y * m.height / 2 - tile.z * m.depth + m.height / 2};
}

// A tile whose layer waits for its turn to appear is not drawn yet: the
// focus passes it by.
bool shown(const Cell& cell) { return cell.number != 0 && !(cell.effect == EffectAppearing && cell.ticks == 0); }

// Calls visit(tile) for every tile shown and seen from above, in the board's
// order.
template <typename Visit>
void forEachSeenTile(const Board& board, Visit visit) {
    for (int i = 0; i < kCells; ++i)
        if (shown(board.cells[i]) && seenFromAbove(board, anchorOf(i))) visit(anchorOf(i));
}

// The tile seen from above whose face centre lies nearest the point.
bool nearestTo(const Board& board, Centre point, Anchor& to) {
    long best = LONG_MAX;
    forEachSeenTile(board, [&](const Anchor& tile) {
        const Centre c = faceCentre(tile);
        const long distance = (c.x - point.x) * (c.x - point.x) + (c.y - point.y) * (c.y - point.y);
        if (distance < best) {
            best = distance;
            to = tile;
        }
    });
    return best != LONG_MAX;
}

// Tiles in reading order: row by row, column by column, higher layers first.
long readingKey(const Anchor& tile) { return (long(tile.y) * kCols + tile.x) * kLayers + (kLayers - 1 - tile.z); }

}  // namespace

void focusOn(AppState& app, const Anchor& tile) {
    app.focused = 1;
    app.focusX = tile.x;
    app.focusY = tile.y;
    app.focusZ = tile.z;
    app.focusShown = 1;
    requestRepaint(app);
}

void clearFocus(AppState& app) {
    app.focused = 0;
    app.focusShown = 0;
}

void hideFocus(AppState& app) {
    if (app.focusShown == 0) return;
    app.focusShown = 0;
    requestRepaint(app);
}

void keepFocusOnATile(AppState& app) {
    if (app.focused == 0 || app.editorMode == 1) return;
    const Anchor focus{app.focusX, app.focusY, app.focusZ};
    if (cellAt(app.board, focus.z, focus.y, focus.x).number != 0 && seenFromAbove(app.board, focus)) return;
    Anchor nearest;
    if (nearestTo(app.board, faceCentre(focus), nearest)) {
        app.focusX = nearest.x;
        app.focusY = nearest.y;
        app.focusZ = nearest.z;
    } else {
        clearFocus(app);
    }
    requestRepaint(app);
}

std::string focusedTileText(const AppState& app) {
    if (app.focused == 0 || app.editorMode == 1) return "";
    const Cell& cell = cellAt(app.board, app.focusZ, app.focusY, app.focusX);
    if (cell.number == 0) return "";
    std::string text = faceName(cell.type, cell.number);
    text += isFree(app.board, app.focusZ, app.focusX, app.focusY) ? ", free" : ", blocked";
    if (app.selectedX == app.focusX && app.selectedY == app.focusY && app.selectedZ == app.focusZ)
        text += ", selected";
    return text;
}

bool firstTile(const Board& board, Anchor& tile) { return nearestTo(board, {0, 0}, tile); }

bool seenFromAbove(const Board& board, const Anchor& tile) {
    for (int z = tile.z + 1; z < kLayers; ++z)
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx)
                if (isOccupied(board, z, tile.x + dx, tile.y + dy)) return false;
    return true;
}

bool nearestInDirection(const Board& board, const Anchor& from, int dx, int dy, Anchor& to) {
    const Centre origin = faceCentre(from);
    // The best within 45 degrees, and the nearest anywhere on that side for
    // when the cone is empty: no tile is then out of the arrows' reach.
    long best = LONG_MAX, nearest = LONG_MAX;
    Anchor onSide{};
    forEachSeenTile(board, [&](const Anchor& tile) {
        const Centre c = faceCentre(tile);
        const long along = (c.x - origin.x) * dx + (c.y - origin.y) * dy;
        const long across = std::labs((c.x - origin.x) * dy) + std::labs((c.y - origin.y) * dx);
        if (along <= 0) return;
        if (across <= along && along + 2 * across < best) {
            best = along + 2 * across;
            to = tile;
        }
        if (along * along + across * across < nearest) {
            nearest = along * along + across * across;
            onSide = tile;
        }
    });
    if (best == LONG_MAX && nearest != LONG_MAX) to = onSide;
    return nearest != LONG_MAX;
}

bool nextFreeTile(const Board& board, const Anchor* from, bool backwards, Anchor& to) {
    const long start = from != nullptr ? readingKey(*from) : backwards ? LONG_MAX : -1;
    // The nearest ahead of `from`, and the first of all for going round the end.
    long ahead = LONG_MAX, round = LONG_MAX;
    Anchor aheadTile{}, roundTile{};
    for (int i = 0; i < kCells; ++i) {
        const Anchor tile = anchorOf(i);
        if (!shown(board.cells[i]) || !isFree(board, tile.z, tile.x, tile.y)) continue;
        // Going backwards is going forwards over the keys turned round.
        const long key = backwards ? -readingKey(tile) : readingKey(tile);
        const long after = backwards ? -start : start;
        if (key > after && key < ahead) {
            ahead = key;
            aheadTile = tile;
        }
        if (key < round) {
            round = key;
            roundTile = tile;
        }
    }
    if (round == LONG_MAX) return false;
    to = ahead != LONG_MAX ? aheadTile : roundTile;
    return true;
}
