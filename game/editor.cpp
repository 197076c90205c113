#include "game/editor.h"

#include "game/app_state.h"
#include "game/focus.h"
#include "game/geometry.h"
#include "game/history.h"
#include "game/host.h"
#include "game/records.h"
#include "rules/free_rule.h"

void createPuzzle(AppState& app) {
    beginGame(app, "", false);  // the game left is given up; the editor counts nothing
    app.paused = 0;
    clearFocus(app);
    app.editorMode = 1;
    app.editorLayer = 0;
    app.canSaveGame = 0;
    clearBoard(app.board);
    clearHistory(app.history);
    refreshMenu(app);
    layoutBoard(app);
    requestRepaint(app);
}

void changeEditorLayer(AppState& app, int step) {
    const int layer = app.editorLayer + step;
    if (layer < 0 || layer >= kLayers) return;
    app.editorLayer = layer;
    refreshMenu(app);
    requestRepaint(app);
}

namespace {

// A tile may go at (x, y) when it lies wholly on the grid (the puzzle reader
// takes no other), its footprint overlaps no tile of its layer and, above
// layer 0, it rests wholly on tiles of the layer below.
bool canPlace(const Board& board, int z, int x, int y) {
    if (!tileFitsGrid(z, y, x)) return false;
    Anchor other;
    if (findTileAt(board, z, x, y + 1, other) || findTileAt(board, z, x + 1, y + 1, other) ||
        findTileAt(board, z, x + 1, y, other))
        return false;
    if (z == 0) return true;
    return isOccupied(board, z - 1, x, y) && isOccupied(board, z - 1, x + 1, y) &&
           isOccupied(board, z - 1, x, y + 1) && isOccupied(board, z - 1, x + 1, y + 1);
}

}  // namespace

void placePosition(AppState& app, int column, int row) {
    const int z = app.editorLayer;
    if (!canPlace(app.board, z, column, row)) {
        playEventSound(app, SoundError);
        return;
    }
    Cell& cell = cellAt(app.board, z, row, column);
    cell.type = TypeBlank;
    cell.number = 1;
    requestRepaint(app);
}

void removePosition(AppState& app, int column, int row) {
    const int z = app.editorLayer;
    Anchor tile;
    if (!findTileAt(app.board, z, column, row, tile) || isCoveredFromAbove(app.board, z, tile.x, tile.y)) {
        playEventSound(app, SoundError);
        return;
    }
    cellAt(app.board, z, tile.y, tile.x).number = 0;
    requestRepaint(app);
}

void editorClick(AppState& app, int x, int y) {
    int column = 0;
    int row = 0;
    if (!hitEditorCell(app, x, y, column, row)) return;
    Anchor tile;
    if (findTileAt(app.board, app.editorLayer, column, row, tile))
        removePosition(app, column, row);
    else
        placePosition(app, column, row);
}
