// Starts a program and reports when its window first shows on the screen:
//   first_paint PROGRAM COLOUR
// waits until point (8, 8) of the program's client area shows COLOUR
// (0xBBGGRR) as the screen is read, then prints the milliseconds since the
// start and the program's process id, and leaves the program running.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kTimeoutMilliseconds = 10000;

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM param) {
    Search& search = *reinterpret_cast<Search*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search.process || !IsWindowVisible(window)) return TRUE;
    search.found = window;
    return FALSE;
}

double millisecondsSince(LARGE_INTEGER start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: first_paint PROGRAM COLOUR\n");
        return 2;
    }
    const COLORREF colour = std::strtoul(argv[2], nullptr, 0);
    HDC screen = GetDC(nullptr);

    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(argv[1], nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fprintf(stderr, "first_paint: cannot start %s\n", argv[1]);
        return 1;
    }
    while (millisecondsSince(start) < kTimeoutMilliseconds) {
        Search search{process.dwProcessId, nullptr};
        EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
        POINT probe{8, 8};
        if (search.found != nullptr && ClientToScreen(search.found, &probe) &&
            GetPixel(screen, probe.x, probe.y) == colour) {
            std::printf("%.1f %lu\n", millisecondsSince(start), process.dwProcessId);
            return 0;
        }
        Sleep(1);
    }
    std::fprintf(stderr, "first_paint: no paint within %d ms\n", kTimeoutMilliseconds);
    return 1;
}
