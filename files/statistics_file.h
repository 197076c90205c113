// Statistics.ini: the records of play per puzzle, in the settings file's
// format. Every puzzle with games has a section of its own, numbered in the
// order the puzzles were first counted:
//
//   [PUZZLE_1]
//   NAME = classic.kvl     the puzzle file, or "(other)"
//   PLAYED = 12            games counted
//   WON = 5                of them won
//   TIMED_WINS = 4         wins whose clock ran from the deal
//   TOTAL_TIME = 1510      the seconds of those wins together
//   BEST_TIME = 301        the fastest win without Hint, Undo or Shuffle, in
//                          seconds; -1 = none yet
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "files/text.h"

// A file at the size limit may name some 150,000 puzzles: the name is held
// by its length, not in a buffer of the longest.
struct PuzzleRecord {
    std::string name;  // at most 259 characters, no NUL
    int32_t played;
    int32_t won;
    int32_t timedWins;
    int32_t totalTime;
    int32_t bestTime;  // -1 = none yet
};

// An empty record of that puzzle: nothing played, no best time.
PuzzleRecord emptyRecord(const std::string& name);

// Every section with a NAME and games played, read as far as it makes sense:
// counts that cannot be (negative, more won than played, times without a
// timed win, a best time beyond them all) are mended or dropped; a puzzle
// named twice (names match without regard to case) has its records added
// up. Other sections and keys are passed over.
void readStatisticsFrom(const std::string& text, std::vector<PuzzleRecord>& records);

// The same from a file; a missing file holds no records. False when the
// file is there but cannot be read (a read error, or larger than the
// profile reader takes): its records are unknown, not empty.
bool readStatistics(const char* windowsPath, std::vector<PuzzleRecord>& records);

// The whole text, in the settings file's form; records without games are
// left out, so no records give an empty file.
std::string composeStatistics(const std::vector<PuzzleRecord>& records);

// Writes the file whole; a failure leaves the old file as it was.
bool writeStatistics(const char* windowsPath, const std::vector<PuzzleRecord>& records);

// Whatever a hand, a crash or a subtraction did to the numbers, the record
// becomes one the program could have written.
void mendRecord(PuzzleRecord& record);

// The name without the blanks and quotes around it, which the file would not
// give back.
std::string cleanedName(std::string name);
void cleanName(char (&name)[kTextSize]);

// The record of that puzzle, added empty when there is none.
PuzzleRecord& recordOf(std::vector<PuzzleRecord>& records, const char* name);

// a + b, held at the largest int32_t instead of wrapping.
int32_t addCapped(int32_t a, int32_t b);
