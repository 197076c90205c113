// The services the game asks of the platform, for the real window.
#include "win32/host_services.h"

#include "game/app_state.h"
#include "game/host.h"
#include "win32/platform_state.h"

void applyMenuStates(HMENU menu, const MenuItemState (&items)[kMenuStateItems]) {
    for (const MenuItemState& item : items) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE;
        info.fState = (item.enabled ? MFS_ENABLED : MFS_GRAYED) | (item.checked ? MFS_CHECKED : 0);
        SetMenuItemInfoA(menu, static_cast<UINT>(item.id), FALSE, &info);
    }
}

void refreshMenu(AppState& app) {
    MenuItemState items[kMenuStateItems];
    computeMenuStates(app, items);
    applyMenuStates(GetMenu(app.platform->mainWindow), items);
}

void requestRepaint(AppState& app) { InvalidateRect(app.platform->mainWindow, nullptr, FALSE); }

void showMessage(AppState& app, Owner owner, const char* text, MessageIcon icon) {
    const UINT icons[] = {0, MB_ICONINFORMATION, MB_ICONERROR};
    HWND window = owner != kMainWindow ? static_cast<HWND>(owner) : app.platform->mainWindow;
    MessageBoxA(window, text, app.programName, MB_OK | icons[static_cast<int>(icon)]);
}

bool askYesNo(AppState& app, Owner owner, const char* text) {
    HWND window = owner != kMainWindow ? static_cast<HWND>(owner) : app.platform->mainWindow;
    return MessageBoxA(window, text, app.programName, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) ==
           IDYES;
}

int64_t monotonicMilliseconds() { return static_cast<int64_t>(GetTickCount64()); }

// The board's part of the client area: all of it above the status bar.
void clientSize(AppState& app, int& width, int& height) {
    RECT client{};
    GetClientRect(app.platform->mainWindow, &client);
    RECT bar{};
    if (app.platform->statusBar != nullptr) GetWindowRect(app.platform->statusBar, &bar);
    width = client.right;
    height = client.bottom - (bar.bottom - bar.top);
    if (height < 0) height = 0;
}
