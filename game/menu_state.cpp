#include "game/menu_state.h"

#include "game/app_state.h"
#include "game/history.h"
#include "game/pause.h"
#include "game/shuffle.h"
#include "game/undo.h"
#include "resources/resource.h"

void computeMenuStates(const AppState& app, MenuItemState (&items)[kMenuStateItems]) {
    if (app.editorMode == 1) {
        items[0] = {IDM_SAVE_PUZZLE, true};
        items[1] = {IDM_SAVE_GAME, false};
        items[2] = {IDM_HINT, false};
        items[3] = {IDM_RESTART_GAME, false};
        items[4] = {IDM_LAYER_DOWN, app.editorLayer != 0};
        items[5] = {IDM_LAYER_UP, app.editorLayer + 1 < 5};
        items[6] = {IDM_UNDO, false};
        items[7] = {IDM_REDO, false};
        items[8] = {IDM_SHUFFLE, false};
        items[9] = {IDM_PAUSE, false};
        items[10] = {IDM_SELECT_DEAL, false};
    } else {
        items[0] = {IDM_SAVE_PUZZLE, false};
        items[1] = {IDM_LAYER_UP, false};
        items[2] = {IDM_LAYER_DOWN, false};
        items[3] = {IDM_SAVE_GAME, app.canSaveGame != 0};
        items[4] = {IDM_HINT, app.gameActive != 0 && app.paused == 0};
        items[5] = {IDM_RESTART_GAME, app.lastGame[0] != '\0'};
        items[6] = {IDM_UNDO, canUndo(app)};
        items[7] = {IDM_REDO, canRedo(app)};
        items[8] = {IDM_SHUFFLE, canShuffle(app)};
        items[9] = {IDM_PAUSE, gameInPlay(app), app.paused != 0};
        items[10] = {IDM_SELECT_DEAL, app.lastGame[0] != '\0'};
    }
}
