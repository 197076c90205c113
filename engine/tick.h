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
