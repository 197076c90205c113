#include "sound/sound_event.h"

#include <cstdio>

const char* soundEventName(int event) {
    static const char* const names[SoundEventCount] = {
        "error", "level is completed", "pair is completed", "selection", "unselection"};
    return event >= 0 && event < SoundEventCount ? names[event] : "";
}

void defaultSoundPath(int event, char (&path)[kTextSize]) {
    std::snprintf(path, sizeof path, ".\\Sound\\%s.wav", soundEventName(event));
}
