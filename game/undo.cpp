#include "game/undo.h"

#include "game/app_state.h"
#include "game/end_of_game.h"
#include "game/focus.h"
#include "game/history.h"
#include "game/host.h"
#include "game/records.h"
#include "rules/moves.h"

void resumePlay(AppState& app) {
    const bool moves = countMoves(app.board) != 0;
    app.selectedX = -1;
    app.gameActive = moves ? 1 : 0;
    app.history.gameEnded = moves ? 0 : 1;
    if (moves) reopenGame(app);
    app.canSaveGame = 1;
    refreshMenu(app);
    requestRepaint(app);
}

namespace {

// A pair still vanishing and a deal still appearing both hold play off
// without ending the game, and a pause holds everything: no step may be
// taken then.
bool playSettled(const AppState& app) {
    return app.editorMode == 0 && app.paused == 0 &&
           (app.gameActive != 0 || app.history.gameEnded != 0);
}

}  // namespace

bool canUndo(const AppState& app) { return playSettled(app) && app.history.cursor > 0; }

bool canRedo(const AppState& app) {
    return playSettled(app) && app.history.cursor < app.history.count;
}

void undoStep(AppState& app) {
    if (!canUndo(app)) return;
    noteHelperUsed(app);
    const HistoryStep& step = app.history.steps[--app.history.cursor];
    if (step.shuffled != 0) {
        putFaces(app.board, step.before);
    } else {
        for (const TakenTile& tile : step.tiles) {
            Cell& cell = app.board.cells[tile.index];
            cell.type = tile.type;
            cell.number = tile.number;
            cell.effect = EffectNone;
            cell.opacity = 100;
            cell.ticks = 0;
        }
    }
    // A pair put back was free and matching when it was taken, so a move
    // exists; a shuffle undone may bring back a game that was over.
    keepFocusOnATile(app);
    resumePlay(app);
}

void redoStep(AppState& app) {
    if (!canRedo(app)) return;
    const HistoryStep& step = app.history.steps[app.history.cursor++];
    if (step.shuffled != 0) {
        putFaces(app.board, step.after);
        resumePlay(app);
        return;
    }
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
