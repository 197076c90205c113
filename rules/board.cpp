#include "rules/board.h"

#include <cstring>

void clearBoard(Board& board) { std::memset(&board, 0, sizeof board); }

static bool anchoredAt(const Board& board, int z, int x, int y) {
    return insideGrid(z, y, x) && cellAt(board, z, y, x).number != 0;
}

bool findTileAt(const Board& board, int z, int x, int y, Anchor& anchor) {
    if (!insideGrid(z, y, x)) return false;
    static const int dx[4] = {0, -1, 0, -1};
    static const int dy[4] = {0, 0, -1, -1};
    for (int i = 0; i < 4; ++i) {
        if (anchoredAt(board, z, x + dx[i], y + dy[i])) {
            anchor = Anchor{x + dx[i], y + dy[i], z};
            return true;
        }
    }
    return false;
}

bool isOccupied(const Board& board, int z, int x, int y) {
    Anchor ignored;
    return findTileAt(board, z, x, y, ignored);
}

bool tilesMatch(const Cell& a, const Cell& b) {
    if (a.number == 0 || b.number == 0) return false;
    if (a.type == TypeSeasons || a.type == TypeFlowers) return b.type == a.type;
    return a.type == b.type && a.number == b.number;
}

int countTiles(const Board& board) {
    int count = 0;
    for (const Cell& cell : board.cells) count += cell.number != 0;
    return count;
}

bool effectsRunning(const Board& board) {
    for (const Cell& cell : board.cells)
        if (cell.effect != EffectNone) return true;
    return false;
}

bool layerHoldsTiles(const Board& board, int z) {
    if (z < 0 || z >= kLayers) return false;
    for (int i = z * kCellsPerLayer; i < (z + 1) * kCellsPerLayer; ++i)
        if (board.cells[i].number != 0) return true;
    return false;
}
