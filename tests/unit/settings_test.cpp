#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fake_host.h"
#include "game/settings.h"
#include "temp_folder.h"

// Global, where argument lookup finds them for Rect.
static bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << '(' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ')';
}

class Settings : public InTempFolder {
protected:
    void SetUp() override {
        InTempFolder::SetUp();
        app = newTestState();
    }
    void readFrom(const std::string& text) {
        writeFile("Kelvarin.ini", text);
        readSettings(*app, settingsPath(*app).c_str(), window);
    }
    std::unique_ptr<AppState> app;
    Rect window{};
};

TEST_F(Settings, WithoutAFileEverySettingTakesItsDefault) {
    std::memset(app->sounds, 0, sizeof app->sounds);
    std::strcpy(app->lastGame, "old.kvl");
    EXPECT_EQ(settingsPath(*app), ".\\Kelvarin.ini");
    readSettings(*app, settingsPath(*app).c_str(), window);
    EXPECT_EQ(app->view.autoScale, 1);
    EXPECT_EQ(app->view.scale, 62.5);
    EXPECT_STREQ(app->view.backImage, "marble.bmp");
    EXPECT_EQ(app->view.backType, 1);
    EXPECT_EQ(app->view.colorBack, 0xFFFFFFu);
    EXPECT_EQ(app->view.colorInk, 0xFF0080u);
    EXPECT_EQ(app->view.tileArt, TileArtClassic);
    EXPECT_STREQ(app->lastGame, "classic.kvl");
    const char* names[] = {"error", "level is completed", "pair is completed", "selection", "unselection"};
    for (int event = 0; event < SoundEventCount; ++event) {
        EXPECT_STREQ(app->sounds[event].name, names[event]);
        EXPECT_EQ(app->sounds[event].file, ".\\Sound\\" + std::string(names[event]) + ".wav");
        EXPECT_EQ(app->sounds[event].enable, 1);
    }
    EXPECT_EQ(window, (Rect{-1, 0, 0, 0}));
}

TEST_F(Settings, WritesTheExactText) {
    app->view.autoScale = 0;
    app->view.scale = 100;
    app->view.colorBack = 0x00336699;
    app->view.colorInk = 0;
    app->view.backType = 0;
    std::strcpy(app->view.backImage, "felt.bmp");
    app->view.tileArt = TileArtLargePrint;
    std::strcpy(app->lastGame, "bridge.kvl");
    app->sounds[SoundSelection].enable = 0;
    std::strcpy(app->sounds[SoundError].file, "C:\\Waves\\oops.wav");
    EXPECT_EQ(composeSettings(*app, Rect{10, 20, 810, 620}),
              "\r\n[VIEW]\r\n"
              "AUTO_SCALE = 0\r\nBACK_IMAGE = felt.bmp\r\nBACK_TYPE = 0\r\n"
              "COLOR_BACK = 3368601\r\nCOLOR_INK = 0\r\nSCALE = 4\r\nTILE_SET = Large print\r\n"
              "\r\n[LAST]\r\nGAME = bridge.kvl\r\n"
              "\r\n[GAME]\r\nWINNABLE_ONLY = 0\r\nHINT_SAFE = 0\r\n"
              "\r\n[SOUND]\r\n"
              "error_FILE = C:\\Waves\\oops.wav\r\nerror_ENABLE = 1\r\n"
              "level is completed_FILE = .\\Sound\\level is completed.wav\r\nlevel is completed_ENABLE = 1\r\n"
              "pair is completed_FILE = .\\Sound\\pair is completed.wav\r\npair is completed_ENABLE = 1\r\n"
              "selection_FILE = .\\Sound\\selection.wav\r\nselection_ENABLE = 0\r\n"
              "unselection_FILE = .\\Sound\\unselection.wav\r\nunselection_ENABLE = 1\r\n"
              "\r\n[WINDOW]\r\nLEFT = 10\r\nRIGHT = 810\r\nTOP = 20\r\nBOTTOM = 620\r\n");
}

TEST_F(Settings, WhatIsWrittenReadsBackTheSame) {
    app->view = ViewSettings{0, 87.5, 0x123456, 0xABCDEF, 0, "tiles of stone.bmp", TileArtNight};
    std::strcpy(app->lastGame, "fortress.kvl");
    app->sounds[SoundPairCompleted].enable = 0;
    std::strcpy(app->sounds[SoundUnselection].file, "");
    app->winnableOnly = 1;
    app->hintSafe = 1;
    ASSERT_TRUE(writeSettings(*app, settingsPath(*app).c_str(), Rect{-5, 7, 1000, 700}));
    const std::string written = readFile("Kelvarin.ini");

    auto back = newTestState();
    readSettings(*back, settingsPath(*app).c_str(), window);
    EXPECT_EQ(window, (Rect{-5, 7, 1000, 700}));
    EXPECT_EQ(composeSettings(*back, window), written);
    EXPECT_EQ(back->view.scale, 87.5);
    EXPECT_EQ(back->view.tileArt, TileArtNight);
    EXPECT_STREQ(back->sounds[SoundUnselection].file, "");  // empty, not the default
    EXPECT_EQ(back->sounds[SoundPairCompleted].enable, 0);
    EXPECT_EQ(back->winnableOnly, 1);
    EXPECT_EQ(back->hintSafe, 1);
    EXPECT_EQ(entries("."), std::vector<std::string>{"Kelvarin.ini"});
}

TEST_F(Settings, TheScaleIndexMustBe0To4) {
    struct Row {
        const char* index;
        double scale;
    } rows[] = {{"0", 50}, {"1", 62.5}, {"2", 75}, {"3", 87.5}, {"4", 100},
                {"5", 62.5}, {"-1", 62.5}, {"2.5", 62.5}, {"x", 62.5}, {"4294967299", 62.5}};
    for (const Row& row : rows) {
        readFrom(std::string("[view]\nscale=") + row.index + "\n");
        EXPECT_EQ(app->view.scale, row.scale) << row.index;
        const std::string written = "SCALE = " + std::to_string(static_cast<int>((row.scale - 50) / 12.5));
        EXPECT_NE(composeSettings(*app, window).find(written + "\r\n"), std::string::npos) << row.index;
    }
}

// Keys that older files lack, or that a start whose puzzle could not be read
// left empty, read as their defaults: the classic puzzle, winnable deals off,
// safe hints on. Any number but 0 turns an option on.
TEST_F(Settings, AMissingOrEmptyKeyReadsAsItsDefault) {
    struct Row {
        const char* text;
        const char* lastGame;
        int32_t winnableOnly;
        int32_t hintSafe;
    } rows[] = {{"", "classic.kvl", 0, 1},
                {"[LAST]\r\nGAME = \r\n", "classic.kvl", 0, 1},
                {"[LAST]\r\nGAME = bridge.kvl\r\n", "bridge.kvl", 0, 1},
                {"[GAME]\r\nWINNABLE_ONLY = 0\r\nHINT_SAFE = 0\r\n", "classic.kvl", 0, 0},
                {"[GAME]\r\nWINNABLE_ONLY = 1\r\nHINT_SAFE = 1\r\n", "classic.kvl", 1, 1},
                {"[GAME]\r\nWINNABLE_ONLY = 7\r\nHINT_SAFE = 7\r\n", "classic.kvl", 1, 1},
                {"[GAME]\r\nWINNABLE_ONLY = -1\r\nHINT_SAFE = \r\n", "classic.kvl", 1, 1}};
    for (const Row& row : rows) {
        app->winnableOnly = 1 - row.winnableOnly;
        app->hintSafe = 1 - row.hintSafe;
        readFrom(row.text);
        EXPECT_STREQ(app->lastGame, row.lastGame) << row.text;
        EXPECT_EQ(app->winnableOnly, row.winnableOnly) << row.text;
        EXPECT_EQ(app->hintSafe, row.hintSafe) << row.text;
    }
}

// The tile set by its name, in any case; a file that names none leaves the
// choice to the theme Windows ran at start-up, a name of no set is Classic.
TEST_F(Settings, TheTileSetIsNamedOrChosenByTheTheme) {
    struct Row {
        const char* text;
        int32_t highContrast;
        TileArt expected;
    } rows[] = {{"", 0, TileArtClassic},
                {"", 1, TileArtLargePrint},
                {"[VIEW]\r\nTILE_SET = \r\n", 1, TileArtLargePrint},
                {"[VIEW]\r\nTILE_SET = Night\r\n", 0, TileArtNight},
                {"[view]\r\ntile_set=large PRINT\r\n", 0, TileArtLargePrint},
                {"[VIEW]\r\nTILE_SET = Classic\r\n", 1, TileArtClassic},
                {"[VIEW]\r\nTILE_SET = Nights\r\n", 1, TileArtClassic},
                {"[VIEW]\r\nTILE_SET = Large\r\n", 0, TileArtClassic}};
    for (const Row& row : rows) {
        app->highContrast = row.highContrast;
        app->view.tileArt = TileArtNight + 1;
        readFrom(row.text);
        EXPECT_EQ(app->view.tileArt, row.expected) << row.text << " " << row.highContrast;
        const std::string written = std::string("TILE_SET = ") + tileArtName(row.expected) + "\r\n";
        EXPECT_NE(composeSettings(*app, window).find(written), std::string::npos) << row.text;
    }
}

TEST_F(Settings, AFailedWriteLeavesTheOldFile) {
    writeFile("Kelvarin.ini", "old settings");
    std::filesystem::create_directories("Folder.ini");
    EXPECT_FALSE(writeSettings(*app, ".\\Folder.ini", Rect{}));
    EXPECT_TRUE(std::filesystem::is_directory("Folder.ini"));
    EXPECT_EQ(readFile("Kelvarin.ini"), "old settings");
    EXPECT_EQ(entries("."), (std::vector<std::string>{"Folder.ini", "Kelvarin.ini"}));
    EXPECT_TRUE(fakeHost().calls.empty());  // nothing is reported at exit
}

TEST(WindowPlacement, KeepsOnlyARectangleWhollyOnTheScreen) {
    const Rect screen{0, 0, 1920, 1080};
    const Rect desktop = screen;
    const Rect bottomBar{0, 1040, 1920, 1080};
    const Rect leftBar{0, 0, 60, 1080};
    const Rect floatingBar{300, 1040, 900, 1080};
    const Rect workArea{0, 0, 1920, 1040};
    struct Row {
        const char* what;
        Rect saved;
        const Rect* taskbar;
        Rect expected;
    } rows[] = {
        {"on the screen", {100, 50, 900, 650}, &bottomBar, {100, 50, 900, 650}},
        {"the whole screen", screen, &bottomBar, screen},
        {"one pixel beyond the right edge", {100, 50, 1921, 650}, &bottomBar, workArea},
        {"first start", {-1, 0, 0, 0}, &bottomBar, workArea},
        {"minimised at exit", {-32000, -32000, -31840, -31972}, &bottomBar, workArea},
        {"maximised at exit", {-8, -8, 1928, 1048}, &bottomBar, workArea},
        {"empty", {0, 0, 0, 0}, &bottomBar, workArea},
        {"taskbar on the left", {-1, 0, 0, 0}, &leftBar, {60, 0, 1920, 1080}},
        {"taskbar not along a whole side", {-1, 0, 0, 0}, &floatingBar, desktop},
        {"no taskbar", {-1, 0, 0, 0}, nullptr, desktop},
        {"taskbar covering everything", {-1, 0, 0, 0}, &screen, desktop},
    };
    for (const Row& row : rows)
        EXPECT_EQ(chooseWindowRect(row.saved, screen, desktop, row.taskbar), row.expected) << row.what;
}

// The file holds screen coordinates; the platform takes the normal position
// relative to the work area, and no smaller than the window's track limits.
TEST(WindowPlacement, NormalPositionIsAtLeastTheTrackSizeAndRelativeToTheWorkArea) {
    const Rect screen{0, 0, 1920, 1080};
    const Rect bottomBar{0, 0, 1920, 1040};
    const Rect topBar{0, 40, 1920, 1080};
    const Rect leftBar{60, 0, 1920, 1080};
    struct Row {
        const char* what;
        Rect placed;
        Rect workArea;
        Rect expected;
    } rows[] = {
        {"large enough", {100, 50, 900, 650}, bottomBar, {100, 50, 900, 650}},
        {"one pixel grows", {100, 50, 101, 51}, bottomBar, {100, 50, 400, 250}},
        {"grown past the corner moves back", {1900, 1000, 1901, 1001}, bottomBar, {1620, 880, 1920, 1080}},
        {"taskbar at the top", {100, 50, 900, 650}, topBar, {100, 10, 900, 610}},
        {"taskbar on the left", {100, 50, 900, 650}, leftBar, {40, 50, 840, 650}},
        {"the work area itself", topBar, topBar, {0, 0, 1920, 1040}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(normalPosition(row.placed, screen, row.workArea, 300, 200), row.expected) << row.what;
}
