// The menu and shortcut resources, and the eleven item states on a real menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "dib_surface.h"
#include "game/host.h"
#include "resources/resource.h"

namespace {

HMENU loadMainMenu() { return LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_KELVARIN)); }

std::string itemText(HMENU menu, UINT item, UINT flags) {
    char text[128] = {};
    GetMenuStringA(menu, item, text, sizeof text, flags);
    return text;
}

TEST(MenuResourceTest, EveryCommandHasItsLabelAndShortcutText) {
    struct Item {
        int popup;
        int id;  // 0 = separator
        const char* label;
    };
    const Item items[] = {
        {0, IDM_NEW_GAME, "New game...\tCTRL+N"},    {0, IDM_SELECT_DEAL, "Select &deal...\tCTRL+G"},
        {0, 0, ""},
        {0, IDM_LOAD_GAME, "Load game...\tCTRL+L"},  {0, IDM_SAVE_GAME, "Save game...\tCTRL+S"},
        {0, 0, ""},                                   {0, IDM_RESTART_GAME, "Restart game\tCTRL+R"},
        {0, IDM_PAUSE, "&Pause\tCTRL+P"},             {0, IDM_HINT, "Hint\tCTRL+H"},
        {0, IDM_HINT_SAFE, "Hints &keep the game winnable"},
        {0, IDM_UNDO, "Undo\tCTRL+Z"},                {0, IDM_REDO, "Redo\tCTRL+Y"},
        {0, IDM_SHUFFLE, "Shuffle\tCTRL+F"},          {0, 0, ""},
        {0, IDM_STATISTICS, "S&tatistics...\tCTRL+T"}, {0, 0, ""},
        {0, IDM_EXIT, "E&xit"},
        {1, IDM_CREATE_PUZZLE, "&Create puzzle...\tCTRL+C"}, {1, 0, ""},
        {1, IDM_LAYER_UP, "Layer &up\tCTRL+Up"},      {1, IDM_LAYER_DOWN, "Layer &down\tCTRL+Down"},
        {1, 0, ""},                                   {1, IDM_SAVE_PUZZLE, "Sav&e puzzle...\tCTRL+E"},
        {2, IDM_SOUND, "&Sound...\tCTRL+D"},          {2, 0, ""},
        {2, IDM_VIEW, "&View...\tCTRL+V"},            {2, IDM_WINNABLE_ONLY, "&Winnable deals only"},
        {3, IDM_USER_MANUAL, "&User manual\tF1"},     {3, IDM_TUTORIAL, "&Tutorial"},
        {3, 0, ""},                                   {3, IDM_ABOUT, "&About ...\t?"},
        {3, IDM_HOME_PAGE, "&Home page"},
    };
    HMENU menu = loadMainMenu();
    ASSERT_NE(menu, nullptr);
    const char* popups[] = {"&Game", "&Puzzle", "&Settings", "&Help"};
    ASSERT_EQ(GetMenuItemCount(menu), 4);
    int position[4] = {};
    for (int p = 0; p < 4; ++p) EXPECT_EQ(itemText(menu, p, MF_BYPOSITION), popups[p]);
    for (const Item& item : items) {
        HMENU popup = GetSubMenu(menu, item.popup);
        const int at = position[item.popup]++;
        SCOPED_TRACE(testing::Message() << popups[item.popup] << " item " << at);
        if (item.id == 0) {
            EXPECT_NE(GetMenuState(popup, at, MF_BYPOSITION) & MF_SEPARATOR, 0u);
            continue;
        }
        EXPECT_EQ(static_cast<int>(GetMenuItemID(popup, at)), item.id);
        EXPECT_EQ(itemText(popup, at, MF_BYPOSITION), item.label);
    }
    for (int p = 0; p < 4; ++p) EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu, p)), position[p]);
    DestroyMenu(menu);
}

TEST(MenuResourceTest, ShortcutTableInItsOrder) {
    struct Key {
        BYTE flags;
        WORD key;
        WORD command;
    };
    const BYTE ctrl = FVIRTKEY | FCONTROL | FNOINVERT;
    const Key expected[] = {
        {ctrl, 'C', IDM_CREATE_PUZZLE}, {ctrl, 'H', IDM_HINT},
        {ctrl, 'G', IDM_SELECT_DEAL},
        {ctrl, VK_DOWN, IDM_LAYER_DOWN}, {ctrl, VK_UP, IDM_LAYER_UP},
        {ctrl, 'L', IDM_LOAD_GAME},      {ctrl, 'N', IDM_NEW_GAME},
        {ctrl, 'R', IDM_RESTART_GAME},   {ctrl, 'S', IDM_SAVE_GAME},
        {ctrl, 'E', IDM_SAVE_PUZZLE},    {FVIRTKEY | FNOINVERT, VK_F1, IDM_USER_MANUAL},
        {ctrl, 'D', IDM_SOUND},          {ctrl, 'V', IDM_VIEW},
        {FALT | FNOINVERT, '/', IDM_ABOUT}, {FALT | FNOINVERT, '?', IDM_ABOUT},
        {ctrl, VK_ADD, IDM_ZOOM_IN},     {ctrl, VK_SUBTRACT, IDM_ZOOM_OUT},
        {ctrl, 'Z', IDM_UNDO},           {ctrl, 'Y', IDM_REDO},
        {ctrl, 'F', IDM_SHUFFLE},        {ctrl, 'T', IDM_STATISTICS},
        {ctrl, 'P', IDM_PAUSE},          {FVIRTKEY | FNOINVERT, VK_PAUSE, IDM_PAUSE},
    };
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_KELVARIN));
    ASSERT_NE(table, nullptr);
    ACCEL entries[32];
    const int count = CopyAcceleratorTableA(table, entries, 32);
    ASSERT_EQ(count, static_cast<int>(std::size(expected)));
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(testing::Message() << "entry " << i);
        EXPECT_EQ(entries[i].fVirt & ~0x80, expected[i].flags);  // 0x80 marks the last entry
        EXPECT_EQ(entries[i].key, expected[i].key);
        EXPECT_EQ(entries[i].cmd, expected[i].command);
    }
    DestroyAcceleratorTable(table);
}

TEST(MenuStateTest, ElevenItemsFollowTheModeOnTheRealMenu) {
    TestApp test = newTestApp();
    AppState& app = *test.app;
    HWND window = CreateWindowExA(0, "STATIC", "menu", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                  loadMainMenu(), GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    test.platform->mainWindow = window;

    struct Case {
        int editorMode, editorLayer, canSaveGame, gameActive;
        const char* lastGame;
        int undoSteps, redoSteps, paused;
        std::vector<int> enabled;  // of the eleven, every other one is grayed (no tiles to shuffle)
    };
    const Case cases[] = {
        {0, 0, 0, 0, "", 0, 0, 0, {}},
        {0, 0, 1, 1, "classic.kvl", 0, 0, 0, {IDM_SAVE_GAME, IDM_HINT, IDM_RESTART_GAME, IDM_PAUSE, IDM_SELECT_DEAL}},
        {0, 3, 0, 1, "classic.kvl", 0, 0, 0, {IDM_HINT, IDM_RESTART_GAME, IDM_PAUSE, IDM_SELECT_DEAL}},
        {1, 0, 1, 1, "classic.kvl", 0, 0, 0, {IDM_SAVE_PUZZLE, IDM_LAYER_UP}},
        {1, 2, 0, 0, "", 0, 0, 0, {IDM_SAVE_PUZZLE, IDM_LAYER_UP, IDM_LAYER_DOWN}},
        {1, 4, 1, 1, "classic.kvl", 0, 0, 0, {IDM_SAVE_PUZZLE, IDM_LAYER_DOWN}},
        {0, 0, 1, 1, "classic.kvl", 2, 1, 0,
         {IDM_SAVE_GAME, IDM_HINT, IDM_RESTART_GAME, IDM_UNDO, IDM_REDO, IDM_PAUSE, IDM_SELECT_DEAL}},
        {0, 0, 1, 1, "classic.kvl", 2, 1, 1, {IDM_SAVE_GAME, IDM_RESTART_GAME, IDM_PAUSE, IDM_SELECT_DEAL}},
        {0, 0, 1, 0, "classic.kvl", 2, 1, 0, {IDM_SAVE_GAME, IDM_RESTART_GAME, IDM_SELECT_DEAL}},
    };
    const int eleven[] = {IDM_SAVE_PUZZLE, IDM_SAVE_GAME, IDM_HINT,    IDM_RESTART_GAME,
                          IDM_LAYER_DOWN,  IDM_LAYER_UP,  IDM_UNDO,    IDM_REDO,
                          IDM_SHUFFLE,     IDM_PAUSE,     IDM_SELECT_DEAL};
    for (const Case& c : cases) {
        app.editorMode = c.editorMode;
        app.editorLayer = c.editorLayer;
        app.canSaveGame = c.canSaveGame;
        app.gameActive = c.gameActive;
        std::strcpy(app.lastGame, c.lastGame);
        app.history.cursor = c.undoSteps;
        app.history.count = c.undoSteps + c.redoSteps;
        app.paused = c.paused;
        refreshMenu(app);
        EXPECT_EQ((GetMenuState(GetMenu(window), IDM_PAUSE, MF_BYCOMMAND) & MF_CHECKED) != 0, c.paused != 0);
        for (int id : eleven) {
            const bool enabled = std::find(c.enabled.begin(), c.enabled.end(), id) != c.enabled.end();
            EXPECT_EQ((GetMenuState(GetMenu(window), id, MF_BYCOMMAND) & MF_GRAYED) == 0, enabled)
                << "item " << id << " in mode " << c.editorMode << " layer " << c.editorLayer;
        }
        EXPECT_EQ(GetMenuState(GetMenu(window), IDM_NEW_GAME, MF_BYCOMMAND) & MF_GRAYED, 0u);
    }
    DestroyWindow(window);
}

}  // namespace
