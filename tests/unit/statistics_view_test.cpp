#include <gtest/gtest.h>

#include "game/statistics_view.h"

// The share won says 100 % only when every game was won and 0 % only when none
// was; both time columns take hours from the first hour on.
TEST(StatisticsView, CellsSayWhatTheRecordHolds) {
    const struct { int played, won, seconds, column; const char* text; } rows[] = {
        {3, 2, 0, ColumnWonPercent, "67%"},       {200, 199, 0, ColumnWonPercent, "99%"},
        {201, 1, 0, ColumnWonPercent, "1%"},      {200, 200, 0, ColumnWonPercent, "100%"},
        {5, 0, 0, ColumnWonPercent, "0%"},        {0, 0, 0, ColumnWonPercent, "-"},
        {1, 1, 0, ColumnBestTime, "0:00"},        {1, 1, 59, ColumnAverageTime, "0:59"},
        {1, 1, 3599, ColumnBestTime, "59:59"},    {1, 1, 3599, ColumnAverageTime, "59:59"},
        {1, 1, 3600, ColumnBestTime, "1:00:00"},  {1, 1, 3600, ColumnAverageTime, "1:00:00"},
        {1, 1, 3661, ColumnAverageTime, "1:01:01"}, {1, 1, 36000, ColumnBestTime, "10:00:00"}};
    for (const auto& row : rows) {
        const PuzzleRecord r{"a.kvl", row.played, row.won, row.won, row.seconds, row.seconds};
        EXPECT_EQ(statisticsCell(r, row.column), row.text) << row.won << " of " << row.played << ", " << row.seconds;
    }
}
