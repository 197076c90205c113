// The game in play as the records of play see it (game/records.h), kept in
// the state record.
#pragma once

#include <cstdint>

#include "files/text.h"

// What one game's end adds to its puzzle's record.
struct GameCount {
    int32_t played;
    int32_t won;
    int32_t timedWins;
    int32_t totalTime;  // seconds
};

struct GameRecord {
    char puzzle[kTextSize];  // the name it counts under; empty: it never counts
    int32_t started;         // its first pair has been taken
    int32_t counted;         // its end is in the file
    int32_t helpersUsed;     // Hint, Undo or Shuffle: no best time
    int32_t timed;           // its clock ran from the deal (not so for a loaded game)
    int32_t inFile;          // its end is written in the file: Undo takes it back out
    GameCount count;         // what its end added to the puzzle's record
    int32_t previousBest;    // the puzzle's best time before its win set a new one
    int32_t newBest;         // its win set the best time: the status bar says so
    int32_t bestTime;        // that time, in seconds
};

// Statistics.ini as this run of the program finds it.
struct RecordsFile {
    int32_t unreadable;    // it is there but could not be read: left alone until the program ends
    int32_t writeFailed;   // a write failed and the player was told
};
