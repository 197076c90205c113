#include "game/hint.h"

#include <initializer_list>

#include "game/app_state.h"
#include "game/host.h"
#include "game/records.h"
#include "rules/moves.h"

bool chooseHintPair(AppState& app, Move& move) {
    if (app.hintSafe != 0 && winningStartHolds(app.winningStart, app.board)) {
        move = app.winningStart.pair;
        return true;
    }
    return findMoves(app.random, app.board, move) != 0;
}

void showHint(AppState& app) {
    // While a pair vanishes, a deal appears or the game has ended the hint
    // could pick tiles whose effect must not be cut short.
    if (app.gameActive == 0 || app.paused != 0) return;
    Move move;
    if (!chooseHintPair(app, move)) {
        showMessage(app, kMainWindow, "There is no variant!", MessageIcon::Information);
        return;
    }
    if (app.focused != 0) {  // the keys go on from the pair shown
        app.focusX = move.first.x;
        app.focusY = move.first.y;
        app.focusZ = move.first.z;
    }
    for (const Anchor& tile : {move.first, move.second}) {
        Cell& cell = cellAt(app.board, tile.z, tile.y, tile.x);
        cell.effect = EffectBlankFlash;
        cell.opacity = 100;
        cell.ticks = 10;
    }
    noteHelperUsed(app);
    playEventSound(app, SoundPairCompleted);
    requestRepaint(app);
}
