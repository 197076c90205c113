// The clock of the game: every 25 ms the effects stored in the cells advance,
// vanished pairs leave the board and the end of the game is decided.
#pragma once

struct AppState;

// The handler of timer 1. Allocates nothing.
void animationTick(AppState& app);
