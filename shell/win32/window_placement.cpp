#include "shell/win32/window_placement.h"

#include <windows.h>

#include "shell/app_state.h"
#include "shell/settings.h"
#include "shell/win32/platform_state.h"

namespace {

// The desktop less the taskbar, when a taskbar spans a whole side of it.
RECT workArea() {
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (taskbar == nullptr) return desktop;
    RECT bar, rest;
    GetWindowRect(taskbar, &bar);
    return SubtractRect(&rest, &desktop, &bar) ? rest : desktop;
}

}  // namespace

void loadSettingsAndPlaceWindow(AppState& app) {
    WindowRect saved{};
    readSettings(app, saved);
    const RECT area = workArea();
    const WindowRect placed =
        placeWindow(saved, WindowRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                    WindowRect{area.left, area.top, area.right, area.bottom});

    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    placement.flags = WPF_SETMINPOSITION;
    placement.showCmd = 0;  // still hidden: the entry point shows the window
    placement.rcNormalPosition = RECT{placed.left, placed.top, placed.right, placed.bottom};
    SetWindowPlacement(app.platform->mainWindow, &placement);
}

void saveSettings(AppState& app) {
    RECT window;
    GetWindowRect(app.platform->mainWindow, &window);
    writeSettings(app, WindowRect{window.left, window.top, window.right, window.bottom});
}
