// The time of play on a fake monotonic clock: real time played, pauses and
// minimised time left out, nothing lost to pausing often, and one final time
// for the status bar, the records and the best time.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "fake_host.h"
#include "game/clicks.h"
#include "game/pause.h"
#include "game/play_clock.h"
#include "game/records.h"
#include "game/tick.h"
#include "temp_folder.h"

namespace {

enum Event { Show, Minimise, Pause, LastPair };

class PlayClockTest : public InTempFolder {};

TEST_F(PlayClockTest, CountsTheRealTimePlayed) {
    struct Row {
        const char* name;
        std::vector<std::pair<int64_t, Event>> events;  // at which millisecond
        int64_t readAt;
        int seconds;
    } const rows[] = {
        {"part-seconds are kept", {{0, Show}}, 2999, 2},
        {"pausing often holds nothing back",
         {{0, Show}, {700, Pause}, {800, Pause}, {1500, Pause}, {1600, Pause}, {2300, Pause}, {2400, Pause}}, 3100, 2},
        {"a pause is left out", {{0, Show}, {1500, Pause}, {60000, Pause}}, 61600, 3},
        {"minimised time is left out", {{0, Show}, {1500, Minimise}, {10000, Show}}, 11600, 3},
        {"the last pair stops it, the win's message open or not", {{0, Show}, {4200, LastPair}}, 60000, 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::remove("Statistics.ini");
        auto app = newTestState();
        cellAt(app->board, 0, 0, 0) = cellAt(app->board, 0, 0, 6) = Cell{TypeCircles, 1};
        app->gameActive = 1;
        beginGame(*app, "apart.kvl", true);
        fakeHost().messageOpenFor = 5000;  // the player reads each message for a while
        bool shown = false;
        for (const auto& [at, event] : row.events) {
            fakeHost().now = at;
            if (event == Pause) togglePause(*app);
            if (event == LastPair) {
                clickTile(*app, Anchor{0, 0, 0});
                clickTile(*app, Anchor{6, 0, 0});
                for (int tick = 0; tick < 25; ++tick) animationTick(*app);
            }
            if (event == Show || event == Minimise) shown = event == Show;
            syncPlayClock(*app, shown);  // as the window does after every event
        }
        fakeHost().now = row.readAt;
        syncPlayClock(*app, shown);
        EXPECT_EQ(secondsPlayed(*app), row.seconds);
        if (app->game.counted == 0) continue;
        std::vector<PuzzleRecord> records;
        ASSERT_TRUE(readRecords(*app, records) && records.size() == 1);
        EXPECT_EQ(records[0].totalTime, row.seconds);
        EXPECT_EQ(app->game.bestTime, row.seconds);
    }
}

}  // namespace
