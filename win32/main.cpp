// The entry point: the class, the main window and the message loop.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "game/app_state.h"
#include "resources/resource.h"
#include "win32/main_window.h"
#include "win32/platform_state.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    // The one instance of all state, zero at start; too large for the stack.
    static AppState app;
    static PlatformState platform;
    app.platform = &platform;
    app.selectedX = -1;

    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // COM carries the board's accessible object to screen readers.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    char className[100];
    LoadStringA(instance, IDS_APP_TITLE, app.programName, kTextSize);
    LoadStringA(instance, IDS_CLASS_NAME, className, sizeof className);
    platform.instance = instance;
    setIllegalChars(app.filePath);
    registerMainWindowClass(app, className);

    HWND window = createMainWindow(app, className);
    if (window == nullptr) return 0;
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDC_KELVARIN));
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(message.hwnd, accelerators, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    CoUninitialize();
    return static_cast<int>(message.wParam);
}
