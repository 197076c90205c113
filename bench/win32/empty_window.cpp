// The floor of the launch benchmark: the least a Win32 program does to open a
// window and paint it once. "empty_window hidden" opens none and runs until it
// is killed, holding Wine's desktop process open between the measured runs.
#include <windows.h>

#include <cstring>

namespace {

// The colour and place bench/launch gives the game too.
constexpr COLORREF kColour = 0x00A06030;
constexpr int kLeft = 100, kTop = 100, kWidth = 896, kHeight = 717;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = CreateSolidBrush(kColour);
    windowClass.lpszClassName = "EMPTY_WINDOW";
    RegisterClassA(&windowClass);
    // Hidden, it still answers the messages Wine sends to every program.
    if (std::strcmp(commandLine, "hidden") != 0) {
        HWND window = CreateWindowA("EMPTY_WINDOW", "Empty", WS_OVERLAPPEDWINDOW, kLeft, kTop,
                                    kWidth, kHeight, nullptr, nullptr, instance, nullptr);
        ShowWindow(window, showCommand);
        UpdateWindow(window);
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
