// Times the real main window under Wine: from creating the window to the end
// of its first paint, then whole paints of the dealt board. Run it from the
// player's folder (it reads Puzzle\ and Background\ there):
//   cd build/mingw/package && wine64 ../bench/win32/paint_bench.exe
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "files/profile.h"
#include "files/whole_file.h"
#include "game/app_state.h"
#include "game/geometry.h"
#include "game/host.h"
#include "win32/main_window.h"
#include "resources/resource.h"
#include "win32/platform_state.h"
#include "win32/sheet_art.h"
#include "win32/surfaces.h"
#include "win32/view_dialog.h"

namespace {

double elapsedMs(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

LARGE_INTEGER now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t;
}

// Lets the timer run until the layers have appeared.
void pumpFor(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    MSG message;
    while (GetTickCount() < end) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(5);
    }
}

// Milliseconds since this process was created, as the system counts them.
double msSinceProcessStart() {
    FILETIME created, exited, kernel, user, current;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&current);
    const auto ticks = [](FILETIME t) {
        return static_cast<double>(static_cast<unsigned long long>(t.dwHighDateTime) << 32 | t.dwLowDateTime);
    };
    return (ticks(current) - ticks(created)) / 10000.0;  // 100 ns units
}

double paintsMs(HWND window, int paints) {
    const LARGE_INTEGER start = now();
    for (int i = 0; i < paints; ++i) {
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    }
    return elapsedMs(start, now()) / paints;
}

// The window writes its settings when it closes; the benchmark puts back
// the player's file (or its absence) afterwards.
struct SavedFile {
    bool existed;
    std::string text;
};

SavedFile keepFile(const char* path) {
    SavedFile saved{};
    saved.existed = readWholeFile(path, kProfileSizeLimit, saved.text);
    return saved;
}

void restoreFile(const char* path, const SavedFile& saved) {
    if (saved.existed)
        writeWholeFile(path, saved.text);
    else
        DeleteFileA(path);
}

// The memory the process has in use, bitmaps included (Wine leaves the
// private bytes 0, but counts the working set).
double privateMegabytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.WorkingSetSize / (1024.0 * 1024.0);
}

// What OK in the Customize view dialog does with tile set `art` chosen,
// until the board is repainted; the dialog made the sheet when the set was
// picked.
double switchMs(AppState& app, HWND window, int32_t art) {
    prepareSheet(app, art);
    app.view.tileArt = art;
    const LARGE_INTEGER start = now();
    applyView(app);
    UpdateWindow(window);
    return elapsedMs(start, now());
}

// A start on tile set `art` at 100 %, then a switch away and back: the
// memory held after each.
void compareMemory(AppState& app, int32_t art) {
    writeWholeFile("Kelvarin.ini", std::string("[VIEW]\r\nAUTO_SCALE = 0\r\nSCALE = 4\r\nTILE_SET = ") +
                                       tileArtName(art) + "\r\n");
    HWND window = createMainWindow(app, "KELVARIN_BENCH");
    ShowWindow(window, SW_SHOWNORMAL);
    pumpFor(1000);
    const double started = privateMegabytes();
    switchMs(app, window, (art + 1) % TileArtCount);
    switchMs(app, window, art);
    pumpFor(200);
    std::printf("%s: %.1f MB held after a start on it, %.1f MB after a switch to it\n", tileArtName(art),
                started, privateMegabytes());
    DestroyWindow(window);
    pumpFor(100);
}

}  // namespace

int main() {
    const SavedFile settings = keepFile("Kelvarin.ini");
    static AppState app;
    static PlatformState platform;
    app.platform = &platform;
    app.selectedX = -1;
    std::strcpy(app.programName, "Kelvarin");
    setIllegalChars(app.filePath);
    platform.instance = GetModuleHandleA(nullptr);
    registerMainWindowClass(app, "KELVARIN_BENCH");

    const LARGE_INTEGER start = now();
    HWND window = createMainWindow(app, "KELVARIN_BENCH");
    if (window == nullptr) return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    const double firstPaint = elapsedMs(start, now());
    const double sinceStart = msSinceProcessStart();

    pumpFor(2000);
    RECT client;
    GetClientRect(window, &client);
    std::printf("client %ldx%ld at %.1f %%, %d tiles\n", client.right, client.bottom, app.view.scale,
                countTiles(app.board));
    std::printf("process start to end of first paint: %.1f ms\n", sinceStart);
    std::printf("window creation to end of first paint: %.1f ms\n", firstPaint);
    std::printf("one whole paint (mean of 200): %.2f ms\n", paintsMs(window, 200));
    app.view.autoScale = 0;
    for (const double scale : {50.0, 100.0}) {
        app.view.scale = scale;
        rescaleSheet(app);
        layoutBoard(app);
        std::printf("one whole paint at %.0f %% (mean of 200): %.2f ms\n", scale, paintsMs(window, 200));
    }
    // The sheet for a dense screen, from the resource: the large art
    // decoded, averaged to the face's size and let go again.
    Pixels art{};
    const LARGE_INTEGER decoding = now();
    pngPixels(platform.instance, IDB_TILE_SHEET_LARGE, art);
    std::printf("the large art decoded alone: %.1f ms\n", elapsedMs(decoding, now()));
    art = Pixels{};
    app.view.scale = 100;
    for (const int dpi : {120, 144, 192}) {
        app.dpi = dpi;
        platform.sheetScale = 0;
        const LARGE_INTEGER made = now();
        rescaleSheet(app);
        std::printf("the sheet at 100 %% on %d DPI from the large art: %.1f ms\n", dpi, elapsedMs(made, now()));
    }
    // Switching tile sets: from OK to the repainted board, at 100 %.
    app.view.autoScale = 0;
    for (const int dpi : {96, 144}) {
        app.dpi = dpi;
        for (const int32_t art : {TileArtLargePrint, TileArtNight, TileArtClassic}) {
            std::printf("OK to the board repainted in %s at 100 %% on %d DPI: %.1f ms\n", tileArtName(art), dpi,
                        switchMs(app, window, art));
        }
    }
    DestroyWindow(window);
    pumpFor(100);
    for (int32_t art = 0; art < TileArtCount; ++art) compareMemory(app, art);
    restoreFile("Kelvarin.ini", settings);
    return 0;
}
