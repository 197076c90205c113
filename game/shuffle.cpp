#include "game/shuffle.h"

#include "game/app_state.h"
#include "game/history.h"
#include "game/host.h"
#include "game/records.h"
#include "game/undo.h"
#include "rules/winnable_arrangement.h"

bool canShuffle(const AppState& app) {
    return app.editorMode == 0 && app.paused == 0 && countTiles(app.board) >= 2 && !effectsRunning(app.board);
}

void shuffleBoard(AppState& app) {
    if (!canShuffle(app)) return;
    HistoryStep step{};
    step.shuffled = 1;
    noteFaces(app.board, step.before);
    if (arrangeToWin(app.random, app.board) != Arrangement::Arranged) {
        showMessage(app, kMainWindow, "These tiles cannot be rearranged into a game that can be won.",
                    MessageIcon::Information);
        return;
    }
    noteFaces(app.board, step.after);
    recordStep(app.history, step);
    noteHelperUsed(app);
    resumePlay(app);
}
