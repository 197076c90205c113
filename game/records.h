// The records of play: which games count, under which puzzle, and how they
// ended. Statistics.ini is written at the end of every counted game, so that
// a crash loses at most the game being played.
//
// A game counts once its first pair has been taken. It ends won, lost, or
// given up when New game, Restart, Load game, Create puzzle or Exit leaves
// it. Undo or Shuffle out of its end reopens it: its count is taken back,
// and it is counted again by how it finally ends.
#pragma once

#include <vector>

#include "files/statistics_file.h"
#include "files/text.h"
#include "rules/board.h"

struct AppState;

// The file beside the program.
constexpr const char* kStatisticsFile = ".\\Statistics.ini";

// A loaded game whose field is no puzzle of the Puzzle folder counts here.
constexpr const char* kOtherPuzzle = "(other)";

// A game begins under `puzzle` (empty: the editor, no game): the game it
// replaces is given up first.
void beginGame(AppState& app, const char* puzzle, bool timed);

// The game is left (given up, when it counts and has not ended).
void giveUpGame(AppState& app);

// A pair has left the board: from now on the game counts.
void notePairTaken(AppState& app);

// Hint, Undo or Shuffle helped in this game.
void noteHelperUsed(AppState& app);

// The game has ended, won or lost, after the time on its clock: counted in
// the file.
// True when the win set a new best time; the caller tells the player.
bool countGameEnd(AppState& app, bool won);

// Play goes on after the game had ended: its count is taken back out of
// the file, leaving what other copies of the program counted meanwhile.
void reopenGame(AppState& app);

// The records in Statistics.ini. When the file is there but cannot be read,
// the player is told once and the file is left alone for the rest of the
// run: false, and no records.
bool readRecords(AppState& app, std::vector<PuzzleRecord>& records);

// The Reset button of the Statistics dialog: every record is gone (unless
// the file could not be read).
void resetStatistics(AppState& app);

// The puzzle file in "Puzzle" whose layout is `field` (the first by name),
// or "(other)".
void puzzleOfField(const Layout& field, char (&name)[kTextSize]);
