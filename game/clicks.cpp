#include "game/clicks.h"

#include "game/app_state.h"
#include "game/editor.h"
#include "game/focus.h"
#include "game/geometry.h"
#include "game/host.h"
#include "game/pause.h"
#include "rules/free_rule.h"

namespace {

bool isSelected(const AppState& app, const Anchor& tile) {
    return app.selectedX == tile.x && app.selectedY == tile.y && app.selectedZ == tile.z;
}

Cell& selectedCell(AppState& app) {
    return cellAt(app.board, app.selectedZ, app.selectedY, app.selectedX);
}

void startEffect(Cell& cell, int effect, int ticks) {
    cell.effect = effect;
    cell.opacity = 100;
    cell.ticks = ticks;
}

void unselect(AppState& app) {
    selectedCell(app).effect = EffectNone;
    app.selectedX = -1;
    playEventSound(app, SoundUnselection);
    requestRepaint(app);
}

// Shows the player which tiles can be taken: every free tile but the selected
// one flashes blank.
void flashFreeTiles(AppState& app) {
    for (int z = 0; z < kLayers; ++z)
        for (int y = 0; y < kRows; ++y)
            for (int x = 0; x < kCols; ++x) {
                Cell& cell = cellAt(app.board, z, y, x);
                if (cell.number == 0 || !isFree(app.board, z, x, y)) continue;
                if (isSelected(app, Anchor{x, y, z})) continue;
                startEffect(cell, EffectBlankFlash, 10);
            }
    playEventSound(app, SoundError);
    refreshMenu(app);  // Shuffle waits for the flash
    requestRepaint(app);
}

void selectTile(AppState& app, const Anchor& tile) {
    app.selectedX = tile.x;
    app.selectedY = tile.y;
    app.selectedZ = tile.z;
    playEventSound(app, SoundSelection);
    requestRepaint(app);
}

void pickSecondTile(AppState& app, const Anchor& tile) {
    Cell& clicked = cellAt(app.board, tile.z, tile.y, tile.x);
    Cell& selected = selectedCell(app);
    if (tilesMatch(selected, clicked)) {
        // The tick sounds the pair and removes it when it has faded.
        selected.effect = EffectVanishing;
        selected.opacity = 100;
        clicked.effect = EffectVanishing;
        clicked.opacity = 100;
        app.gameActive = 0;
        app.selectedX = -1;
        refreshMenu(app);  // Hint and the steps wait until the pair has gone
        requestRepaint(app);
        return;
    }
    startEffect(clicked, EffectStopFlash, 20);
    playEventSound(app, SoundError);
    refreshMenu(app);
    requestRepaint(app);
}

void gameClick(AppState& app, int message, int x, int y) {
    const int selectButton = app.buttonsSwapped ? kRightButtonDown : kLeftButtonDown;
    Anchor tile;
    if (message != selectButton)
        clickToUnselect(app);
    else if (hitTestTile(app, x, y, tile))
        clickTile(app, tile);
}

}  // namespace

void clickToUnselect(AppState& app) {
    if (app.gameActive != 0 && app.selectedX != -1) unselect(app);
}

void clickTile(AppState& app, const Anchor& tile) {
    if (app.gameActive == 0) return;
    if (app.selectedX == -1) {
        if (isFree(app.board, tile.z, tile.x, tile.y))
            selectTile(app, tile);
        else
            flashFreeTiles(app);
    } else if (isSelected(app, tile)) {
        unselect(app);
    } else if (!isFree(app.board, tile.z, tile.x, tile.y)) {
        flashFreeTiles(app);
    } else {
        pickSecondTile(app, tile);
    }
}

void onBoardClick(AppState& app, int message, int x, int y) {
    if (message != kLeftButtonDown && message != kRightButtonDown) return;
    hideFocus(app);
    if (resumeGame(app)) return;  // the click that ends a pause takes no tile
    if (app.editorMode == 1)
        editorClick(app, x, y);
    else
        gameClick(app, message, x, y);
}
