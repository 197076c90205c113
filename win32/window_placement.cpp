#include "win32/window_placement.h"

#include <windows.h>

#include <string>

#include "game/app_state.h"
#include "game/settings.h"
#include "win32/platform_state.h"

namespace {

Rect toRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

Rect windowRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return toRect(r);
}

// The smallest size the window may be dragged to: the system's default as
// the window's own WM_GETMINMAXINFO handler changes it.
POINT minimumTrackSize(HWND window) {
    MINMAXINFO limits{};
    limits.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    return limits.ptMinTrackSize;
}

}  // namespace

void loadSettings(AppState& app, Rect& saved) { readSettings(app, settingsPath(app).c_str(), saved); }

void placeWindow(AppState& app, const Rect& saved) {
    const Rect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    HWND taskbarWindow = FindWindowA("Shell_TrayWnd", nullptr);
    const Rect taskbar = taskbarWindow != nullptr ? windowRect(taskbarWindow) : Rect{};
    const Rect placed = chooseWindowRect(saved, screen, windowRect(GetDesktopWindow()),
                                         taskbarWindow != nullptr ? &taskbar : nullptr);

    HWND window = app.platform->mainWindow;
    RECT workArea;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    const POINT minimum = minimumTrackSize(window);
    const Rect normal = normalPosition(placed, screen, toRect(workArea), minimum.x, minimum.y);

    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    placement.flags = WPF_SETMINPOSITION;
    placement.showCmd = 0;  // still hidden: the entry point shows the window
    placement.rcNormalPosition = RECT{normal.left, normal.top, normal.right, normal.bottom};
    SetWindowPlacement(window, &placement);
}

void saveSettings(AppState& app) {
    const std::string name = std::string(app.programName) + ".ini";
    writeSettings(app, name.c_str(), windowRect(app.platform->mainWindow));
}
