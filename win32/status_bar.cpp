#include "win32/status_bar.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "game/app_state.h"
#include "game/deal_number.h"
#include "game/play_clock.h"
#include "game/statistics_view.h"
#include "resources/resource.h"
#include "game/focus.h"
#include "rules/moves.h"
#include "rules/solver.h"
#include "view/metrics.h"
#include "win32/dpi.h"
#include "win32/platform_state.h"
#include "win32/solver_thread.h"

namespace {

enum Part { kTilesPart, kPairsPart, kTimePart, kVerdictPart, kDealPart, kFocusPart, kPartCount };

// A tile is in play from its deal until its pair starts to vanish.
bool inPlay(const Cell& cell) { return cell.number != 0 && cell.effect != EffectVanishing; }

void setPart(const AppState& app, int part, const char* text) {
    SendMessageA(app.platform->statusBar, SB_SETTEXTA, static_cast<WPARAM>(part),
                 reinterpret_cast<LPARAM>(text));
}

void showTime(const AppState& app) {
    const std::string text = "Time: " + playTimeText(secondsPlayed(app));
    setPart(app, kTimePart, app.editorMode == 0 ? text.c_str() : "");
}

// The deal's number, whenever it is not the one shown: a loaded game may
// bring the very tiles of the deal before it.
void showDealNumber(AppState& app) {
    PlatformState& p = *app.platform;
    const std::string text = dealNumberText(app);
    if (text == p.dealText) return;
    setPart(app, kDealPart, text.c_str());
    std::snprintf(p.dealText, sizeof p.dealText, "%s", text.c_str());
}

// After a win that set the best time, the last part says so; the solver has
// nothing to say on a cleared board.
void showNewBest(AppState& app) {
    PlatformState& p = *app.platform;
    p.statusNewBest = app.game.newBest != 0;
    const std::string text = "New best time: " + playTimeText(app.game.bestTime);
    setPart(app, kVerdictPart, p.statusNewBest ? text.c_str() : "");
}

// The focused tile in words, in the last part and as the board's accessible
// name: a screen reader hears the focus move and the name change.
void showFocusedTile(AppState& app) {
    PlatformState& p = *app.platform;
    const std::string text = focusedTileText(app);
    const bool moved = app.focused != 0 && (p.spokenFocus.x != app.focusX || p.spokenFocus.y != app.focusY ||
                                            p.spokenFocus.z != app.focusZ);
    if (text == p.spokenText && !moved) return;
    setPart(app, kFocusPart, text.c_str());
    std::snprintf(p.spokenText, sizeof p.spokenText, "%s", text.c_str());
    p.spokenFocus = Anchor{app.focusX, app.focusY, app.focusZ};
    if (moved) NotifyWinEvent(EVENT_OBJECT_FOCUS, p.mainWindow, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, p.mainWindow, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace

void createStatusBar(AppState& app) {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    PlatformState& p = *app.platform;
    p.statusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0,
                                  0, 0, p.mainWindow,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS_BAR)),
                                  p.instance, nullptr);
    fitStatusBarToDpi(app);
    p.clockTimerOn = false;
    clearBoard(p.statusTiles);
}

void fitStatusBarToDpi(AppState& app) {
    PlatformState& p = *app.platform;
    HFONT previous = p.statusFont;
    p.statusFont = createStatusFont(app.dpi);
    SendMessageA(p.statusBar, WM_SETFONT, reinterpret_cast<WPARAM>(p.statusFont), TRUE);
    if (previous != nullptr) DeleteObject(previous);
    // The parts' right edges at 96 DPI; the last reaches the bar's end.
    const int edges[kPartCount] = {90, 180, 290, 460, 580, -1};
    int rightEdges[kPartCount];
    for (int part = 0; part < kPartCount; ++part)
        rightEdges[part] = edges[part] < 0 ? -1 : devicePixels(edges[part], app.dpi);
    SendMessageA(p.statusBar, SB_SETPARTS, kPartCount, reinterpret_cast<LPARAM>(rightEdges));
    SendMessageA(p.statusBar, WM_SIZE, 0, 0);  // the bar's height follows its font
}

void releaseStatusFont(AppState& app) {
    PlatformState& p = *app.platform;
    if (p.statusFont != nullptr) DeleteObject(p.statusFont);
    p.statusFont = nullptr;
}

int statusBarHeight(const AppState& app) {
    HWND bar = app.platform->statusBar;
    if (bar == nullptr) return 0;
    RECT r;
    GetWindowRect(bar, &r);
    return r.bottom - r.top;
}

void resizeStatusBar(AppState& app) {
    if (app.platform->statusBar == nullptr) return;
    SendMessageA(app.platform->statusBar, WM_SIZE, 0, 0);
    syncClock(app);
}

void boardChanged(AppState& app) {
    PlatformState& p = *app.platform;
    if (p.statusBar == nullptr) return;
    for (int i = 0; i < kCells; ++i) {
        const Cell& cell = app.board.cells[i];
        p.statusTiles.cells[i] = inPlay(cell) ? Cell{cell.type, cell.number, 0, 0, 0} : Cell{};
    }
    const int tiles = countTiles(p.statusTiles);
    char text[32];
    std::snprintf(text, sizeof text, "Tiles: %d", tiles);
    setPart(app, kTilesPart, text);
    std::snprintf(text, sizeof text, "Pairs: %d", countMoves(p.statusTiles));
    setPart(app, kPairsPart, app.editorMode == 0 ? text : "");
    showTime(app);
    showNewBest(app);
    showDealNumber(app);
    // No search in the editor, nor on a board already cleared.
    p.solveGeneration = app.editorMode == 0 && tiles > 0 ? solveInBackground(app, p.statusTiles) : -1;
}

void syncStatus(AppState& app) {
    const PlatformState& p = *app.platform;
    if (p.statusBar == nullptr) return;
    // The win's message may have been open while the cleared board was counted.
    if (p.statusNewBest != (app.game.newBest != 0)) showNewBest(app);
    showFocusedTile(app);
    showDealNumber(app);
    for (int i = 0; i < kCells; ++i) {
        const Cell& cell = app.board.cells[i];
        const Cell& counted = p.statusTiles.cells[i];
        const bool same = inPlay(cell) ? cell.number == counted.number && cell.type == counted.type
                                       : counted.number == 0;
        if (!same) {
            boardChanged(app);
            return;
        }
    }
}

void syncClock(AppState& app) {
    PlatformState& p = *app.platform;
    if (p.statusBar == nullptr) return;
    syncPlayClock(app, !IsIconic(p.mainWindow));
    const bool needed = app.clock.running != 0;
    if (needed == p.clockTimerOn) return;
    if (needed)
        SetTimer(p.mainWindow, kClockTimer, millisecondsToNextSecond(app), nullptr);
    else
        KillTimer(p.mainWindow, kClockTimer);
    p.clockTimerOn = needed;
    showTime(app);
}

void clockTick(AppState& app) {
    showTime(app);
    // Due again when the next whole second has been played.
    if (app.platform->clockTimerOn)
        SetTimer(app.platform->mainWindow, kClockTimer, millisecondsToNextSecond(app), nullptr);
}

void showVerdict(AppState& app, WPARAM generation, LPARAM verdict) {
    if (static_cast<long>(generation) != app.platform->solveGeneration) return;  // a stale answer
    const char* text = "";
    if (static_cast<Verdict>(verdict) == Verdict::Winnable) text = "Can be won";
    if (static_cast<Verdict>(verdict) == Verdict::NotWinnable) text = "Cannot be won any more";
    setPart(app, kVerdictPart, text);
}
