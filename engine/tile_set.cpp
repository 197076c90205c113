#include "engine/tile_set.h"

#include "shell/app_state.h"

void storeTileTables(AppState& app) {
    static const SheetCell faces[TypeCount] = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {4, 3},
                                               {0, 4}, {4, 4}, {8, 3}, {7, 3}};
    static const int32_t numbers[TypeCount] = {9, 9, 9, 4, 3, 4, 4, 0, 0};
    static const int32_t copies[TypeCount] = {4, 4, 4, 4, 4, 1, 1, 0, 0};
    for (int t = 0; t < TypeCount; ++t) {
        app.faceTable[t] = faces[t];
        app.numbersPerType[t] = numbers[t];
        app.copiesPerType[t] = copies[t];
    }
}
