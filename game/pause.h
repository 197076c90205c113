// Pause: the board is hidden and the game stands still, its clock and its
// effects included, until the player comes back.
#pragma once

struct AppState;

// A game is being played: dealt and not ended (a flash may outlive the
// end), not in the editor. The clock
// runs and Pause is offered only then.
bool gameInPlay(const AppState& app);

// The Pause command: pauses a game in play, or resumes a paused one.
void togglePause(AppState& app);

// Ends a pause, if there is one; false when there was none.
bool resumeGame(AppState& app);
