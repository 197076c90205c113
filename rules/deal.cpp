#include "rules/deal.h"

#include <utility>


void buildTileList(const TileSet& tileSet, Cell (&tiles)[kTileCount]) {
    int type = 0;
    int number = 1;
    int finishedCopies[TypeCount] = {};
    for (Cell& tile : tiles) {
        tile = Cell{type, number, 0, 0, 0};
        if (++number > tileSet.numbersPerType[type]) {
            number = 1;
            if (++finishedCopies[type] == tileSet.copiesPerType[type] && type < TypeCount - 1) ++type;
        }
    }
}

void shuffleTiles(Random& random, Cell (&tiles)[kTileCount]) {
    for (int swap = 0; swap < 1000; ++swap) {
        const int i = nextRandom(random) % kTileCount;
        const int j = nextRandom(random) % kTileCount;
        std::swap(tiles[i], tiles[j]);
    }
}

namespace {

// The k-th position of the layout in the board's order gets the k-th tile.
void placeTiles(Board& dest, const Layout& layout, const Cell (&tiles)[kTileCount]) {
    clearBoard(dest);
    int next = 0;
    for (int i = 0; i < kCells && next < kTileCount; ++i)
        if (layout.cells[i].number != 0) dest.cells[i] = tiles[next++];
}

}  // namespace

void dealTiles(Random& random, const TileSet& tileSet, Board& dest, const Layout& layout) {
    Cell tiles[kTileCount];
    buildTileList(tileSet, tiles);
    shuffleTiles(random, tiles);
    placeTiles(dest, layout, tiles);
}

Arrangement dealWinnable(Random& random, const TileSet& tileSet, Board& dest, const Layout& layout) {
    Cell tiles[kTileCount];
    buildTileList(tileSet, tiles);
    placeTiles(dest, layout, tiles);
    const Arrangement result = arrangeToWin(random, dest);
    if (result != Arrangement::Arranged) clearBoard(dest);
    return result;
}

void startAppearing(Board& board) {
    // Layer 0 unless a hand-made puzzle leaves it empty.
    int first = 0;
    while (first < kLayers && !layerHoldsTiles(board, first)) ++first;
    if (first == kLayers) first = 0;
    for (int i = 0; i < kCells; ++i) {
        Cell& cell = board.cells[i];
        const bool shown = i / kCellsPerLayer == first;
        cell.effect = EffectAppearing;
        cell.opacity = shown ? 100 : 0;
        cell.ticks = shown ? 10 : 0;
    }
}

void showAllLayers(Board& board) {
    for (Cell& cell : board.cells)
        if (cell.effect == EffectAppearing) cell.effect = EffectNone;
}
