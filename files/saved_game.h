// The saved game: the [FIELD] section of the game's puzzle, then a [TILES]
// section with the place and face of every tile still on the board.
#pragma once

#include <string>

#include "rules/board.h"
#include "rules/tile_set.h"

struct FilePath;
struct Profile;

// The whole text of a saved game of `puzzle` and `board`.
void composeSavedGame(const Board& puzzle, const Board& board, std::string& text);

// Reads the [TILES] section of the file named by `path`. Fails with
// "Invalid format!" unless COUNT is even and 2..144 and the tiles below
// COUNT stand on as many distinct positions, each wholly on the grid, each
// with a face of its type.
// `tileSet` gives the faces each type has.
bool readTiles(FilePath& path, const TileSet& tileSet, Board& grid, std::string& message);
bool readTilesFrom(const TileSet& tileSet, const Profile& profile, Board& grid, std::string& message);
