// The puzzle reader on any text: it either reads 144 positions, each a
// tile wholly on the grid, which the writer's text gives back exactly, or
// fails with "Invalid format!".
#include <cstring>
#include <memory>

#include "files/profile.h"
#include "files/puzzle_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto grid = std::make_unique<Layout>();
    static auto again = std::make_unique<Layout>();
    Profile profile;
    parseProfile(profile, inputText(data, size));
    std::string message;
    clearBoard(*grid);
    if (!readFieldFrom(profile, message, *grid)) {
        require(message == "Invalid format!", "a failed read says Invalid format!");
        return 0;
    }
    require(countTiles(*grid) == kTileCount, "144 positions");
    for (int i = 0; i < kCells; ++i) {
        const Cell& cell = grid->cells[i];
        if (cell.number == 0) continue;
        require(cell.type == TypeBlank && cell.number == 1, "a position is type 7, number 1");
        require(tileFitsGrid(i / kCellsPerLayer, i % kCellsPerLayer / kCols, i % kCols),
                "every tile lies wholly on the grid");
    }
    std::string written;
    writeField(written, *grid);
    require(written.size() == kFieldTextSize, "the written field is 9,561 bytes");
    parseProfile(profile, written);
    clearBoard(*again);
    require(readFieldFrom(profile, message, *again), "the written field reads");
    require(std::memcmp(grid.get(), again.get(), sizeof(Layout)) == 0, "and reads as the same");
    return 0;
}
