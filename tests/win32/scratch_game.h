// The real game in a folder of its own: tests that open the main window or
// its dialogs never touch the player's files.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "dib_surface.h"

// A fresh folder, made the current directory, holding copies of the shipped
// Puzzle, Background and Sound folders; removed with all it holds after the
// test, and the previous directory restored.
struct ScratchFolder : ::testing::Test {
    std::string folder;
    void SetUp() override;
    void TearDown() override;

private:
    char previous[MAX_PATH] = {};
};

// Creates the game's main window for `app` (registering its class once):
// settings read, surfaces made, a game dealt. Not shown.
HWND openMainWindow(AppState& app);

// The real main window opened in a scratch folder, destroyed (writing its
// settings file) before the folder goes.
struct ScratchGame : ScratchFolder {
    TestApp test = newTestApp();
    HWND window = nullptr;
    AppState& app() { return *test.app; }
    void SetUp() override;
    void TearDown() override;
};
