// When a tile may be taken: nothing lies on it, and it is not hemmed in on
// both its left and its right.
#pragma once

#include "rules/board.h"

// A tile of layer z touches the left edge of the tile anchored at (x, y):
// anchored two columns left, in the same row or half a tile up or down.
bool hasLeftNeighbour(const Board& board, int z, int x, int y);
bool hasRightNeighbour(const Board& board, int z, int x, int y);

// A tile of the layer directly above overlaps the footprint; never on layer 4.
bool isCoveredFromAbove(const Board& board, int z, int x, int y);

// Does not look at whether a tile is anchored at (x, y, z): callers do.
bool isFree(const Board& board, int z, int x, int y);
