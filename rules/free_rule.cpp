#include "rules/free_rule.h"

static bool hasNeighbourAt(const Board& board, int z, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
        if (insideGrid(z, y + dy, x) && cellAt(board, z, y + dy, x).number != 0) return true;
    }
    return false;
}

bool hasLeftNeighbour(const Board& board, int z, int x, int y) {
    return hasNeighbourAt(board, z, x - 2, y);
}

bool hasRightNeighbour(const Board& board, int z, int x, int y) {
    return hasNeighbourAt(board, z, x + 2, y);
}

bool isCoveredFromAbove(const Board& board, int z, int x, int y) {
    if (z >= kLayers - 1) return false;
    return isOccupied(board, z + 1, x, y) || isOccupied(board, z + 1, x + 1, y) ||
           isOccupied(board, z + 1, x, y + 1) || isOccupied(board, z + 1, x + 1, y + 1);
}

bool isFree(const Board& board, int z, int x, int y) {
    return !(hasLeftNeighbour(board, z, x, y) && hasRightNeighbour(board, z, x, y)) &&
           !isCoveredFromAbove(board, z, x, y);
}
