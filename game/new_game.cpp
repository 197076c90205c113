#include "game/new_game.h"

#include <cstring>
#include <string>

#include "files/puzzle_file.h"
#include "game/app_state.h"
#include "game/focus.h"
#include "game/geometry.h"
#include "game/history.h"
#include "game/play_clock.h"
#include "game/host.h"
#include "game/records.h"
#include "rules/deal.h"
#include "rules/moves.h"
#include "rules/random.h"

namespace {

const char* const kNoWinnableDeal =
    "No order of play was found that clears this puzzle, so it has no winnable deal. "
    "The tiles are dealt at random.";

// With "Winnable deals only" the deal is built to be won; otherwise, or when
// the puzzle cannot be cleared, it is dealt at random until a move exists.
// Every draw comes from `random`, so its state before the first one decides
// the tiles: that state is the deal's number.
void dealBoard(AppState& app, Random& random) {
    app.dealNumber = random.state;
    app.dealNumbered = 1;
    if (app.winnableOnly != 0) {
        if (dealWinnable(random, app.tileSet, app.board, app.layoutBuffer) == Arrangement::Arranged) return;
        showMessage(app, kMainWindow, kNoWinnableDeal, MessageIcon::Information);
    }
    Move move;
    int deals = 0;
    do {
        dealTiles(random, app.tileSet, app.board, app.layoutBuffer);
        ++deals;
    } while (findMoves(random, app.board, move) == 0 && deals < kMaxDeals);
}

// New game with the deal drawn from `random`: the program's generator, or
// one set to a chosen number.
void startGame(AppState& app, Random& random) {
    FilePath& path = app.filePath;
    std::strcpy(path.folder, "Puzzle");
    std::memcpy(path.name, app.lastGame, sizeof path.name);
    path.extension[0] = '\0';

    std::string message;
    clearBoard(app.layoutBuffer);
    if (!readField(app.filePath, message, app.layoutBuffer)) {
        showMessage(app, kMainWindow, message.c_str(), MessageIcon::Error);
        app.lastGame[0] = '\0';
        return;
    }
    app.puzzle = app.layoutBuffer;
    clearHistory(app.history);
    beginGame(app, app.lastGame, true);
    app.paused = 0;
    clearFocus(app);

    dealBoard(app, random);
    resetClock(app);

    app.editorMode = 0;
    app.canSaveGame = 0;
    refreshMenu(app);
    layoutBoard(app);
    app.selectedX = -1;
    requestRepaint(app);

    Move move;
    if (findMoves(app.random, app.board, move) == 0) {
        showMessage(app, kMainWindow, "There is no variant of move on the game field. Game over.",
                    MessageIcon::Information);
        app.gameActive = 0;
        refreshMenu(app);
        return;
    }
    startAppearing(app.board);
}

}  // namespace

void newGame(AppState& app) { startGame(app, app.random); }

void dealByNumber(AppState& app, uint32_t number) {
    Random chosen;
    seedRandom(chosen, number);
    startGame(app, chosen);
}

void restartGame(AppState& app) {
    Move move;
    if (findMoves(app.random, app.board, move) == 0) {
        app.gameActive = 0;
        refreshMenu(app);
    } else if (!askYesNo(app, kMainWindow, "Restart current game. Are you sure?")) {
        return;
    }
    newGame(app);
}
