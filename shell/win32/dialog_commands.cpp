#include "shell/win32/dialog_commands.h"

// Each dialog joins here with its template and procedure; until then the
// command leaves the game as it is.
void openViewDialog(AppState&) {}       // the view settings dialog joins later
void openSoundDialog(AppState&) {}      // the sound settings dialog joins later
