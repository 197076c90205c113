#include "engine/history.h"

#include "engine/host.h"
#include "engine/tick.h"
#include "shell/app_state.h"

void clearHistory(History& history) {
    history.count = 0;
    history.cursor = 0;
    history.gameEnded = 0;
}

void recordStep(History& history, const HistoryStep& step) {
    if (history.cursor == kMaxSteps) return;  // only a board of more than 144 tiles
    history.steps[history.cursor++] = step;
    history.count = history.cursor;
}

namespace {

// A pair still vanishing and a deal still appearing both hold play off
// without ending the game: no step may be taken then.
bool playSettled(const AppState& app) {
    return app.editorMode == 0 && (app.gameActive != 0 || app.history.gameEnded != 0);
}

}  // namespace

bool canUndo(const AppState& app) { return playSettled(app) && app.history.cursor > 0; }

bool canRedo(const AppState& app) {
    return playSettled(app) && app.history.cursor < app.history.count;
}

void undoStep(AppState& app) {
    if (!canUndo(app)) return;
    const HistoryStep& step = app.history.steps[--app.history.cursor];
    for (const TakenTile& tile : step.tiles) {
        Cell& cell = app.board.cells[tile.index];
        cell.type = tile.type;
        cell.number = tile.number;
        cell.effect = EffectNone;
        cell.opacity = 100;
        cell.ticks = 0;
    }
    app.selectedX = -1;
    app.history.gameEnded = 0;
    // The pair put back was free and matching when it was taken, and the
    // board is as it was then: a move exists.
    app.gameActive = 1;
    app.canSaveGame = 1;
    refreshMenu(app);
    requestRepaint(app);
}

void redoStep(AppState& app) {
    if (!canRedo(app)) return;
    const HistoryStep& step = app.history.steps[app.history.cursor++];
    for (const TakenTile& tile : step.tiles) {
        Cell& cell = app.board.cells[tile.index];
        cell.number = 0;  // the rest as a faded tile leaves its cell
        cell.effect = EffectNone;
        cell.opacity = 0;
    }
    app.selectedX = -1;
    requestRepaint(app);  // the board shows the pair gone behind an end message
    afterPairRemoved(app);
}
