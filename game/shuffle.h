// The Shuffle command: the tiles left get their faces anew, over the same
// positions, in an arrangement that can be won.
#pragma once

struct AppState;

// Offered in a game while two tiles or more are left and no effect runs,
// also once the game is over: play then goes on.
bool canShuffle(const AppState& app);

// Rearranges the faces of the tiles left so that the game can be won, as one
// step of Undo and Redo. When no arrangement of those positions can be
// cleared, says so and changes nothing.
void shuffleBoard(AppState& app);
