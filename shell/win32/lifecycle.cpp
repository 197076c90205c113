#include "shell/win32/lifecycle.h"

#include "engine/host.h"
#include "engine/new_game.h"
#include "engine/random.h"
#include "engine/tile_set.h"
#include "render/win32/background.h"
#include "render/win32/surfaces.h"
#include "shell/app_state.h"
#include "shell/win32/animation_timer.h"
#include "shell/win32/platform_state.h"
#include "shell/win32/window_placement.h"

namespace {

// SwapMouseButton reports the old setting only by changing it: put it back.
int detectSwappedButtons() {
    if (!SwapMouseButton(FALSE)) return 0;
    SwapMouseButton(TRUE);
    return 1;
}

}  // namespace

void onCreate(AppState& app, HWND window) {
    app.platform->mainWindow = window;
    loadSettingsAndPlaceWindow(app);
    app.buttonsSwapped = detectSwappedButtons();
    seedRandom(app, GetTickCount());
    createSurfaces(app);
    recreateBackBuffer(app);
    rebuildBackground(app);
    storeTileTables(app);
    newGame(app);
    rescaleSheet(app);  // once, at the scale the first layout chose
    syncAnimationTimer(app);
    refreshMenu(app);
}

void onDestroy(AppState& app) {
    saveSettings(app);
    releaseSurfaces(app);
    PostQuitMessage(0);
}
