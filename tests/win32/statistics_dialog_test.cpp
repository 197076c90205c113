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
    "TOTAL_TIME = 1000\r\nBEST_TIME = 200\r\n"
    "[PUZZLE_2]\r\nNAME = pyramid.kvl\r\nPLAYED = 3\r\nWON = 3\r\nTIMED_WINS = 3\r\n"
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
    const std::string classic = "classic|10|5|50%|3:20|4:10";
    const std::string pyramid = "pyramid|3|3|100%|-|5:00";
    const std::string other = "(other)|2|0|0%|-|-";
    struct Case {
        std::vector<int> clicks;
        std::vector<std::string> rows;
    } const cases[] = {
        {{}, {other, classic, pyramid}},
        {{ColumnPlayed}, {other, pyramid, classic}},
        {{ColumnPlayed, ColumnPlayed}, {classic, pyramid, other}},
        {{ColumnWon, ColumnWonPercent}, {other, classic, pyramid}},
        {{ColumnBestTime, ColumnBestTime}, {classic, other, pyramid}},
        {{ColumnAverageTime, ColumnAverageTime}, {pyramid, classic, other}},
    };
    std::ofstream("Statistics.ini", std::ios::binary) << kThreePuzzles;
    for (const Case& c : cases) {
        std::vector<std::string> shown;
        const DialogRun run = driveDialog("Statistics", [&] { openStatisticsDialog(app()); }, [&](HWND dialog) {
            for (int column : c.clicks) clickHeader(dialog, column);
            shown = rows(dialog);
        });
        EXPECT_TRUE(run.driven);
        EXPECT_EQ(shown, c.rows) << c.clicks.size() << " clicks, the last on " << (c.clicks.empty() ? -1 : c.clicks.back());
    }

    for (int answer : {IDNO, IDYES}) {
        std::vector<std::string> shown;
        bool resetOffered = true;
        const DialogRun run = driveDialog(
            "Statistics", [&] { openStatisticsDialog(app()); },
            [&](HWND dialog) {
                clickButton(dialog, IDC_STATISTICS_RESET);
                shown = rows(dialog);
                resetOffered = IsWindowEnabled(GetDlgItem(dialog, IDC_STATISTICS_RESET));
                clickButton(dialog, IDCANCEL);  // Close
            },
            answer);
        EXPECT_EQ(run.messages, std::vector<std::string>{"Reset all statistics. Are you sure?"});
        EXPECT_EQ(shown.size(), answer == IDYES ? 0u : 3u);
        EXPECT_EQ(resetOffered, answer == IDNO);
        EXPECT_EQ(fileText(), answer == IDYES ? "" : kThreePuzzles);
    }
}

}  // namespace
