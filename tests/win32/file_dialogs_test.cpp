// The New game, Load game, Save game and Save puzzle dialogs, opened through
// the command table of the real window and worked through their controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "dialog_driver.h"
#include "files/file_path.h"
#include "files/puzzle_file.h"
#include "files/saved_game.h"
#include "game/new_game.h"
#include "resources/resource.h"
#include "scratch_game.h"
#include "tests/unit/sample_layouts.h"
#include "view/preview_geometry.h"
#include "win32/background.h"
#include "win32/commands.h"
#include "win32/platform_state.h"
#include "win32/surfaces.h"

namespace {

namespace fs = std::filesystem;

struct FileDialogs : ScratchGame {
    void SetUp() override {
        ScratchGame::SetUp();
        setIllegalChars(app().filePath);
    }
};

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

LRESULT toList(HWND dialog, UINT message, WPARAM wParam = 0) {
    return SendDlgItemMessageA(dialog, IDC_FILE_LIST, message, wParam, 0);
}

bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

// The preview is drawn, and decides the Load game OK button, on paint: the
// paint is sent as UpdateWindow would, which Wine does not do across threads.
void paintNow(HWND dialog) { SendMessageA(dialog, WM_PAINT, 0, 0); }

// Selects a line as the user would: the list tells the dialog.
void selectLine(HWND dialog, int index) {
    toList(dialog, LB_SETCURSEL, index);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FILE_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_FILE_LIST)));
    paintNow(dialog);
}

// Types a name and presses OK; true when the dialog stayed open.
bool saveAs(HWND dialog, const char* name) {
    SetDlgItemTextA(dialog, IDC_FILE_NAME, name);
    clickButton(dialog, IDOK);
    return IsWindowVisible(dialog) != FALSE;  // EndDialog hides it at once
}

TEST_F(FileDialogs, NewGameSelectsTheCurrentPuzzleByItsBeginningInAnyCase) {
    // The shipped puzzles sorted: arena, bridge, butterfly, classic, ...
    const struct {
        const char* lastGame;
        int line;
    } rows[] = {{"butterfly.kvl", 2}, {"BUTTERFLY.KVL", 2}, {"b", 1},
                {"arena.kvl", 0},     {"", 0},              {"nothing.kvl", 0}};
    for (const auto& row : rows) {
        std::strcpy(app().lastGame, row.lastGame);
        int line = -1;
        const DialogRun run = driveDialog(
            "New game", [&] { runCommand(app(), IDM_NEW_GAME); },
            [&](HWND dialog) {
                line = static_cast<int>(toList(dialog, LB_GETCURSEL));
                clickButton(dialog, IDCANCEL);
            });
        EXPECT_TRUE(run.driven);
        EXPECT_EQ(line, row.line) << row.lastGame;
        EXPECT_STREQ(app().lastGame, row.lastGame) << "Cancel keeps the current puzzle";
    }
}

TEST_F(FileDialogs, NewGameDoubleClickDealsOnTheLineAndEndsTheEditor) {
    app().editorMode = 1;
    const DialogRun run = driveDialog(
        "New game", [&] { runCommand(app(), IDM_NEW_GAME); },
        [&](HWND dialog) {
            toList(dialog, LB_SETCURSEL, 4);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FILE_LIST, LBN_DBLCLK), 0);
        });
    EXPECT_TRUE(run.messages.empty());
    EXPECT_STREQ(app().lastGame, "cross.kvl");
    EXPECT_EQ(app().editorMode, 0);
    auto cross = std::make_unique<Layout>();
    std::string message;
    ASSERT_TRUE(readField(app().filePath, message, *cross)) << message;
    EXPECT_EQ(std::memcmp(&app().puzzle, cross.get(), sizeof(Layout)), 0);
}

TEST_F(FileDialogs, NewGameWithoutPuzzlesSaysSoAndCloses) {
    fs::remove_all("Puzzle");
    std::strcpy(app().lastGame, "classic.kvl");
    const DialogRun run =
        driveDialog("New game", [&] { runCommand(app(), IDM_NEW_GAME); }, [](HWND) {});
    EXPECT_FALSE(run.driven);
    EXPECT_EQ(run.messages, std::vector<std::string>{"Puzzles is not found, please reinstall the game."});
    EXPECT_STREQ(app().lastGame, "classic.kvl");
}

// The box of each dialog, drawn with a main window smaller than a preview
// needs: a layout of 16 by 9 tiles on layer 0 (390 x 276 pixels at 25 %) lies
// in the middle of the box, and bridge, larger than the box, is shrunk into
// it; on the background colour either way.
TEST_F(FileDialogs, ThePreviewLiesOnTheBackgroundInTheMiddleOfItsBox) {
    auto layout = std::make_unique<Layout>();
    for (int i = 0; i < kTileCount; ++i)
        cellAt(*layout, 0, 2 * (i / 16), 2 * (i % 16)) = Cell{TypeBlank, 1};
    writeFile("Puzzle/a.kvl", fieldText(*layout));
    MoveWindow(window, 0, 0, 640, 480, FALSE);
    std::strcpy(app().lastGame, "bridge.kvl");
    newGame(app());
    std::string game;
    composeSavedGame(app().puzzle, app().board, game);
    fs::create_directory("Save");
    writeFile("Save/bridge.kvg", game);
    app().view.backType = 0;
    app().view.colorBack = RGB(0, 0, 255);
    rebuildBackground(app());
    const struct {
        const char* caption;
        int command;
        const char* puzzle;
    } rows[] = {{"New game", IDM_NEW_GAME, "a.kvl"},
                {"New game", IDM_NEW_GAME, "bridge.kvl"},
                {"Load game", IDM_LOAD_GAME, nullptr}};
    for (const auto& row : rows) {
        if (row.puzzle != nullptr) std::strcpy(app().lastGame, row.puzzle);
        RECT box{};
        driveDialog(
            row.caption, [&] { runCommand(app(), row.command); },
            [&](HWND dialog) {
                GetClientRect(GetDlgItem(dialog, IDC_PREVIEW), &box);
                if (row.puzzle == nullptr) selectLine(dialog, 0);
                // The dialog may have painted by itself: the back buffer is
                // made anew at the small window's size before the paint
                // that is looked at, on the dialog's thread.
                SendMessageA(window, WM_DISPLAYCHANGE, 0, 0);
                paintNow(dialog);
            });
        // The back buffer's corner keeps the last preview: the hidden main
        // window does not paint over it.
        const PixelRect place =
            previewPlace(previewSize(app().platform->previewLayout, previewScale(app())), box.right, box.bottom);
        RECT drawn{box.right, box.bottom, -1, -1};
        for (int y = 0; y < box.bottom; ++y)
            for (int x = 0; x < box.right; ++x)
                if (GetPixel(app().platform->backBufferDC.dc, x, y) != RGB(0, 0, 255)) {
                    drawn = RECT{std::min<LONG>(drawn.left, x), std::min<LONG>(drawn.top, y),
                                 std::max<LONG>(drawn.right, x + 1),
                                 std::max<LONG>(drawn.bottom, y + 1)};
                }
        SCOPED_TRACE(std::string(row.caption) + " " + (row.puzzle ? row.puzzle : "bridge.kvg"));
        EXPECT_EQ(drawn.left, place.x);
        EXPECT_EQ(drawn.top, place.y);
        EXPECT_EQ(drawn.right, place.x + place.width);
        EXPECT_EQ(drawn.bottom, place.y + place.height);
    }
}

TEST_F(FileDialogs, SavePuzzleNeedsExactly144Positions) {
    clearBoard(app().board);
    for (int i = 0; i < kTileCount - 1; ++i)
        cellAt(app().board, 1, 2 * (i / 24) + 1, 2 * (i % 24) + 1) = Cell{TypeBlank, 1};
    app().editorMode = 1;
    DialogRun run = driveDialog(
        "Save puzzle", [&] { runCommand(app(), IDM_SAVE_PUZZLE); }, [](HWND) {});
    EXPECT_FALSE(run.driven) << "the name field is never shown";
    EXPECT_EQ(run.messages,
              std::vector<std::string>{"The number of tiles must be 144, now: 143, please correct."});

    // One more makes 144: saved shifted to the corner, and a game dealt on it.
    cellAt(app().board, 1, 13, 1) = Cell{TypeBlank, 1};
    run = driveDialog(
        "Save puzzle", [&] { runCommand(app(), IDM_SAVE_PUZZLE); },
        [](HWND dialog) { EXPECT_FALSE(saveAs(dialog, "mine")); });
    EXPECT_EQ(run.messages, std::vector<std::string>{"Puzzle is saved successfully"});
    EXPECT_STREQ(app().lastGame, "mine.kvl");
    EXPECT_EQ(app().editorMode, 0);
    EXPECT_EQ(countTiles(app().puzzle), kTileCount);
    EXPECT_EQ(cellAt(app().puzzle, 0, 0, 0).number, 1);
    EXPECT_TRUE(fs::exists("Puzzle/mine.kvl"));
}

// The typed name is taken without the blanks around it, so that the file,
// its list line and the settings key agree; a refused one leaves the dialog
// open with its text.
TEST_F(FileDialogs, SaveDialogsTakeTheTypedNameWithoutBlanksAroundOrRefuseIt) {
    const struct {
        const char* caption;
        int command;
        const char* name;
        const char* message;
        const char* file;  // written; none when refused
    } rows[] = {
        {"Save game", IDM_SAVE_GAME, "", "Please enter a file name.", nullptr},
        {"Save game", IDM_SAVE_GAME, "   ", "Please enter a file name.", nullptr},
        {"Save puzzle", IDM_SAVE_PUZZLE, " \t ", "Please enter a file name.", nullptr},
        {"Save game", IDM_SAVE_GAME, "a:b", "File name has illegal symbols: \\|/:*?<\">", nullptr},
        {"Save game", IDM_SAVE_GAME, " a b\t", "Game is saved successfully", "Save/a b.kvg"},
        {"Save puzzle", IDM_SAVE_PUZZLE, " tower", "Puzzle is saved successfully",
         "Puzzle/tower.kvl"},
    };
    for (const auto& row : rows) {
        app().editorMode = row.command == IDM_SAVE_PUZZLE;  // it saves the editor's board
        bool open = false;
        char kept[kTextSize] = {};
        const DialogRun run = driveDialog(
            row.caption, [&] { runCommand(app(), row.command); },
            [&](HWND dialog) {
                open = saveAs(dialog, row.name);
                if (open) GetDlgItemTextA(dialog, IDC_FILE_NAME, kept, kTextSize);
            });
        SCOPED_TRACE(std::string("\"") + row.name + "\"");
        EXPECT_EQ(open, row.file == nullptr);
        EXPECT_STREQ(kept, open ? row.name : "");
        EXPECT_EQ(run.messages, std::vector<std::string>{row.message});
        EXPECT_TRUE(row.file == nullptr || fs::exists(row.file));
    }
    EXPECT_STREQ(app().lastGame, "tower.kvl") << "the settings key names the file";
}

TEST_F(FileDialogs, LoadGameLoadsWhatWasSavedAndDeletesDamagedFiles) {
    // The dealt game less its first two tiles is saved; then the board is emptied.
    for (int i = 0, removed = 0; removed < 2; ++i)
        if (app().board.cells[i].number != 0) {
            app().board.cells[i].number = 0;
            ++removed;
        }
    std::string before;
    composeSavedGame(app().puzzle, app().board, before);
    driveDialog("Save game", [&] { runCommand(app(), IDM_SAVE_GAME); },
                [](HWND dialog) { saveAs(dialog, "game"); });
    clearBoard(app().board);
    // A readable layout with a tiles part that is not.
    writeFile("Save/bad.kvg", fieldText(app().puzzle) + "\r\n[TILES]\r\nCOUNT = 143\r\n");

    // The list: bad.kvg, game.kvg. Nothing is selected at first.
    DialogRun run = driveDialog(
        "Load game", [&] { runCommand(app(), IDM_LOAD_GAME); },
        [&](HWND dialog) {
            paintNow(dialog);
            EXPECT_FALSE(enabled(dialog, IDOK));
            EXPECT_FALSE(enabled(dialog, IDC_DELETE));
            selectLine(dialog, 0);
            EXPECT_FALSE(enabled(dialog, IDOK)) << "a damaged file cannot be loaded";
            EXPECT_TRUE(enabled(dialog, IDC_DELETE)) << "but it can be deleted";
            clickButton(dialog, IDC_DELETE);
            EXPECT_EQ(toList(dialog, LB_GETCOUNT), 1);
            EXPECT_EQ(toList(dialog, LB_GETCURSEL), LB_ERR);
            paintNow(dialog);
            EXPECT_FALSE(enabled(dialog, IDOK));
            EXPECT_FALSE(enabled(dialog, IDC_DELETE));
            selectLine(dialog, 0);
            EXPECT_TRUE(enabled(dialog, IDOK));
            clickButton(dialog, IDOK);
        });
    EXPECT_TRUE(run.messages.empty());
    EXPECT_FALSE(fs::exists("Save/bad.kvg"));
    std::string after;
    composeSavedGame(app().puzzle, app().board, after);
    EXPECT_EQ(after, before) << "the same tiles with the same faces on the same puzzle";
}

}  // namespace
