// The saved game: the [FIELD] section of the game's puzzle, then a [TILES]
// section with the place and face of every tile still on the board.
#pragma once

#include <string>

#include "engine/board.h"
#include "engine/host.h"  // Owner

struct AppState;
struct Profile;

// The whole text of a saved game of `puzzle` and `board`.
void composeSavedGame(const Board& puzzle, const Board& board, std::string& text);

// Save game: writes "Save\<name>.kvg" (the name is in app.filePath.name).
void saveGame(AppState& app);

// Reads the [TILES] section of the file named by app.filePath. Fails with
// "Invalid format!" unless COUNT is even and 2..144 and the tiles below
// COUNT stand on as many distinct positions, each wholly on the grid, each
// with a face of its type.
bool readTiles(AppState& app, Board& grid, std::string& message);
bool readTilesFrom(const AppState& app, const Profile& profile, Board& grid,
                   std::string& message);

// Load game: reads the listed file `name` from "Save" into scratch grids and
// only then replaces the game; "Loading error!" in a box owned by `owner`
// when the file does not read, and the game stays as it was.
bool loadGame(AppState& app, const char* name, Owner owner);

// The same for a saved game already read.
bool loadGameFrom(AppState& app, const Profile& profile, Owner owner);
