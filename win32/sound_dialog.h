// The "Sound settings" dialog: a list of the five events with their switch
// and wave file. Opened by openSoundDialog (dialog_commands.h).
#pragma once

#include <windows.h>

// The dialog procedure; DialogBoxParamA passes the AppState as its parameter.
// The list is the working copy: the sounds change only on OK.
INT_PTR CALLBACK soundDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Turns every check box of the dialog's list on or off; the texts stay.
void setAllSoundChecks(HWND dialog, bool on);
