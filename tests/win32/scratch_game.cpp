#include "scratch_game.h"

#include <cstring>
#include <filesystem>

#include "win32/main_window.h"

namespace fs = std::filesystem;

void ScratchFolder::SetUp() {
    GetCurrentDirectoryA(MAX_PATH, previous);
    const fs::path scratch = fs::temp_directory_path() / ("kelvarin-test-" +
                                                          std::to_string(GetCurrentProcessId()));
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    for (const char* data : {"Puzzle", "Background", "Sound"})
        fs::copy(fs::path(KELVARIN_SOURCE_DIR) / "resources" / data, scratch / data);
    folder = scratch.string();
    SetCurrentDirectoryA(folder.c_str());
}

void ScratchFolder::TearDown() {
    SetCurrentDirectoryA(previous);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

HWND openMainWindow(AppState& app) {
    std::strcpy(app.programName, "Kelvarin");
    app.platform->instance = GetModuleHandleA(nullptr);
    static const bool registered = registerMainWindowClass(app, "KELVARIN_TEST");
    EXPECT_TRUE(registered);
    return createMainWindow(app, "KELVARIN_TEST");
}

void ScratchGame::SetUp() {
    ScratchFolder::SetUp();
    window = openMainWindow(app());
    ASSERT_NE(window, nullptr);
}

void ScratchGame::TearDown() {
    if (window != nullptr) DestroyWindow(window);
    MSG quit;
    while (PeekMessageA(&quit, nullptr, 0, 0, PM_REMOVE)) {
    }
    ScratchFolder::TearDown();
}
