// The About box, opened through the command table of the real window.
#include <gtest/gtest.h>

#include "dialog_driver.h"
#include "resources/resource.h"
#include "scratch_game.h"
#include "shell/win32/commands.h"

namespace {

using AboutTest = ScratchGame;

TEST_F(AboutTest, ShowsNameVersionAndCredits) {
    std::string lines[3];
    const int ids[3] = {IDC_ABOUT_VERSION, IDC_ABOUT_CREDITS, IDC_ABOUT_COPYRIGHT};
    const DialogRun run = driveDialog(
        "About", [&] { runCommand(app(), IDM_ABOUT); },
        [&](HWND dialog) {
            for (int i = 0; i < 3; ++i) {
                char text[128] = {};
GetDlgItemTextA(dialog, ids[i], text, sizeof text);
                lines[i] = text;
            }
            clickButton(dialog, IDOK);
        });
    EXPECT_TRUE(run.driven);
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(lines[0], "Kelvarin version 1.3");
    EXPECT_EQ(lines[1], "Made by the Orvane team");
    EXPECT_EQ(lines[2], "Copyright (C) 2026 Orvane");
}

}  // namespace
