// The one path record through which puzzles and saved games are addressed.
#pragma once

#include "sound/sound_event.h"  // kTextSize

struct FilePath {
    char folder[kTextSize];        // "Puzzle", "Save" or empty
    char name[kTextSize];          // as typed, or a listed name with its extension
    char extension[kTextSize];     // without the dot; empty adds none
    char fullPath[kTextSize];      // composed, in the Windows form ".\Save\game1.kvg"
    char illegalChars[kTextSize];  // characters a typed name must not hold
};
