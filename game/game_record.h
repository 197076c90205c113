// The game in play as the records of play see it (game/records.h), kept in
// the state record.
#pragma once

#include <cstdint>

#include "files/statistics_file.h"

struct GameRecord {
    char puzzle[kTextSize];  // the name it counts under; empty: it never counts
    int32_t started;         // its first pair has been taken
    int32_t counted;         // its end is in the file
    int32_t helpersUsed;     // Hint, Undo or Shuffle: no best time
    int32_t timed;           // its clock ran from the deal (not so for a loaded game)
    int32_t restorable;      // `before` may go back into the file when the end is undone
    PuzzleRecord before;     // the puzzle's record before this game's end was counted
    int32_t newBest;         // its win set the best time: the status bar says so
    int32_t bestTime;        // that time, in seconds
};
