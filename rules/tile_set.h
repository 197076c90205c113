// The 144 tiles: nine faces each of circles, bamboo and characters, four winds
// and three dragons in four copies, four seasons and four flowers once.
#pragma once

#include <cstdint>
#include <string>

#include "rules/board.h"

// By tile type: the highest face number, and how many tiles carry each face.
// The blank position and the STOP face have no tiles.
struct TileSet {
    int32_t numbersPerType[TypeCount];
    int32_t copiesPerType[TypeCount];
};

void storeTileSet(TileSet& tiles);

// The face in words: "Circles 5", "North wind", "Red dragon", "Winter",
// "Orchid"...; empty for anything that is not a face of the set.
std::string faceName(int type, int number);
