// The Hint command.
#pragma once

struct AppState;

// Flashes a random pair of free matching tiles with the blank face, or says
// that there is none.
void showHint(AppState& app);
