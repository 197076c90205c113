// Times the real main window under Wine: from creating the window to the end
// of its first paint, then whole paints of the dealt board; then switching
// tile sets, with the memory after each start and each switch, in fresh
// processes of its own. Run it from the player's folder (it reads Puzzle\ and
// Background\ there), at the display's DPI (bench/paint runs it at 96 and 144):
//   cd build/mingw/package && wine64 ../bench/win32/paint_bench.exe
#include <windows.h>
#include <objbase.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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
double workingSetMegabytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.WorkingSetSize / (1024.0 * 1024.0);
}

// What the Customize view dialog does with tile set `art` picked: its
// sample drawn from the preview sheet and the board's sheet made ahead;
// then OK, timed until the board is repainted, and the dialog's sheets let
// go as it closes.
double switchMs(AppState& app, HWND window, int32_t art) {
    previewSheet(app, art);
    prepareSheet(app, art);
    app.view.tileArt = art;
    const LARGE_INTEGER start = now();
    applyView(app);
    UpdateWindow(window);
    const double ms = elapsedMs(start, now());
    dropPreviewSheet(app);
    dropPreparedSheet(app);
    return ms;
}

constexpr double kSettledMs = 6000;

// One process's life: a start on the first of `arts` at 100 %, then a
// switch to each of the others in turn. Prints the time of the last switch
// and the memory in use after it has settled.
int startAndSwitch(AppState& app, const int32_t* arts, int count) {
    writeWholeFile("Kelvarin.ini", std::string("[VIEW]\r\nAUTO_SCALE = 0\r\nSCALE = 4\r\nTILE_SET = ") +
                                       tileArtName(arts[0]) + "\r\n");
    HWND window = createMainWindow(app, "KELVARIN_BENCH");
    if (window == nullptr) return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    // Within a few seconds of a start the process gains one more thread,
    // whose stacks hold a megabyte (in about half the processes at 1.5 s,
    // in all at 7 s): the memory is read once it is there.
    pumpFor(static_cast<DWORD>(std::max(1000.0, kSettledMs - msSinceProcessStart())));
    double ms = 0;
    for (int i = 1; i < count; ++i) ms = switchMs(app, window, arts[i]);
    pumpFor(500);
    std::printf("%.2f %.2f %d\n", ms, workingSetMegabytes(), app.dpi);
    DestroyWindow(window);
    return 0;
}

struct Life {
    double switchMs, megabytes;
    int dpi;
};

// Runs startAndSwitch in a fresh process of this program, as a player's
// start would be, and reads what it printed.
Life runLife(const int32_t* arts, int count) {
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, sizeof program);
    std::string command = std::string("\"") + program + "\" life";
    for (int i = 0; i < count; ++i) command += " " + std::to_string(arts[i]);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE reader = nullptr, writer = nullptr;
    CreatePipe(&reader, &writer, &inherit, 0);
    SetHandleInformation(reader, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writer;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    Life life{};
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(writer);
        std::string output;
        char chunk[256];
        DWORD read = 0;
        while (ReadFile(reader, chunk, sizeof chunk, &read, nullptr) && read > 0) output.append(chunk, read);
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        std::sscanf(output.c_str(), "%lf %lf %d", &life.switchMs, &life.megabytes, &life.dpi);
    } else {
        CloseHandle(writer);
    }
    CloseHandle(reader);
    return life;
}

// The medians of kLives such lives.
constexpr int kLives = 3;

Life medianLife(const int32_t* arts, int count) {
    double ms[kLives], megabytes[kLives];
    Life life{};
    for (int i = 0; i < kLives; ++i) {
        life = runLife(arts, count);
        ms[i] = life.switchMs;
        megabytes[i] = life.megabytes;
    }
    std::sort(ms, ms + kLives);
    std::sort(megabytes, megabytes + kLives);
    return Life{ms[kLives / 2], megabytes[kLives / 2], life.dpi};
}

// For each tile set: a start on it, and every switch to it, from each other
// set and away to each and back, each in processes of its own. The memory
// after a switch must not exceed that after the start.
void compareStartsAndSwitches() {
    std::printf("tile sets at 100 %%, medians of %d processes: OK to the repainted board (slowest switch), "
                "memory after a start, after a switch (highest)\n",
                kLives);
    for (int32_t art = 0; art < TileArtCount; ++art) {
        const Life start = medianLife(&art, 1);
        Life worst{};
        for (int32_t other = 0; other < TileArtCount; ++other) {
            if (other == art) continue;
            const int32_t from[] = {other, art};
            const int32_t awayAndBack[] = {art, other, art};
            for (const Life& life : {medianLife(from, 2), medianLife(awayAndBack, 3)}) {
                worst.switchMs = std::max(worst.switchMs, life.switchMs);
                worst.megabytes = std::max(worst.megabytes, life.megabytes);
            }
        }
        std::printf("%-12s at %d DPI: %5.1f ms   %5.1f MB after a start   %5.1f MB after a switch\n",
                    tileArtName(art), start.dpi, worst.switchMs, start.megabytes, worst.megabytes);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // As the program itself: COM on the window's thread all along.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    static AppState app;
    static PlatformState platform;
    app.platform = &platform;
    app.selectedX = -1;
    std::strcpy(app.programName, "Kelvarin");
    setIllegalChars(app.filePath);
    platform.instance = GetModuleHandleA(nullptr);
    registerMainWindowClass(app, "KELVARIN_BENCH");
    if (argc > 2 && std::strcmp(argv[1], "life") == 0) {
        int32_t arts[TileArtCount + 1]{};
        int count = 0;
        for (int i = 2; i < argc && count < TileArtCount + 1; ++i) arts[count++] = std::atoi(argv[i]);
        return startAndSwitch(app, arts, count);
    }
    const SavedFile settings = keepFile("Kelvarin.ini");

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
    DestroyWindow(window);
    pumpFor(100);
    compareStartsAndSwitches();
    restoreFile("Kelvarin.ini", settings);
    return 0;
}
