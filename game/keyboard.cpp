#include "game/keyboard.h"

#include "game/app_state.h"
#include "game/clicks.h"
#include "game/editor.h"
#include "game/focus.h"
#include "game/host.h"

namespace {

// After a mouse click the first key only shows where the focus is.
bool showHiddenFocus(AppState& app) {
    if (app.focusShown != 0) return false;
    app.focusShown = 1;
    requestRepaint(app);
    return true;
}

// The step of an arrow key, by its code from kKeyLeft on.
const int kSteps[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};

bool editorKey(AppState& app, int key) {
    const bool arrow = key >= kKeyLeft && key <= kKeyDown;
    if (!arrow && key != kKeySpace && key != kKeyDelete) return false;
    if (app.focused == 0) {
        focusOn(app, Anchor{0, 0, 0});  // the grid's top-left cell
        return true;
    }
    if (showHiddenFocus(app)) return true;
    if (arrow) {
        const int x = app.focusX + kSteps[key - kKeyLeft][0];
        const int y = app.focusY + kSteps[key - kKeyLeft][1];
        if (x >= 0 && x < kCols && y >= 0 && y < kRows) focusOn(app, Anchor{x, y, 0});
    } else if (key == kKeySpace) {
        placePosition(app, app.focusX, app.focusY);
    } else {
        removePosition(app, app.focusX, app.focusY);
    }
    return true;
}

bool gameKey(AppState& app, int key, bool shift) {
    const bool arrow = key >= kKeyLeft && key <= kKeyDown;
    if (key == kKeyEscape) {
        clickToUnselect(app);
        return true;
    }
    if (!arrow && key != kKeyTab && key != kKeySpace && key != kKeyEnter) return false;
    Anchor tile;
    if (app.focused == 0) {
        // The first key finds the tile nearest the board's top-left corner,
        // or with Tab the first free tile.
        if (key == kKeyTab ? nextFreeTile(app.board, nullptr, shift, tile) : firstTile(app.board, tile))
            focusOn(app, tile);
        return true;
    }
    if (showHiddenFocus(app)) return true;
    const Anchor from{app.focusX, app.focusY, app.focusZ};
    if (arrow) {
        if (nearestInDirection(app.board, from, kSteps[key - kKeyLeft][0], kSteps[key - kKeyLeft][1], tile))
            focusOn(app, tile);
    } else if (key == kKeyTab) {
        if (nextFreeTile(app.board, &from, shift, tile)) focusOn(app, tile);
    } else {
        clickTile(app, from);
    }
    return true;
}

}  // namespace

bool onBoardKey(AppState& app, int key, bool shift) {
    return app.editorMode == 1 ? editorKey(app, key) : gameKey(app, key, shift);
}
