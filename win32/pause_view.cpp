#include "win32/pause_view.h"

#include "game/app_state.h"
#include "game/pause.h"
#include "view/metrics.h"

namespace {

// The keys that only change what other keys mean.
bool modifierOrLock(WPARAM key) {
    switch (key) {
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU:
    case VK_LWIN:
    case VK_RWIN:
    case VK_CAPITAL:
    case VK_NUMLOCK:
    case VK_SCROLL:
        return true;
    }
    return false;
}

}  // namespace

void drawPaused(const AppState& app, HDC dc, const RECT& area) {
    HFONT font = CreateFontA(-devicePixels(48, app.dpi), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, "Tahoma");
    HGDIOBJ previous = SelectObject(dc, font);
    SetTextColor(dc, app.view.colorInk);
    SetBkMode(dc, TRANSPARENT);
    RECT box = area;
    DrawTextA(dc, "Paused", -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    DeleteObject(font);
}

bool resumeOnKey(AppState& app, WPARAM key) {
    if (app.paused == 0 || modifierOrLock(key)) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    return resumeGame(app);
}
