// Every command and key against every effect under way: whatever is done
// while a pair vanishes, tiles flash, a deal appears or after the end, each
// effect ends and play goes on.
#include <gtest/gtest.h>

#include "fake_host.h"
#include "game/clicks.h"
#include "game/editor.h"
#include "game/hint.h"
#include "game/keyboard.h"
#include "game/pause.h"
#include "game/shuffle.h"
#include "game/tick.h"
#include "game/undo.h"
#include "resources/resource.h"
#include "rules/deal.h"
#include "rules/moves.h"

namespace {

// Pairs E and F loose; A1 lies on B2, A2 and B1 loose: A is the only pair
// among A and B until A1 has gone.
const Anchor kE1{0, 0, 0}, kE2{6, 0, 0}, kF1{12, 0, 0}, kF2{18, 0, 0};
const Anchor kA1{20, 10, 1}, kB2{20, 10, 0}, kA2{30, 10, 0}, kB1{40, 10, 0};

void tick(AppState& app, int count) {
    for (int i = 0; i < count; ++i) animationTick(app);
}

void take(AppState& app, const Anchor& a, const Anchor& b) {
    clickTile(app, a);
    clickTile(app, b);
    tick(app, 25);
}

void removeTile(AppState& app, const Anchor& a) { cellAt(app.board, a.z, a.y, a.x).number = 0; }

enum Start { Vanish, HintFlash, StopFlash, FreeTilesFlash, Appear, AppearAfterEnd, AppearHiddenPairTaken, Ended };
const char* const kStarts[] = {"vanish", "hint", "stop flash", "free tiles flash", "appear", "appear after an end",
                               "appear, hidden pair taken", "ended"};

// E and F taken and F put back (Undo and Redo both have a step), then the effect.
void startEffect(AppState& app, Start start) {
    const Anchor tiles[] = {kE1, kE2, kF1, kF2, kA1, kA2, kB1, kB2};
    const int faces[][2] = {{TypeDragons, 1}, {TypeDragons, 2}, {TypeCircles, 1}, {TypeCircles, 2}};
    for (int i = 0; i < 8; ++i) cellAt(app.board, tiles[i].z, tiles[i].y, tiles[i].x) = Cell{faces[i / 2][0], faces[i / 2][1]};
    app.gameActive = 1;
    take(app, kE1, kE2);
    take(app, kF1, kF2);
    undoStep(app);
    if (start >= Appear && start <= AppearHiddenPairTaken) {  // New game leaves gameActive as it was
        clearHistory(app.history);
        if (start == AppearAfterEnd) app.gameActive = 0, refreshMenu(app);
        startAppearing(app.board);
    }
    switch (start) {
    case Vanish: take(app, kF1, kF2); [[fallthrough]];  // a hint could show A alone
    case AppearHiddenPairTaken: clickTile(app, kA1); clickTile(app, kA2); break;  // A1 unseen there
    case HintFlash: showHint(app); break;
    case StopFlash: clickTile(app, kB1); clickTile(app, kA2); break;
    case FreeTilesFlash: clickTile(app, kB2); break;
    case Ended: removeTile(app, kA2), removeTile(app, kB1), take(app, kF1, kF2); break;  // A1 alone on B2
    default: break;
    }
}

enum Command { Nothing, HintCommand, UndoCommand, RedoCommand, ShuffleCommand, PauseCommand, SpaceKey, EnterKey, EditorKeys };
const char* const kCommands[] = {"nothing", "Hint", "Undo", "Redo", "Shuffle", "Pause", "Space", "Enter", "editor keys"};

void run(AppState& app, Command command) {
    app.focused = app.focusShown = 1;
    app.focusX = kA2.x, app.focusY = kA2.y, app.focusZ = kA2.z;
    switch (command) {
    case Nothing: break;
    case HintCommand: showHint(app); break;
    case UndoCommand: undoStep(app); break;
    case RedoCommand: redoStep(app); break;
    case ShuffleCommand: shuffleBoard(app); break;
    case PauseCommand: togglePause(app), tick(app, 100), togglePause(app); break;
    case SpaceKey: onBoardKey(app, kKeySpace, false); break;
    case EnterKey: onBoardKey(app, kKeyEnter, false); break;
    case EditorKeys: createPuzzle(app), onBoardKey(app, kKeySpace, false), onBoardKey(app, kKeyRight, false); break;
    }
}

TEST(Effects, EveryEffectEndsAndPlayGoesOnWhateverIsDone) {
    for (int s = Vanish; s <= Ended; ++s)
        for (int c = Nothing; c <= EditorKeys; ++c) {
            SCOPED_TRACE(std::string(kStarts[s]) + " + " + kCommands[c]);
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
            ASSERT_TRUE(app->gameActive == 1 || app->history.gameEnded != 0) << "play stopped, the game not over";
            EXPECT_EQ(fakeHost().menuEnabled(IDM_HINT), app->gameActive != 0);
            if (app->gameActive == 0) continue;
            clickToUnselect(*app);  // and one more pair can be taken
            Move move;
            ASSERT_NE(findMoves(app->random, app->board, move), 0);
            const int tiles = countTiles(app->board);
            take(*app, move.first, move.second);
            EXPECT_EQ(countTiles(app->board), tiles - 2);
        }
}

}  // namespace
