// The clock of the game: every 25 ms the effects stored in the cells advance,
// vanished pairs leave the board and the end of the game is decided.
#pragma once

struct AppState;
struct Board;

// The handler of timer 1. Allocates nothing.
void animationTick(AppState& app);

// Whether any cell still has an effect to advance: only then does the clock
// need to tick.
bool effectsRunning(const Board& board);

// What follows a pair leaving the board, taken by hand or by Redo: play goes
// on (Save game is offered), or the game is over, or it is won.
void afterPairRemoved(AppState& app);
