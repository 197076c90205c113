#include "game/end_of_game.h"

#include "game/app_state.h"
#include "game/focus.h"
#include "game/host.h"
#include "game/play_clock.h"
#include "game/records.h"
#include "rules/deal.h"
#include "rules/moves.h"

void afterPairRemoved(AppState& app) {
    keepFocusOnATile(app);
    app.gameActive = 1;
    app.history.gameEnded = 0;
    notePairTaken(app);
    Move move;
    if (countTiles(app.board) == 0) {
        // Timed and counted before the message, which the player may leave
        // open: the status bar, the records and the best time agree.
        stopClock(app);
        const bool best = countGameEnd(app, true);
        playEventSound(app, SoundLevelCompleted);
        showMessage(app, kMainWindow, "Congratulations! The game is won.",
                    MessageIcon::Information);
        app.game.newBest = best ? 1 : 0;  // the status bar says so after the message
        app.gameActive = 0;
        app.canSaveGame = 0;
        app.history.gameEnded = 1;
        showAllLayers(app.board);
    } else if (findMoves(app.random, app.board, move) != 0) {
        app.canSaveGame = 1;
    } else {
        stopClock(app);
        countGameEnd(app, false);
        showMessage(app, kMainWindow,
                    "There is no variant of move on the game field. Game over.",
                    MessageIcon::Information);
        app.gameActive = 0;
        app.history.gameEnded = 1;
        showAllLayers(app.board);
    }
    refreshMenu(app);
}
