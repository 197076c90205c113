// The Hint command.
#pragma once

struct AppState;
struct Move;

// The pair Hint shows. With hintSafe on, while the solver's winning start
// holds for the tiles in play, its pair: taking it keeps the game winnable.
// Otherwise a pair drawn by findMoves, as a plain hint. False when there is
// no pair at all.
bool chooseHintPair(AppState& app, Move& move);

// Flashes a pair of free matching tiles with the blank face (chooseHintPair),
// or says that there is none.
void showHint(AppState& app);
