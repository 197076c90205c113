// The five sound events of play and where their wave files live by default.
#pragma once

#include <cstdint>

#include "files/text.h"


enum SoundEventId {
    SoundError = 0,
    SoundLevelCompleted = 1,
    SoundPairCompleted = 2,
    SoundSelection = 3,
    SoundUnselection = 4,
    SoundEventCount = 5
};

struct SoundEvent {
    int32_t enable;        // 1 = play this event's sound
    char name[kTextSize];  // fixed for the run; forms the settings keys
    char file[kTextSize];  // wave file, relative to the current folder or absolute
};

// "error", "level is completed", ... in event order.
const char* soundEventName(int event);

// ".\Sound\" + the event's name + ".wav".
void defaultSoundPath(int event, char (&path)[kTextSize]);
