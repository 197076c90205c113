// Every command and key against every effect under way: whatever the player
// does while a pair vanishes, tiles flash, a deal appears or the game has
// ended, each effect ends and play goes on.
#include <gtest/gtest.h>

#include "fake_host.h"
#include "game/clicks.h"
#include "game/editor.h"
#include "game/hint.h"
#include "game/history.h"
#include "game/keyboard.h"
#include "game/pause.h"
#include "game/shuffle.h"
#include "game/tick.h"
#include "game/undo.h"
#include "resources/resource.h"
#include "rules/deal.h"
#include "rules/moves.h"
#include "test_boards.h"

namespace {

// Two loose pairs E and F in row 0; in row 10 the pair A, whose A1 lies on
// B2, then A2 and B1: while A1 is there, A is the only pair to take.
const Anchor kE1{0, 0, 0}, kE2{6, 0, 0}, kF1{12, 0, 0}, kF2{18, 0, 0};
const Anchor kA1{20, 10, 1}, kB2{20, 10, 0}, kA2{30, 10, 0}, kB1{40, 10, 0};

void put(AppState& app, const Anchor& at, int type, int number) { place(app.board, at.z, at.y, at.x, type, number); }

void tick(AppState& app, int count) {
    for (int i = 0; i < count; ++i) animationTick(app);
}

void take(AppState& app, const Anchor& a, const Anchor& b) {
    clickTile(app, a);
    clickTile(app, b);
    tick(app, 25);
}

// E and F taken, F put back: Undo and Redo both have a step to take.
void playedBoard(AppState& app) {
    put(app, kE1, TypeDragons, 1);
    put(app, kE2, TypeDragons, 1);
    put(app, kF1, TypeDragons, 2);
    put(app, kF2, TypeDragons, 2);
    put(app, kA1, TypeCircles, 1);
    put(app, kA2, TypeCircles, 1);
    put(app, kB1, TypeCircles, 2);
    put(app, kB2, TypeCircles, 2);
    app.gameActive = 1;
    take(app, kE1, kE2);
    take(app, kF1, kF2);
    undoStep(app);
}

enum Start { Vanish, HintFlash, StopFlash, FreeTilesFlash, Appear, AppearAfterEnd, AppearHiddenPairTaken, Ended };

void startEffect(AppState& app, Start start) {
    playedBoard(app);
    switch (start) {
    case Vanish:  // F taken first: A is the only pair a hint could show
        take(app, kF1, kF2);
        clickTile(app, kA1);
        clickTile(app, kA2);
        break;
    case HintFlash: showHint(app); break;
    case StopFlash: clickTile(app, kB1); clickTile(app, kA2); break;
    case FreeTilesFlash: clickTile(app, kB2); break;
    case Appear:  // New game over a game in play leaves play enabled
        clearHistory(app.history);
        startAppearing(app.board);
        break;
    case AppearAfterEnd:
        clearHistory(app.history);
        app.gameActive = 0;
        refreshMenu(app);
        startAppearing(app.board);
        break;
    case AppearHiddenPairTaken:  // A1 waits on layer 1, unseen
        clearHistory(app.history);
        startAppearing(app.board);
        clickTile(app, kA1);
        clickTile(app, kA2);
        break;
    case Ended:  // A2 and B1 gone, F taken: A1 lies alone on B2
        cellAt(app.board, kA2.z, kA2.y, kA2.x).number = 0;
        cellAt(app.board, kB1.z, kB1.y, kB1.x).number = 0;
        take(app, kF1, kF2);
        break;
    }
}

enum Command { Nothing, HintCommand, UndoCommand, RedoCommand, ShuffleCommand, PauseCommand, SpaceKey, EnterKey, EditorKeys };

void run(AppState& app, Command command) {
    app.focused = app.focusShown = 1;  // on A2
    app.focusX = kA2.x, app.focusY = kA2.y, app.focusZ = kA2.z;
    switch (command) {
    case Nothing: break;
    case HintCommand: showHint(app); break;
    case UndoCommand: undoStep(app); break;
    case RedoCommand: redoStep(app); break;
    case ShuffleCommand: shuffleBoard(app); break;
    case PauseCommand:
        togglePause(app);
        tick(app, 100);  // everything waits
        togglePause(app);
        break;
    case SpaceKey: onBoardKey(app, kKeySpace, false); break;
    case EnterKey: onBoardKey(app, kKeyEnter, false); break;
    case EditorKeys:
        createPuzzle(app);
        onBoardKey(app, kKeySpace, false);
        onBoardKey(app, kKeyRight, false);
        break;
    }
}

TEST(Effects, EveryEffectEndsAndPlayGoesOnWhateverIsDone) {
    const char* const starts[] = {"vanish", "hint flash", "stop flash", "free tiles flash",
                                  "appear", "appear after an end", "appear, hidden pair taken", "ended"};
    const char* const commands[] = {"nothing", "Hint", "Undo", "Redo", "Shuffle", "Pause", "Space", "Enter", "editor keys"};
    for (int s = Vanish; s <= Ended; ++s)
        for (int c = Nothing; c <= EditorKeys; ++c) {
            SCOPED_TRACE(std::string(starts[s]) + " + " + commands[c]);
            auto app = newTestState();
            startEffect(*app, static_cast<Start>(s));
            // The menu follows play at once: a key cannot reach a grayed Hint.
            EXPECT_EQ(fakeHost().menuEnabled(IDM_HINT), app->gameActive != 0);
            tick(*app, 3);
            run(*app, static_cast<Command>(c));
            tick(*app, 200);
            EXPECT_FALSE(effectsRunning(app->board));
            EXPECT_EQ(countTiles(app->board) % 2, 0) << "a pair leaves the board whole";
            if (app->editorMode == 1) continue;
            const bool ended = app->history.gameEnded != 0;
            ASSERT_TRUE(app->gameActive == 1 || ended) << "play stopped with the game not over";
            EXPECT_EQ(fakeHost().menuEnabled(IDM_HINT), app->gameActive != 0);
            if (ended) continue;
            // One more pair can still be taken.
            clickToUnselect(*app);
            Move move;
            ASSERT_NE(findMoves(app->random, app->board, move), 0);
            const int tiles = countTiles(app->board);
            take(*app, move.first, move.second);
            EXPECT_EQ(countTiles(app->board), tiles - 2);
        }
}

}  // namespace
