#include "rules/tile_set.h"

void storeTileSet(TileSet& tiles) {
    static const int32_t numbers[TypeCount] = {9, 9, 9, 4, 3, 4, 4, 0, 0};
    static const int32_t copies[TypeCount] = {4, 4, 4, 4, 4, 1, 1, 0, 0};
    for (int t = 0; t < TypeCount; ++t) {
        tiles.numbersPerType[t] = numbers[t];
        tiles.copiesPerType[t] = copies[t];
    }
}
