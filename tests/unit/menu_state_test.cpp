#include <gtest/gtest.h>

#include <cstring>

#include "fake_host.h"
#include "game/history.h"
#include "game/menu_state.h"
#include "game/undo.h"
#include "resources/resource.h"

namespace {

std::vector<std::pair<int, bool>> states(const AppState& app) {
    MenuItemState items[kMenuStateItems];
    computeMenuStates(app, items);
    std::vector<std::pair<int, bool>> out;
    for (const MenuItemState& item : items) out.emplace_back(item.id, item.enabled);
    return out;
}

TEST(MenuState, EditorModeByLayer) {
    auto app = newTestState();
    app->editorMode = 1;
    app->canSaveGame = 1;
    app->gameActive = 1;
    app->history.count = 2;  // steps in both directions: the editor takes neither
    app->history.cursor = 1;
    std::strcpy(app->lastGame, "classic.kvl");
    struct Case { int layer; bool down, up; };
    const Case cases[] = {{0, false, true}, {2, true, true}, {4, true, false}};
    for (const Case& c : cases) {
        app->editorLayer = c.layer;
        const std::vector<std::pair<int, bool>> expected = {
            {IDM_SAVE_PUZZLE, true}, {IDM_SAVE_GAME, false}, {IDM_HINT, false},
            {IDM_RESTART_GAME, false}, {IDM_LAYER_DOWN, c.down}, {IDM_LAYER_UP, c.up},
            {IDM_UNDO, false},         {IDM_REDO, false},      {IDM_SHUFFLE, false},
            {IDM_PAUSE, false},        {IDM_SELECT_DEAL, false}};
        EXPECT_EQ(states(*app), expected) << "layer " << c.layer;
    }
    // Nor do the commands, which a shortcut reaches without the menu.
    EXPECT_FALSE(canUndo(*app));
    EXPECT_FALSE(canRedo(*app));
}

// Undo and Redo need a step on their side of the cursor, and play on or a
// game ended by its last pair: a vanishing pair (play off, not ended) stops them.
TEST(MenuState, GameModeByFlags) {
    struct Case {
        int canSave, active;
        const char* lastGame;
        int cursor, count, ended;
        bool undo, redo;
    };
    const Case cases[] = {
        {0, 0, "", 0, 0, 0, false, false},          {1, 0, "classic.kvl", 0, 0, 0, false, false},
        {0, 1, "a", 0, 0, 0, false, false},         {1, 1, "", 0, 0, 0, false, false},
        {1, 1, "a", 1, 1, 0, true, false},          {1, 1, "a", 0, 3, 0, false, true},
        {1, 0, "a", 2, 3, 0, false, false},         {0, 0, "a", 72, 72, 1, true, false}};
    for (const Case& c : cases) {
        auto app = newTestState();
        app->editorLayer = 2;
        app->canSaveGame = c.canSave;
        app->gameActive = c.active;
        std::strcpy(app->lastGame, c.lastGame);
        app->history.cursor = c.cursor;
        app->history.count = c.count;
        app->history.gameEnded = c.ended;
        const std::vector<std::pair<int, bool>> expected = {
            {IDM_SAVE_PUZZLE, false}, {IDM_LAYER_UP, false}, {IDM_LAYER_DOWN, false},
            {IDM_SAVE_GAME, c.canSave != 0}, {IDM_HINT, c.active != 0},
            {IDM_RESTART_GAME, c.lastGame[0] != '\0'}, {IDM_UNDO, c.undo}, {IDM_REDO, c.redo},
            {IDM_SHUFFLE, false},  // nothing to shuffle on an empty board
            {IDM_PAUSE, c.active != 0}, {IDM_SELECT_DEAL, c.lastGame[0] != '\0'}};
        EXPECT_EQ(states(*app), expected)
            << c.canSave << c.active << c.lastGame << " steps " << c.cursor << "/" << c.count;
    }
}

// Shuffle needs two tiles and no effect running; over or not, the game may
// go on.
TEST(MenuState, ShuffleByTilesAndEffects) {
    struct Case {
        int tiles, effect, active, editor;
        bool shuffle;
    } cases[] = {{2, EffectNone, 1, 0, true},      {2, EffectNone, 0, 0, true},
                 {1, EffectNone, 1, 0, false},     {3, EffectBlankFlash, 1, 0, false},
                 {3, EffectVanishing, 0, 0, false}, {4, EffectNone, 1, 1, false}};
    for (const Case& c : cases) {
        auto app = newTestState();
        app->gameActive = c.active;
        app->editorMode = c.editor;
        for (int i = 0; i < c.tiles; ++i) cellAt(app->board, 0, 0, 2 * i) = Cell{TypeWinds, 1};
        cellAt(app->board, 0, 0, 0).effect = c.effect;
        EXPECT_EQ(states(*app)[8], std::make_pair(IDM_SHUFFLE, c.shuffle))
            << c.tiles << " tiles, effect " << c.effect << ", editor " << c.editor;
    }
}

// While paused nothing on the board may change: Hint, Undo, Redo and Shuffle
// wait and Pause shows checked. Pause is offered while a game is in play, a
// pair vanishing or the deal appearing included, and not once it has ended.
TEST(MenuState, PauseHoldsTheHelpers) {
    struct Case {
        const char* what;
        int paused, effect, active;
        bool hint, steps, shuffle, pause;  // steps: Undo and Redo
    } const cases[] = {
        {"playing", 0, EffectNone, 1, true, true, true, true},
        {"paused", 1, EffectNone, 1, false, false, false, true},
        {"a pair vanishing", 0, EffectVanishing, 0, false, false, false, true},
        {"paused while a pair vanishes", 1, EffectVanishing, 0, false, false, false, true},
        {"the deal appearing", 0, EffectAppearing, 1, true, true, false, true},
        {"ended", 0, EffectNone, 0, false, true, true, false},
    };
    for (const Case& c : cases) {
        auto app = newTestState();
        for (int i = 0; i < 3; ++i) cellAt(app->board, 0, 0, 2 * i) = Cell{TypeWinds, 1, c.effect};
        app->gameActive = c.active;
        app->paused = c.paused;
        app->history.gameEnded = c.active == 0 && c.effect == EffectNone;
        app->history.cursor = 1;
        app->history.count = 2;
        const std::vector<std::pair<int, bool>> all = states(*app);
        const std::vector<std::pair<int, bool>> expected = {{IDM_HINT, c.hint},       {IDM_UNDO, c.steps},
                                                            {IDM_REDO, c.steps},      {IDM_SHUFFLE, c.shuffle},
                                                            {IDM_PAUSE, c.pause}};
        EXPECT_EQ((std::vector<std::pair<int, bool>>{all[4], all[6], all[7], all[8], all[9]}), expected) << c.what;
        MenuItemState items[kMenuStateItems];
        computeMenuStates(*app, items);
        EXPECT_EQ(items[9].checked, c.paused != 0) << c.what;
    }
}

}  // namespace
