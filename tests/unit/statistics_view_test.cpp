#include <gtest/gtest.h>

#include "game/statistics_view.h"

// The share won says 100 % only when every game was won, 0 % only when none was.
TEST(StatisticsView, TheShareWonIsAllOrNoneOnlyWhenItIs) {
    const struct { int played, won; const char* text; } rows[] = {
        {3, 2, "67%"}, {200, 199, "99%"}, {201, 1, "1%"}, {200, 200, "100%"}, {5, 0, "0%"}, {0, 0, "-"}};
    for (const auto& row : rows) {
        PuzzleRecord r = emptyRecord("a.kvl");
        r.played = row.played;
        r.won = row.won;
        EXPECT_EQ(statisticsCell(r, ColumnWonPercent), row.text) << row.won << " of " << row.played;
    }
}
