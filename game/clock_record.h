// The play clock as the state record keeps it (game/play_clock.h runs it).
#pragma once

#include <cstdint>

struct PlayClock {
    int64_t played;   // milliseconds counted up to `since`
    int64_t since;    // when it last started, while it runs
    int32_t running;
};
