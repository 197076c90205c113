// Small helpers for laying out boards in tests.
#pragma once

#include "rules/board.h"

inline void place(Board& board, int z, int y, int x, int type = TypeBlank, int number = 1) {
    Cell& cell = cellAt(board, z, y, x);
    cell.type = type;
    cell.number = number;
}

// A row of tiles edge to edge on layer z, starting at column x.
inline void placeRow(Board& board, int z, int y, int x, int count, int type, int number) {
    for (int i = 0; i < count; ++i) place(board, z, y, x + 2 * i, type, number);
}
