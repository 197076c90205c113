#include "game/pause.h"

#include "game/app_state.h"
#include "game/host.h"

bool gameInPlay(const AppState& app) {
    return app.editorMode == 0 && app.history.gameEnded == 0 &&
           (app.gameActive != 0 || effectsRunning(app.board));
}

void togglePause(AppState& app) {
    if (resumeGame(app) || !gameInPlay(app)) return;
    app.paused = 1;
    refreshMenu(app);
    requestRepaint(app);
}

bool resumeGame(AppState& app) {
    if (app.paused == 0) return false;
    app.paused = 0;
    refreshMenu(app);
    requestRepaint(app);
    return true;
}
