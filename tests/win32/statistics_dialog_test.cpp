// The Statistics dialog on the real main window: the rows of Statistics.ini
// in the order a click on a column header asks for, and Reset after its
// question.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "game/statistics_view.h"
#include "resources/resource.h"
#include "scratch_game.h"
#include "win32/dialog_commands.h"

namespace {

const char* const kThreePuzzles =
    "[PUZZLE_1]\r\nNAME = classic.kvl\r\nPLAYED = 10\r\nWON = 5\r\nTIMED_WINS = 4\r\n"
    "TOTAL_TIME = 1002\r\nBEST_TIME = 200\r\n"
    "[PUZZLE_2]\r\nNAME = pyramid.kvl\r\nPLAYED = 3\r\nWON = 2\r\nTIMED_WINS = 2\r\n"
    "TOTAL_TIME = 900\r\nBEST_TIME = -1\r\n"
    "[PUZZLE_3]\r\nNAME = (other)\r\nPLAYED = 2\r\n";

// Each row's cells joined by "|".
std::vector<std::string> rows(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_STATISTICS_LIST);
    std::vector<std::string> out;
    for (int row = 0; row < ListView_GetItemCount(list); ++row) {
        std::string line;
        for (int column = 0; column < kStatisticsColumns; ++column) {
            char text[64] = {};
            ListView_GetItemText(list, row, column, text, sizeof text);
            line += (column == 0 ? "" : "|") + std::string(text);
        }
        out.push_back(line);
    }
    return out;
}

// A click on the header of the column, as the mouse gives it.
void clickHeader(HWND dialog, int column) {
    HWND header = ListView_GetHeader(GetDlgItem(dialog, IDC_STATISTICS_LIST));
    RECT item;
    Header_GetItemRect(header, column, &item);
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(header, WM_LBUTTONUP, 0, at);
}

std::string fileText() {
    std::ifstream in("Statistics.ini", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

using StatisticsDialogTest = ScratchGame;

TEST_F(StatisticsDialogTest, RowsFollowTheClickedHeaderAndResetAsksFirst) {
    const std::string classic = "classic|10|5|50%|3:20|4:11";  // 250.5 seconds
    const std::string pyramid = "pyramid|3|2|67%|-|7:30";
    const std::string other = "(other)|2|0|0%|-|-";
    const char* const question = "Reset all statistics. Are you sure?";
    struct Case {
        std::vector<int> clicks;  // on column headers
        int reset;                // the answer to Reset's question; 0: Reset not clicked
        std::vector<std::string> rows;
    } const cases[] = {
        {{}, 0, {other, classic, pyramid}},
        {{ColumnPlayed}, 0, {other, pyramid, classic}},
        {{ColumnPlayed, ColumnPlayed}, 0, {classic, pyramid, other}},
        {{ColumnWon, ColumnWonPercent}, 0, {other, classic, pyramid}},
        {{ColumnBestTime, ColumnBestTime}, 0, {classic, other, pyramid}},
        {{ColumnAverageTime, ColumnAverageTime}, 0, {pyramid, classic, other}},
        {{}, IDNO, {other, classic, pyramid}},
        {{}, IDYES, {}},
    };
    std::ofstream("Statistics.ini", std::ios::binary) << kThreePuzzles;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.clicks.size() << " clicks, reset " << c.reset);
        std::vector<std::string> shown;
        bool resetOffered = false;
        const DialogRun run = driveDialog(
            "Statistics", [&] { openStatisticsDialog(app()); },
            [&](HWND dialog) {
                for (int column : c.clicks) clickHeader(dialog, column);
                if (c.reset != 0) clickButton(dialog, IDC_STATISTICS_RESET);
                shown = rows(dialog);
                resetOffered = IsWindowEnabled(GetDlgItem(dialog, IDC_STATISTICS_RESET));
            },
            c.reset);
        EXPECT_TRUE(run.driven);
        EXPECT_EQ(shown, c.rows);
        EXPECT_EQ(resetOffered, !c.rows.empty()) << "nothing to reset";
        EXPECT_EQ(run.messages, c.reset != 0 ? std::vector<std::string>{question} : std::vector<std::string>{});
        EXPECT_EQ(fileText(), c.rows.empty() ? "" : kThreePuzzles);
    }
}

}  // namespace
