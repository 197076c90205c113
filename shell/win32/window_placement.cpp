#include "shell/win32/window_placement.h"

#include <windows.h>

#include <string>

#include "shell/app_state.h"
#include "shell/settings.h"
#include "shell/win32/platform_state.h"

namespace {

Rect windowRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return Rect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

void loadSettingsAndPlaceWindow(AppState& app) {
    Rect saved{};
    readSettings(app, settingsPath(app).c_str(), saved);

    const Rect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    HWND taskbarWindow = FindWindowA("Shell_TrayWnd", nullptr);
    const Rect taskbar = taskbarWindow != nullptr ? windowRect(taskbarWindow) : Rect{};
    const Rect placed = chooseWindowRect(saved, screen, windowRect(GetDesktopWindow()),
                                         taskbarWindow != nullptr ? &taskbar : nullptr);

    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    placement.flags = WPF_SETMINPOSITION;
    placement.showCmd = 0;  // still hidden: the entry point shows the window
    placement.rcNormalPosition = RECT{placed.left, placed.top, placed.right, placed.bottom};
    SetWindowPlacement(app.platform->mainWindow, &placement);
}

void saveSettings(AppState& app) {
    const std::string name = std::string(app.programName) + ".ini";
    writeSettings(app, name.c_str(), windowRect(app.platform->mainWindow));
}
