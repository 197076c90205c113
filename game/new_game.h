// Starting a game: New game reads the current puzzle file and deals on it;
// Restart deals the same puzzle afresh.
#pragma once

#include <cstdint>

struct AppState;

// At most this many deals are tried for one with a first move.
constexpr int kMaxDeals = 21;

// Reads "Puzzle\<lastGame>", deals until a move exists (at most 21 times),
// or with winnableOnly builds a deal that can be won (a puzzle that no order
// of play clears is reported and dealt at random), lays out the board and
// starts the appear effect. A puzzle that does not read is reported and
// forgotten (lastGame emptied); the game on screen stays. The generator's
// state before the deal's first draw is kept as the game's dealNumber.
void newGame(AppState& app);

// New game with the deal drawn as the number says: the same number on the
// same puzzle and option gives the same tiles. The program's generator goes
// on where it was, so the next New game is as random as ever.
void dealByNumber(AppState& app, uint32_t number);

// The Restart game command: asks first unless the game has no move left.
void restartGame(AppState& app);
