// The time of play on a fake monotonic clock: real time played, pauses and
// minimised time left out, nothing lost to pausing often, and one final time
// for the status bar, the records and the best time.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "fake_host.h"
#include "game/clicks.h"
#include "game/pause.h"
#include "game/play_clock.h"
#include "game/records.h"
#include "game/tick.h"
#include "temp_folder.h"
#include "test_boards.h"

namespace {

enum Event { Show, Minimise, Pause, LastPair };

struct At {
    int64_t milliseconds;
    Event event;
};

class PlayClockTest : public InTempFolder {};

TEST_F(PlayClockTest, CountsTheRealTimePlayed) {
    struct Row {
        const char* name;
        std::vector<At> events;
        int64_t readAt;
        int seconds;
    } const rows[] = {
        {"part-seconds are kept", {{0, Show}}, 2999, 2},
        {"pausing twice a second holds nothing back",
         {{0, Show}, {700, Pause}, {800, Pause}, {1500, Pause}, {1600, Pause}, {2300, Pause}, {2400, Pause}},
         3100, 2},
        {"a pause is left out", {{0, Show}, {1500, Pause}, {60000, Pause}}, 61600, 3},
        {"minimised time is left out", {{0, Show}, {1500, Minimise}, {10000, Show}}, 11600, 3},
        {"the last pair stops it, the win's message open or not", {{0, Show}, {4200, LastPair}}, 60000, 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::remove("Statistics.ini");
        auto app = newTestState();
        place(app->board, 0, 0, 0, TypeCircles, 1);
        place(app->board, 0, 0, 6, TypeCircles, 1);
        app->gameActive = 1;
        beginGame(*app, "apart.kvl", true);
        fakeHost().messageOpenFor = 5000;  // the player reads each message for a while
        bool shown = false;
        for (const At& at : row.events) {
            fakeHost().now = at.milliseconds;
            switch (at.event) {
            case Show: shown = true; break;
            case Minimise: shown = false; break;
            case Pause: togglePause(*app); break;
            case LastPair:
                clickTile(*app, Anchor{0, 0, 0});
                clickTile(*app, Anchor{6, 0, 0});
                for (int tick = 0; tick < 25; ++tick) animationTick(*app);
                break;
            }
            syncPlayClock(*app, shown);  // as the window does after every event
        }
        fakeHost().now = row.readAt;
        syncPlayClock(*app, shown);
        EXPECT_EQ(secondsPlayed(*app), row.seconds);
        if (app->game.counted == 0) continue;
        std::vector<PuzzleRecord> records;
        readRecords(*app, records);
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0].totalTime, row.seconds);
        EXPECT_EQ(app->game.bestTime, row.seconds);
    }
}

}  // namespace
