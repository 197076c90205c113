#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fake_host.h"
#include "files/file_path.h"
#include "files/saved_game.h"
#include "game/save_and_load.h"
#include "rules/deal.h"
#include "rules/random.h"
#include "sample_layouts.h"
#include "temp_folder.h"

namespace {

const Owner kLoadDialog = reinterpret_cast<Owner>(0x4321);

std::string tileLines(int i, int x, int y, int z, int type, int number) {
    const std::string n = "TILE_" + std::to_string(i);
    return n + "_X = " + std::to_string(x) + "\r\n" + n + "_Y = " + std::to_string(y) + "\r\n" +
           n + "_Z = " + std::to_string(z) + "\r\n" + n + "_TYPE = " + std::to_string(type) +
           "\r\n" + n + "_NUMBER = " + std::to_string(number) + "\r\n";
}

}  // namespace

TEST(SavedGame, ComposesFieldThenTilesInBoardOrderThenCount) {
    auto puzzle = flatLayout();
    auto board = std::make_unique<Board>();
    // Listed out of board order on purpose: the writer scans layer, row, column.
    cellAt(*board, 1, 0, 0) = Cell{TypeSeasons, 4, EffectVanishing, 20, 3};
    cellAt(*board, 0, 2, 7) = Cell{TypeCircles, 9};
    cellAt(*board, 0, 0, 48) = Cell{TypeDragons, 1};
    std::string text;
    composeSavedGame(*puzzle, *board, text);
    EXPECT_EQ(text, fieldText(*puzzle) +
                        "\r\n[TILES]\r\n"
                        "TILE_0_X = 48\r\nTILE_0_Y = 0\r\nTILE_0_Z = 0\r\nTILE_0_TYPE = 4\r\nTILE_0_NUMBER = 1\r\n"
                        "TILE_1_X = 7\r\nTILE_1_Y = 2\r\nTILE_1_Z = 0\r\nTILE_1_TYPE = 0\r\nTILE_1_NUMBER = 9\r\n"
                        "TILE_2_X = 0\r\nTILE_2_Y = 0\r\nTILE_2_Z = 1\r\nTILE_2_TYPE = 5\r\nTILE_2_NUMBER = 4\r\n"
                        "COUNT = 3\r\n");
}

class SavedGameFiles : public InTempFolder {
protected:
    void SetUp() override {
        InTempFolder::SetUp();
        app = newTestState();
        setIllegalChars(app->filePath);
        seedRandom(app->random, 99);
        auto layout = flatLayout();
        app->puzzle = *layout;
        dealTiles(app->random, app->tileSet, app->board, *layout);
        std::filesystem::create_directories("Save");
    }
    // A saved game of the current puzzle whose [TILES] section is `tiles`.
    void writeGame(const char* name, const std::string& tiles) {
        writeFile(std::string("Save/") + name, fieldText(app->puzzle) + "\r\n[TILES]\r\n" + tiles);
    }
    std::unique_ptr<AppState> app;
};

TEST_F(SavedGameFiles, SavesAndLoadsTheSameGame) {
    std::strcpy(app->filePath.name, "game1");
    saveGame(*app);
    EXPECT_EQ(app->canSaveGame, 1);
    ASSERT_EQ(fakeHost().calls.size(), 2u);
    EXPECT_EQ(fakeHost().calls[0].text, "Game is saved successfully");
    EXPECT_EQ(fakeHost().calls[0].icon, MessageIcon::Information);
    EXPECT_EQ(fakeHost().calls[1].kind, HostCall::Menu);
    const std::string saved = readFile("Save/game1.kvg");
    EXPECT_EQ(saved.substr(0, kFieldTextSize + 11), fieldText(app->puzzle) + "\r\n[TILES]\r\n");
    EXPECT_EQ(saved.substr(saved.size() - 13), "COUNT = 144\r\n");

    // Load it over a different game in the editor.
    auto expected = std::make_unique<Board>(app->board);
    clearBoard(app->board);
    clearBoard(app->puzzle);
    app->editorMode = 1;
    app->gameActive = 0;
    app->canSaveGame = 1;
    app->selectedX = 3;
    fakeHost().reset();
    ASSERT_TRUE(loadGame(*app, "game1.kvg", kLoadDialog));
    EXPECT_EQ(std::memcmp(&app->board, expected.get(), sizeof(Board)), 0);
    EXPECT_EQ(std::memcmp(&app->puzzle, flatLayout().get(), sizeof(Board)), 0);
    EXPECT_EQ(app->editorMode, 0);
    EXPECT_EQ(app->gameActive, 1);
    EXPECT_EQ(app->canSaveGame, 0);
    EXPECT_EQ(app->selectedX, -1);
    EXPECT_EQ(fakeHost().count(HostCall::Menu), 1);
    EXPECT_EQ(fakeHost().count(HostCall::Repaint), 1);
    EXPECT_TRUE(fakeHost().messages().empty());
}

TEST_F(SavedGameFiles, AcceptsWhatTheFormatAllows) {
    struct Row {
        const char* what;
        std::string tiles;
        int tilesLoaded;
    } rows[] = {
        {"two tiles", tileLines(0, 0, 0, 0, 3, 4) + tileLines(1, 48, 28, 4, 6, 1) + "COUNT = 2\r\n", 2},
        {"a season numbered 4", tileLines(0, 2, 0, 0, 5, 4) + tileLines(1, 4, 0, 0, 5, 1) + "COUNT = 2", 2},
        {"lines in any order, lower case",
         "count=2\r\n" + tileLines(1, 4, 0, 0, 0, 9) + "tile_0_x=2\r\ntile_0_y=0\r\ntile_0_z=0\r\n"
                         "tile_0_type=1\r\ntile_0_number=1\r\n", 2},
        {"indices from COUNT on are ignored",
         tileLines(0, 2, 0, 0, 0, 1) + tileLines(1, 4, 0, 0, 0, 1) + tileLines(2, 60, 0, 0, 9, 9) + "COUNT = 2\r\n", 2},
        {"tiles overlapping but on distinct positions",
         tileLines(0, 2, 0, 0, 0, 1) + tileLines(1, 3, 1, 0, 1, 2) + "COUNT = 2\r\n", 2},
    };
    for (const Row& row : rows) {
        writeGame("ok.kvg", row.tiles);
        fakeHost().reset();
        EXPECT_TRUE(loadGame(*app, "ok.kvg", kLoadDialog)) << row.what;
        EXPECT_EQ(countTiles(app->board), row.tilesLoaded) << row.what;
    }
    EXPECT_EQ(cellAt(app->board, 0, 1, 3).type, TypeBamboo);
    EXPECT_EQ(cellAt(app->board, 0, 1, 3).number, 2);
}

TEST_F(SavedGameFiles, EveryBrokenFileFailsAndLeavesTheGameAsItWas) {
    const std::string two = tileLines(0, 2, 0, 0, 0, 1) + tileLines(1, 4, 0, 0, 0, 1);
    struct Row {
        const char* what;
        std::string tiles;
    } rows[] = {
        {"COUNT missing", two},
        {"COUNT 0", two + "COUNT = 0\r\n"},
        {"COUNT odd", two + tileLines(2, 6, 0, 0, 0, 1) + "COUNT = 3\r\n"},
        {"COUNT 145", two + "COUNT = 145\r\n"},
        {"COUNT 146", two + "COUNT = 146\r\n"},
        {"COUNT beyond 32 bits", two + "COUNT = 4294967298\r\n"},
        {"COUNT not a number", two + "COUNT = two\r\n"},
        {"a gap in the indices", tileLines(0, 2, 0, 0, 0, 1) + tileLines(2, 4, 0, 0, 0, 1) + "COUNT = 2\r\n"},
        {"TYPE 4 NUMBER 4", tileLines(0, 2, 0, 0, 4, 4) + tileLines(1, 4, 0, 0, 4, 1) + "COUNT = 2\r\n"},
        {"NUMBER 0", tileLines(0, 2, 0, 0, 0, 0) + tileLines(1, 4, 0, 0, 0, 1) + "COUNT = 2\r\n"},
        {"TYPE 7", tileLines(0, 2, 0, 0, 7, 1) + tileLines(1, 4, 0, 0, 0, 1) + "COUNT = 2\r\n"},
        {"TYPE -1", tileLines(0, 2, 0, 0, -1, 1) + tileLines(1, 4, 0, 0, 0, 1) + "COUNT = 2\r\n"},
        {"X 50", tileLines(0, 50, 0, 0, 0, 1) + tileLines(1, 4, 0, 0, 0, 1) + "COUNT = 2\r\n"},
        {"Y 30", tileLines(0, 2, 30, 0, 0, 1) + tileLines(1, 4, 0, 0, 0, 1) + "COUNT = 2\r\n"},
        {"Z 5", tileLines(0, 2, 0, 5, 0, 1) + tileLines(1, 4, 0, 0, 0, 1) + "COUNT = 2\r\n"},
        {"X 49: half off the grid", tileLines(0, 49, 0, 0, 0, 1) + tileLines(1, 4, 0, 0, 0, 1) + "COUNT = 2\r\n"},
        {"Y 29: half off the grid", tileLines(0, 2, 29, 0, 0, 1) + tileLines(1, 4, 0, 0, 0, 1) + "COUNT = 2\r\n"},
        {"two tiles on one position", tileLines(0, 2, 0, 0, 0, 1) + tileLines(1, 2, 0, 0, 1, 2) +
                                          tileLines(2, 4, 0, 0, 0, 1) + tileLines(3, 6, 0, 0, 0, 1) + "COUNT = 4\r\n"},
        {"X wraps to 2 in 32 bits", "TILE_0_X = 4294967298\r\nTILE_0_Y = 0\r\nTILE_0_Z = 0\r\n"
                                    "TILE_0_TYPE = 0\r\nTILE_0_NUMBER = 1\r\n" +
                                        tileLines(1, 4, 0, 0, 0, 1) + "COUNT = 2\r\n"},
        {"a key missing", tileLines(0, 2, 0, 0, 0, 1) + "TILE_1_X = 4\r\nTILE_1_Y = 0\r\nTILE_1_Z = 0\r\n"
                                                         "TILE_1_TYPE = 0\r\nCOUNT = 2\r\n"},
    };
    auto before = std::make_unique<AppState>();
    app->gameActive = 0;
    app->selectedX = 7;
    app->canSaveGame = 1;
    std::memcpy(before.get(), app.get(), sizeof(AppState));
    for (const Row& row : rows) {
        writeGame("bad.kvg", row.tiles);
        fakeHost().reset();
        EXPECT_FALSE(loadGame(*app, "bad.kvg", kLoadDialog)) << row.what;
        ASSERT_EQ(fakeHost().calls.size(), 1u) << row.what;
        EXPECT_EQ(fakeHost().calls[0].text, "Loading error!") << row.what;
        EXPECT_EQ(fakeHost().calls[0].icon, MessageIcon::Error) << row.what;
        EXPECT_EQ(fakeHost().calls[0].owner, kLoadDialog) << row.what;
        // Only the path record may differ: the game is untouched.
        std::memcpy(&before->filePath, &app->filePath, sizeof(FilePath));
        EXPECT_EQ(std::memcmp(before.get(), app.get(), sizeof(AppState)), 0) << row.what;
    }
}

TEST_F(SavedGameFiles, AFileWithABrokenFieldOrNoneAtAllFails) {
    writeFile("Save/half.kvg", "\r\n[FIELD]\r\nZ_0__Y_0 = 11\r\n\r\n[TILES]\r\n" +
                                   tileLines(0, 0, 0, 0, 0, 1) + tileLines(1, 2, 0, 0, 0, 1) + "COUNT = 2\r\n");
    for (const char* name : {"half.kvg", "missing.kvg"}) {
        fakeHost().reset();
        EXPECT_FALSE(loadGame(*app, name, kLoadDialog)) << name;
        EXPECT_EQ(fakeHost().messages(), std::vector<std::string>{"Loading error!"}) << name;
    }
    std::string message;
    std::strcpy(app->filePath.name, "half.kvg");
    EXPECT_TRUE(readTiles(app->filePath, app->tileSet, app->board, message));
    EXPECT_EQ(countTiles(app->board), 2);
}
