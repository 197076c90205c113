// The Hint command.
#pragma once

struct AppState;

// Flashes a pair of free matching tiles with the blank face (chooseHintPair),
// or says that there is none.
void showHint(AppState& app);
