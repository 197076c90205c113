// The safe hint and the deal numbers in the real window: the solver's worker
// tells the hint a pair that keeps a trap position winnable, the Game menu's
// option gives the plain hint back, and Select deal deals a typed number.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "dialog_driver.h"
#include "game/app_state.h"
#include "game/deal_number.h"
#include "resources/resource.h"
#include "rules/moves.h"
#include "scratch_game.h"
#include "win32/commands.h"
#include "win32/status_bar.h"

namespace {

constexpr int kVerdictPart = 3;
constexpr int kDealPart = 4;

struct HintAndDeal : ScratchGame {
    std::string part(int index) {
        char text[100] = {};
        SendDlgItemMessageA(window, IDC_STATUS_BAR, SB_GETTEXTA, index, reinterpret_cast<LPARAM>(text));
        return text;
    }
    // Dispatches messages until the verdict part reads `text`, for at most 10 s.
    bool verdictArrives(const std::string& text) {
        MSG message;
        for (DWORD start = GetTickCount(); GetTickCount() - start < 10000; Sleep(5)) {
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            if (part(kVerdictPart) == text) return true;
        }
        return false;
    }
    // Ctrl+H with the generator at `seed`: the anchors that flash.
    std::vector<int> hint(uint32_t seed) {
        for (Cell& cell : app().board.cells) cell.effect = EffectNone;
        seedRandom(app().random, seed);
        SendMessageA(window, WM_COMMAND, IDM_HINT, 0);
        std::vector<int> tiles;
        for (int i = 0; i < kCells; ++i)
            if (app().board.cells[i].effect == EffectBlankFlash) tiles.push_back(i);
        return tiles;
    }
};

// Four circles 1: two loose in row 4, two stacked in row 10. Taking the
// loose pair leaves the stack, and the game is lost.
TEST_F(HintAndDeal, ATrapPositionGetsTheSafePairUntilTheOptionIsOff) {
    clearBoard(app().board);
    for (const Anchor& a : {Anchor{4, 4, 0}, Anchor{10, 4, 0}, Anchor{4, 10, 0}, Anchor{4, 10, 1}})
        cellAt(app().board, a.z, a.y, a.x) = Cell{TypeCircles, 1, 0, 0, 0};
    app().gameActive = 1;
    boardChanged(app());
    ASSERT_TRUE(verdictArrives("Can be won")) << part(kVerdictPart);
    const std::vector<int> loosePair = {cellIndex(0, 4, 4), cellIndex(0, 4, 10)};

    const HMENU menu = GetMenu(window);
    int loosePairsShown = 0;
    for (int on : {1, 0}) {
        EXPECT_EQ(app().hintSafe, on);
        EXPECT_EQ((GetMenuState(menu, IDM_HINT_SAFE, MF_BYCOMMAND) & MF_CHECKED) != 0, on == 1);
        for (uint32_t seed = 0; seed < 24; ++seed) {
            const std::vector<int> shown = hint(seed);
            ASSERT_EQ(shown.size(), 2u);
            if (on == 1) {
                EXPECT_NE(shown, loosePair) << "seed " << seed;
            }
            loosePairsShown += shown == loosePair;
        }
        SendMessageA(window, WM_COMMAND, IDM_HINT_SAFE, 0);
    }
    EXPECT_GT(loosePairsShown, 0) << "the plain hint never showed the losing pair";
}

// The box holds the current deal's number; what is no number from 0 to
// 4294967295 is refused with the dialog left open; a number is dealt.
TEST_F(HintAndDeal, SelectDealRefusesWhatIsNoDealNumberAndDealsTheNumberTyped) {
    const uint32_t current = app().dealNumber;
    EXPECT_EQ(part(kDealPart), "Deal " + std::to_string(current));
    const char* const refused[] = {"", "  ", "-1", "+5", "4294967296", "99999999999999999999", "12a", "1.5", "0x10"};
    std::string shown;
    std::vector<bool> stayedOpen;
    const DialogRun run = driveDialog(
        "Select deal", [&] { runCommand(app(), IDM_SELECT_DEAL); },
        [&](HWND dialog) {
            char text[32] = {};
            GetDlgItemTextA(dialog, IDC_DEAL_NUMBER, text, sizeof text);
            shown = text;
            for (const char* typed : refused) {
                SetDlgItemTextA(dialog, IDC_DEAL_NUMBER, typed);
                clickButton(dialog, IDOK);
                stayedOpen.push_back(IsWindowVisible(dialog) != FALSE);
            }
            SetDlgItemTextA(dialog, IDC_DEAL_NUMBER, " 4294967295 ");
            clickButton(dialog, IDOK);
        });
    ASSERT_TRUE(run.driven);
    EXPECT_EQ(shown, std::to_string(current));
    EXPECT_EQ(run.messages, std::vector<std::string>(std::size(refused), kDealNumberRefused));
    EXPECT_EQ(stayedOpen, std::vector<bool>(std::size(refused), true));
    EXPECT_EQ(app().dealNumber, 4294967295u);
    syncStatus(app());
    EXPECT_EQ(part(kDealPart), "Deal 4294967295");
}

TEST_F(HintAndDeal, TheDealPartIsEmptyInTheEditor) {
    SendMessageA(window, WM_COMMAND, IDM_CREATE_PUZZLE, 0);
    EXPECT_EQ(part(kDealPart), "");
}

}  // namespace
