// The pictures beside the file lists of the New game and Load game dialogs:
// the selected puzzle or saved game at 25 %, or why it cannot be shown.
#pragma once

#include <windows.h>

#include "sound/sound_event.h"  // kTextSize

struct AppState;

// The selected line of the dialog's file list; false when none is selected.
bool selectedFileName(HWND dialog, char (&name)[kTextSize]);

// Addresses the selected file through filePath: `folder`, the line as listed
// (it carries its extension) and no extension. False when none is selected.
bool addressSelectedFile(HWND dialog, AppState& app, const char* folder);

// New game: the selected puzzle of "Puzzle" as blank tiles, or the reader's
// message. Called on each paint of the dialog.
void drawPuzzlePreview(HWND dialog, AppState& app);

// Load game: the tiles of the selected saved game of "Save", placed on its
// whole layout, or the reader's message or "File is not selected". OK is
// enabled only when both parts of the file were read.
void drawSavedGamePreview(HWND dialog, AppState& app);
