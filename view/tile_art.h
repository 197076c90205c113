// The tile sets the faces can be drawn from: the same cells of the sheet,
// drawn three ways. Stored by name as TILE_SET in the settings file.
#pragma once

#include <cstdint>

enum TileArt : int32_t {
    TileArtClassic,     // the default
    TileArtLargePrint,  // big numerals and letters, suits by shape and by colours kept apart
    TileArtNight,       // light symbols on a dark card, for a dark room
    TileArtCount
};

// "Classic", "Large print", "Night".
const char* tileArtName(int32_t art);

// The set of that name, matched without case; -1 for a name of no set.
int32_t tileArtNamed(const char* name);
