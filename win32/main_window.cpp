#include "win32/main_window.h"

#include "game/app_state.h"
#include "game/clicks.h"
#include "game/geometry.h"
#include "game/host.h"
#include "game/keyboard.h"
#include "game/tick.h"
#include "resources/resource.h"
#include "win32/animation_timer.h"
#include "win32/board_accessible.h"
#include "win32/commands.h"
#include "win32/dpi.h"
#include "win32/lifecycle.h"
#include "win32/paint_board.h"
#include "win32/pause_view.h"
#include "win32/platform_state.h"
#include "win32/solver_thread.h"
#include "win32/status_bar.h"
#include "win32/surfaces.h"

namespace {

void onSize(AppState& app, LPARAM lParam) {
    resizeStatusBar(app);
    fitBackBuffer(app, LOWORD(lParam), HIWORD(lParam));
    layoutBoard(app);
}

// After anything that may start or end an effect, change the board or end
// the game: the timers and the status bar follow.
void afterEvent(AppState& app) {
    syncAnimationTimer(app);
    syncStatus(app);
    syncClock(app);
}

void onPaint(AppState& app, HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    paintBoard(app, dc);
    EndPaint(window, &paint);
}

// The window may shrink until the board and the status bar below it fit:
// the board at 50 % with auto scale, at the current scale without; never
// beyond the screen.
void setTrackLimits(const AppState& app, MINMAXINFO& limits) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const PixelSize client = minimumClientSize(app, screenWidth, screenHeight);
    const RECT frame = windowRectForClient(client.width, client.height + statusBarHeight(app), app.dpi);
    limits.ptMinTrackSize = POINT{frame.right - frame.left, frame.bottom - frame.top};
    limits.ptMaxTrackSize = POINT{screenWidth, screenHeight};
}

// The window has moved to a screen of another density, or the density has
// changed: the tiles, the shade and ink, the status bar and the previews are
// made anew for it, and the window takes the rectangle Windows suggests,
// whose WM_SIZE lays the board out again.
void onDpiChanged(AppState& app, HWND window, WPARAM wParam, const RECT& suggested) {
    changeDpi(app, HIWORD(wParam));
    fitFaceSurfaces(app);
    fitStatusBarToDpi(app);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void onTimer(AppState& app, WPARAM timer) {
    if (timer == kClockTimer) {
        clockTick(app);
        return;
    }
    if (timer != kAnimationTimer) return;
    animationTick(app);
    afterEvent(app);
}

void onButtonDown(AppState& app, UINT message, LPARAM lParam) {
    onBoardClick(app, static_cast<int>(message), LOWORD(lParam), HIWORD(lParam));
    afterEvent(app);  // a match or a flash has begun
}

// The board's keys; with Ctrl or Alt held a key is a shortcut, never the
// board's (Ctrl+Up and Ctrl+Down stay the editor's layer keys).
bool onKeyDown(AppState& app, WPARAM key) {
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    if (!onBoardKey(app, static_cast<int>(key), GetKeyState(VK_SHIFT) < 0)) return false;
    afterEvent(app);
    return true;
}

}  // namespace

AppState* appOf(HWND window) {
    return reinterpret_cast<AppState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

bool registerMainWindowClass(const AppState& app, const char* className) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = app.platform->instance;
    windowClass.hIcon = LoadIconA(app.platform->instance, MAKEINTRESOURCEA(IDI_KELVARIN));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = nullptr;  // every paint covers the whole client area
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDC_KELVARIN);
    windowClass.lpszClassName = className;
    windowClass.hIconSm = LoadIconA(app.platform->instance, MAKEINTRESOURCEA(IDI_SMALL));
    return RegisterClassExA(&windowClass) != 0;
}

HWND createMainWindow(AppState& app, const char* className) {
    // The board's paint leaves the status bar alone, and the bar's own paint
    // is not redone with every frame of the board.
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    return CreateWindowExA(0, className, app.programName, style, CW_USEDEFAULT, 0, CW_USEDEFAULT, 0,
                           nullptr, nullptr, app.platform->instance, &app);
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    AppState* app = appOf(window);
    if (app == nullptr) return DefWindowProcA(window, message, wParam, lParam);

    switch (message) {
    case WM_CREATE:
        onCreate(*app, window);
        return 0;
    case WM_DESTROY:
        onDestroy(*app);
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam) onEndSession(*app);
        return 0;
    case WM_SIZE:
        onSize(*app, lParam);
        return 0;
    case WM_PAINT:
        onPaint(*app, window);
        return 0;
    case WM_GETMINMAXINFO:
        setTrackLimits(*app, *reinterpret_cast<MINMAXINFO*>(lParam));
        return 1;
    case WM_DPICHANGED:
        onDpiChanged(*app, window, wParam, *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_DISPLAYCHANGE:
        recreateBackBuffer(*app);
        return 0;
    case WM_COMMAND:
        if (!runCommand(*app, LOWORD(wParam))) break;
        if (LOWORD(wParam) != IDM_EXIT) afterEvent(*app);  // a deal, a hint, a load
        return 0;
    case kSolvedMessage:
        showVerdict(*app, wParam, lParam);
        takeWinningStart(*app, wParam, lParam);
        return 0;
    case WM_TIMER:
        onTimer(*app, wParam);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        onButtonDown(*app, message, lParam);
        return 0;
    case WM_KEYDOWN:
        if (resumeOnKey(*app, wParam)) {  // a key that ends a pause does nothing else
            afterEvent(*app);
            return 0;
        }
        if (!onKeyDown(*app, wParam)) break;
        return 0;
    case WM_GETOBJECT:
        if (const LRESULT answer = answerGetObject(window, wParam, lParam)) return answer;
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
