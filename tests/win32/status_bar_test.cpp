// The status bar of the real window: its parts, the room it takes from the
// board, the solver's verdict arriving from the worker and the hint that
// follows it, the clock, a new best time and the deal's number that Select
// deal sets; and the menu item that asks for deals the solver wins.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <string>

#include "dialog_driver.h"
#include "game/app_state.h"
#include "game/deal_number.h"
#include "game/host.h"
#include "resources/resource.h"
#include "scratch_game.h"
#include "win32/commands.h"
#include "win32/platform_state.h"
#include "win32/status_bar.h"

namespace {

struct StatusBarTest : ScratchGame {
    HWND bar() { return GetDlgItem(window, IDC_STATUS_BAR); }
    std::string part(int index) {
        char text[100] = {};
        SendMessageA(bar(), SB_GETTEXTA, index, reinterpret_cast<LPARAM>(text));
        return text;
    }
    // Dispatches messages until the verdict part reads `text`, for at most 10 s.
    bool verdictArrives(const std::string& text) {
        MSG message;
        for (DWORD start = GetTickCount(); GetTickCount() - start < 10000; Sleep(5)) {
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            if (part(3) == text) return true;
        }
        return false;
    }
    // A board of just these tiles, each (x, y, z, number) of one type.
    void setBoard(std::initializer_list<Anchor> tiles, std::initializer_list<int> numbers) {
        clearBoard(app().board);
        auto number = numbers.begin();
        for (const Anchor& tile : tiles) cellAt(app().board, tile.z, tile.y, tile.x) = Cell{0, *number++, 0, 0, 0};
        boardChanged(app());
    }
};

TEST_F(StatusBarTest, TheBoardLiesAboveTheBarAndItsPartsCount) {
    ASSERT_NE(bar(), nullptr);
    EXPECT_EQ(SendMessageA(bar(), SB_GETPARTS, 0, 0), 6);
    RECT client;
    RECT barRect;
    GetClientRect(window, &client);
    GetWindowRect(bar(), &barRect);
    const int barHeight = barRect.bottom - barRect.top;
    EXPECT_GT(barHeight, 10);
    int width = 0;
    int height = 0;
    clientSize(app(), width, height);
    EXPECT_EQ(width, client.right);
    EXPECT_EQ(height, client.bottom - barHeight);
    POINT barTop{barRect.left, barRect.top};
    ScreenToClient(window, &barTop);
    EXPECT_EQ(barTop.y, height);
    EXPECT_EQ(part(0), "Tiles: 144");
    EXPECT_EQ(part(2), "Time: 0:00");

    // Resizing keeps the bar at the bottom and the board above it.
    SetWindowPos(window, nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(window, &client);
    clientSize(app(), width, height);
    GetWindowRect(bar(), &barRect);
    barTop = POINT{barRect.left, barRect.top};
    ScreenToClient(window, &barTop);
    EXPECT_EQ(barTop.y, height);
    EXPECT_EQ(height, client.bottom - barHeight);
}

TEST_F(StatusBarTest, TheSolversVerdictFollowsTheBoard) {
    // Two pairs apart from each other on layer 0: clearly winnable.
    setBoard({{0, 0, 0}, {4, 0, 0}, {8, 0, 0}, {12, 0, 0}}, {1, 1, 2, 2});
    EXPECT_EQ(part(0), "Tiles: 4");
    EXPECT_EQ(part(1), "Pairs: 2");
    EXPECT_TRUE(verdictArrives("Can be won")) << part(3);

    // The two copies of a face stacked on each other: one free tile, lost.
    setBoard({{0, 0, 0}, {0, 0, 1}}, {1, 1});
    EXPECT_EQ(part(3), "");  // nothing while unknown
    EXPECT_EQ(part(0), "Tiles: 2");
    EXPECT_EQ(part(1), "Pairs: 0");
    EXPECT_TRUE(verdictArrives("Cannot be won any more")) << part(3);

    // A pair that starts to vanish has left play at once.
    setBoard({{0, 0, 0}, {4, 0, 0}, {8, 0, 0}, {12, 0, 0}}, {1, 1, 2, 2});
    cellAt(app().board, 0, 0, 0).effect = EffectVanishing;
    cellAt(app().board, 0, 0, 4).effect = EffectVanishing;
    syncStatus(app());
    EXPECT_EQ(part(0), "Tiles: 2");
    EXPECT_EQ(part(1), "Pairs: 1");
}

// Two circles 1 loose, two stacked: the loose pair loses. Once the verdict
// has come, Ctrl+H never shows it, until the option is unchecked.
TEST_F(StatusBarTest, ATrapPositionGetsTheSafePairUntilTheOptionIsOff) {
    setBoard({{4, 4, 0}, {10, 4, 0}, {4, 10, 0}, {4, 10, 1}}, {1, 1, 1, 1});
    app().gameActive = 1;
    ASSERT_TRUE(verdictArrives("Can be won")) << part(3);
    int loosePairs = 0;
    for (int on : {1, 0}) {
        EXPECT_EQ((GetMenuState(GetMenu(window), IDM_HINT_SAFE, MF_BYCOMMAND) & MF_CHECKED) != 0, on == 1);
        for (uint32_t seed = 0; seed < 24; ++seed) {
            for (Cell& cell : app().board.cells) cell.effect = EffectNone;
            seedRandom(app().random, seed);
            SendMessageA(window, WM_COMMAND, IDM_HINT, 0);
            const bool loose = cellAt(app().board, 0, 4, 4).effect == EffectBlankFlash &&
                               cellAt(app().board, 0, 4, 10).effect == EffectBlankFlash;
            EXPECT_FALSE(loose && on == 1) << "seed " << seed;
            loosePairs += loose;
        }
        SendMessageA(window, WM_COMMAND, IDM_HINT_SAFE, 0);
    }
    EXPECT_GT(loosePairs, 0) << "the plain hint never showed the losing pair";
}

// The box holds the deal's number; what is no number from 0 to 4294967295 is
// refused with the dialog left open, and a number is dealt.
TEST_F(StatusBarTest, SelectDealRefusesWhatIsNoDealNumberAndDealsTheNumberTyped) {
    const std::string current = std::to_string(app().dealNumber);
    EXPECT_EQ(part(4), "Deal " + current);
    const std::vector<std::string> refused = {"", "  ", "-1", "+5", "4294967296", "99999999999999999999", "1.5", "0x10"};
    std::vector<std::string> shown;
    const DialogRun run = driveDialog(
        "Select deal", [&] { runCommand(app(), IDM_SELECT_DEAL); },
        [&](HWND dialog) {
            for (const std::string& typed : refused) {
                char text[32] = {};
                GetDlgItemTextA(dialog, IDC_DEAL_NUMBER, text, sizeof text);
                shown.push_back(text);  // the number at first, then what was refused
                SetDlgItemTextA(dialog, IDC_DEAL_NUMBER, typed.c_str());
                clickButton(dialog, IDOK);
            }
            SetDlgItemTextA(dialog, IDC_DEAL_NUMBER, " 4294967295 ");
            clickButton(dialog, IDOK);
        });
    std::vector<std::string> expected = {current};
    expected.insert(expected.end(), refused.begin(), refused.end() - 1);
    EXPECT_EQ(shown, expected);  // the dialog stayed open after each refusal
    EXPECT_EQ(run.messages, std::vector<std::string>(refused.size(), kDealNumberRefused));
    syncStatus(app());
    EXPECT_EQ(part(4), "Deal 4294967295");
}

TEST_F(StatusBarTest, TheClockRunsOnlyWhileAGameIsPlayedInAVisibleWindow) {
    app().gameActive = 1;
    syncClock(app());
    EXPECT_TRUE(app().platform->clockTimerOn);
    ShowWindow(window, SW_MINIMIZE);
    EXPECT_FALSE(app().platform->clockTimerOn);
    ShowWindow(window, SW_RESTORE);
    EXPECT_TRUE(app().platform->clockTimerOn);

    EXPECT_TRUE(app().clock.running);
    app().clock.since = monotonicMilliseconds();
    app().clock.played = (3 * 60 + 25) * 1000;
    clockTick(app());
    EXPECT_EQ(part(2), "Time: 3:25");
    app().clock.played = (3600 + 60) * 1000;
    clockTick(app());
    EXPECT_EQ(part(2), "Time: 1:01:00");

    // A finished game stops the clock.
    clearBoard(app().board);
    app().gameActive = 0;
    syncClock(app());
    EXPECT_FALSE(app().platform->clockTimerOn);
}

// The win's message is open while the cleared board is counted; the new best
// time shows once it has closed, and goes with the game.
TEST_F(StatusBarTest, ANewBestTimeShowsAfterTheWinAndGoesWithIt) {
    setBoard({}, {});
    EXPECT_EQ(part(3), "");
    app().game.newBest = 1;
    app().game.bestTime = 3 * 60 + 25;
    syncStatus(app());
    EXPECT_EQ(part(3), "New best time: 3:25");
    app().game.newBest = 0;
    syncStatus(app());
    EXPECT_EQ(part(3), "");
}

// The keys reach the board through the window, and the focused tile is named
// in the last part and, as the board's accessible name, to screen readers.
TEST_F(StatusBarTest, TheFocusedTileIsNamedInTheBarAndToScreenReaders) {
    setBoard({{0, 0, 0}, {4, 0, 0}, {2, 0, 1}}, {1, 2, 3});
    EXPECT_EQ(part(5), "") << "nothing before the first key";
    SendMessageA(window, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(part(5), "Circles 1, free");
    SendMessageA(window, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(part(5), "Circles 3, free");

    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* board = nullptr;
    ASSERT_TRUE(SUCCEEDED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                     reinterpret_cast<void**>(&board))));
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    ASSERT_TRUE(SUCCEEDED(board->get_accName(self, &name)));
    EXPECT_EQ(std::wstring(name), L"Circles 3, free");
    SysFreeString(name);
    board->Release();
    CoUninitialize();
}

TEST_F(StatusBarTest, WinnableDealsOnlyIsACheckItemThatToggles) {
    const HMENU menu = GetMenu(window);
    for (int on : {1, 0}) {
        SendMessageA(window, WM_COMMAND, IDM_WINNABLE_ONLY, 0);
        EXPECT_EQ(app().winnableOnly, on);
        EXPECT_EQ((GetMenuState(menu, IDM_WINNABLE_ONLY, MF_BYCOMMAND) & MF_CHECKED) != 0, on == 1);
    }
}

}  // namespace
