#include "win32/lifecycle.h"

#include "game/app_state.h"
#include "game/host.h"
#include "game/new_game.h"
#include "game/records.h"
#include "rules/random.h"
#include "rules/tile_set.h"
#include "view/tile_plan.h"
#include "win32/animation_timer.h"
#include "win32/background.h"
#include "win32/commands.h"
#include "win32/dpi.h"
#include "win32/platform_state.h"
#include "win32/solver_thread.h"
#include "win32/status_bar.h"
#include "win32/surfaces.h"
#include "win32/window_placement.h"

namespace {

// Asked, not probed: SwapMouseButton would report it only by changing the
// system-wide setting for a moment.
int detectSwappedButtons() { return GetSystemMetrics(SM_SWAPBUTTON) != 0 ? 1 : 0; }

// A high-contrast theme makes Large print the tile set of a settings file
// that names none.
int detectHighContrast() {
    HIGHCONTRASTA contrast{sizeof contrast, 0, nullptr};
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                   (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0
               ? 1
               : 0;
}

}  // namespace

void onCreate(AppState& app, HWND window) {
    app.platform->mainWindow = window;
    app.dpi = windowDpi(window);  // before anything is measured
    app.highContrast = detectHighContrast();
    Rect saved{};
    loadSettings(app, saved);
    app.buttonsSwapped = detectSwappedButtons();
    seedRandom(app.random, GetTickCount());
    createStatusBar(app);  // before the first layout: the board lies above it
    startSolver(app);
    createSurfaces(app);
    rebuildBackground(app);
    storeTileSet(app.tileSet);
    storeFaceTable(app.faceTable);
    newGame(app);
    placeWindow(app, saved);  // no smaller than the board of the dealt puzzle allows
    RECT client{};
    GetClientRect(window, &client);
    fitBackBuffer(app, client.right, client.bottom);  // made to the placed window's size
    loadTileSheet(app);  // stretched once, at the scale the placed board takes
    syncAnimationTimer(app);
    boardChanged(app);
    syncClock(app);
    showOptions(app);
    refreshMenu(app);
}

void onEndSession(AppState& app) {
    giveUpGame(app);
    saveSettings(app);
}

void onDestroy(AppState& app) {
    stopSolver(app);
    giveUpGame(app);
    saveSettings(app);
    releaseSurfaces(app);
    releaseStatusFont(app);
    PostQuitMessage(0);
}
