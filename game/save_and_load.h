// Saving and loading from the game: Save puzzle, Save game and Load game,
// and the writes and deletions of their dialogs, which ask and report in
// message boxes. The file named is always the one of app.filePath.
#pragma once

#include <string>

#include "game/host.h"  // Owner

struct AppState;
struct Profile;

// Creates the folder, asks "File exist. Overwrite?" before replacing a file,
// and writes `text` as the whole content through a temporary file, so that a
// failure leaves any old file as it was. Shows its own failures.
bool writeTextFile(AppState& app, const std::string& text, Owner owner);

// Deletes the file; "Error delete file" when that fails.
bool deleteSavedFile(AppState& app, Owner owner);

// Save puzzle: normalises the edited board, writes "Puzzle\<name>.kvl"
// (the name is in app.filePath.name) and makes it the current puzzle
// (lastGame). True when the file was written; the caller then deals on it.
bool savePuzzle(AppState& app);

// Save game: writes "Save\<name>.kvg" (the name is in app.filePath.name).
void saveGame(AppState& app);

// Load game: reads the listed file `name` from "Save" into scratch grids and
// only then replaces the game; "Loading error!" in a box owned by `owner`
// when the file does not read, and the game stays as it was.
bool loadGame(AppState& app, const char* name, Owner owner);

// The same for a saved game already read.
bool loadGameFrom(AppState& app, const Profile& profile, Owner owner);
