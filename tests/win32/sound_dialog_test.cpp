// The "Sound settings" dialog on the real main window: the list is a working
// copy that only OK takes; Play and Select... need a selected row.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "resources/resource.h"
#include "scratch_game.h"
#include "win32/dialog_commands.h"

namespace {

void selectRow(HWND dialog, int row) {
    HWND list = GetDlgItem(dialog, IDC_SOUND_LIST);
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetSelectionMark(list, row);
}

using SoundDialogTest = ScratchGame;

TEST_F(SoundDialogTest, ButtonsChangeTheListAndOnlyOkTakesIt) {
    enum Files { Kept, Defaults };
    const char* const noRow = "Please select a line in list box.";
    struct Case {
        const char* name;
        std::vector<int> clicks;
        int row;  // selected before the clicks, -1 = none
        std::vector<int> enable;
        Files files;
        std::vector<std::string> messages;
    } const cases[] = {
        {"Set to default, Cancel", {IDC_SOUND_DEFAULT, IDCANCEL}, -1, {1, 0, 1, 0, 0}, Kept, {}},
        {"Set to default, OK", {IDC_SOUND_DEFAULT, IDOK}, -1, {1, 1, 1, 1, 1}, Defaults, {}},
        {"Reset all, OK", {IDC_RESET_ALL, IDOK}, -1, {0, 0, 0, 0, 0}, Kept, {}},
        {"Set all, OK", {IDC_SET_ALL, IDOK}, -1, {1, 1, 1, 1, 1}, Kept, {}},
        {"Play and Select... without a row", {IDC_PLAY, IDC_SELECT, IDOK}, -1, {1, 0, 1, 0, 0}, Kept,
         {noRow, noRow}},
        {"Play a row", {IDC_PLAY, IDOK}, 3, {1, 0, 1, 0, 0}, Kept, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int enable[SoundEventCount] = {1, 0, 1, 0, 0};
        for (int i = 0; i < SoundEventCount; ++i) {
            app().sounds[i].enable = enable[i];
            std::snprintf(app().sounds[i].file, kTextSize, "C:\\Waves\\%d.wav", i);
        }
        const DialogRun run =
            driveDialog("Sound settings", [&] { openSoundDialog(app()); }, [&](HWND dialog) {
                if (c.row >= 0) selectRow(dialog, c.row);
                for (int id : c.clicks) clickButton(dialog, id);
            });
        EXPECT_TRUE(run.driven);
        EXPECT_EQ(run.messages, c.messages);
        for (int i = 0; i < SoundEventCount; ++i) {
            char expected[kTextSize];
            if (c.files == Defaults) {
                defaultSoundPath(i, expected);
            } else {
                std::snprintf(expected, sizeof expected, "C:\\Waves\\%d.wav", i);
            }
            EXPECT_EQ(app().sounds[i].enable, c.enable[i]) << i;
            EXPECT_STREQ(app().sounds[i].file, expected);
            EXPECT_STREQ(app().sounds[i].name, soundEventName(i));
        }
    }
}

}  // namespace
