#include "shell/win32/dialog_commands.h"

// Each dialog joins here with its template and procedure; until then the
// command leaves the game as it is.
void openNewGameDialog(AppState&) {}    // the New game dialog joins later
void openLoadGameDialog(AppState&) {}   // the Load game dialog joins later
void openSaveGameDialog(AppState&) {}   // the Save game dialog joins later
void openSavePuzzleDialog(AppState&) {} // the Save puzzle dialog joins later
