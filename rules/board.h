// The board model: a fixed grid of half-tile cells in five layers, and the
// plain tests on it that every rule of the game is built from.
#pragma once

#include <cstdint>

constexpr int kLayers = 5;
constexpr int kRows = 30;
constexpr int kCols = 50;
constexpr int kCellsPerLayer = kRows * kCols;
constexpr int kCells = kLayers * kCellsPerLayer;
constexpr int kTileCount = 144;

// Tile groups, the value of Cell::type.
enum TileType : int32_t {
    TypeCircles = 0,
    TypeBamboo = 1,
    TypeCharacters = 2,
    TypeWinds = 3,
    TypeDragons = 4,
    TypeSeasons = 5,
    TypeFlowers = 6,
    TypeBlank = 7,  // a position of a puzzle; also locates the tile body
    TypeStop = 8,   // only a face, shown by the STOP flash
    TypeCount = 9
};

// Visual effects, the value of Cell::effect.
enum Effect : int32_t {
    EffectNone = 0,
    EffectAppearing = 1,
    EffectBlankFlash = 4,
    EffectStopFlash = 5,
    EffectVanishing = 6
};

// One grid position. A tile lives in its anchor cell (number != 0) and covers
// the anchor plus the cells to its right, below, and below-right.
struct Cell {
    int32_t type;
    int32_t number;   // face within the group, from 1; 0 = no tile anchored here
    int32_t effect;
    int32_t opacity;  // percent, meaningful while effect != 0
    int32_t ticks;
};

// Cells stored layer by layer, row by row, column by column.
struct Board {
    Cell cells[kCells];
};

// A Board in the role of a puzzle: positions hold type 7, number 1.
using Layout = Board;

// The anchor of a tile on the grid.
struct Anchor {
    int x;
    int y;
    int z;
};

inline int cellIndex(int z, int y, int x) { return z * kCellsPerLayer + y * kCols + x; }
inline Anchor anchorOf(int index) { return Anchor{index % kCols, (index / kCols) % kRows, index / kCellsPerLayer}; }
inline Cell& cellAt(Board& board, int z, int y, int x) { return board.cells[cellIndex(z, y, x)]; }
inline const Cell& cellAt(const Board& board, int z, int y, int x) {
    return board.cells[cellIndex(z, y, x)];
}
inline bool insideGrid(int z, int y, int x) {
    return z >= 0 && z < kLayers && y >= 0 && y < kRows && x >= 0 && x < kCols;
}

// Whether a tile anchored at (x, y) of layer z lies wholly on the grid: its
// footprint reaches one column right and one row down.
inline bool tileFitsGrid(int z, int y, int x) {
    return insideGrid(z, y, x) && x + 1 < kCols && y + 1 < kRows;
}

void clearBoard(Board& board);

// Whether cell (x, y) of layer z lies in the footprint of a tile. Cells outside
// the grid are empty.
bool isOccupied(const Board& board, int z, int x, int y);

// The anchor of the tile whose footprint holds cell (x, y) of layer z.
bool findTileAt(const Board& board, int z, int x, int y, Anchor& anchor);

// Seasons match seasons, flowers match flowers, anything else only its twin.
bool tilesMatch(const Cell& a, const Cell& b);

int countTiles(const Board& board);

// Whether any tile is anchored on layer z; false for layers off the grid.
bool layerHoldsTiles(const Board& board, int z);

// Whether any cell still has an effect to advance: only then does the clock
// need to tick.
bool effectsRunning(const Board& board);
