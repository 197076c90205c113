// The end of a game, decided each time a pair has left the board.
#pragma once

struct AppState;

// What follows a pair leaving the board, taken by hand or by Redo: play goes
// on (Save game is offered), or the game is over, or it is won.
void afterPairRemoved(AppState& app);
