#include "files/saved_game.h"

#include <cstdio>

#include "files/file_path.h"
#include "files/profile.h"
#include "files/puzzle_file.h"

namespace {

void appendLine(std::string& text, const char* format, int a, int b) {
    char line[64];
    std::snprintf(line, sizeof line, format, a, b);
    text += line;
}

int tileKey(const Profile& profile, int index, const char* field) {
    char key[48];
    std::snprintf(key, sizeof key, "TILE_%d_%s", index, field);
    return profileInt(profile, "TILES", key, -1);
}

bool inRange(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

void composeSavedGame(const Board& puzzle, const Board& board, std::string& text) {
    writeField(text, puzzle);
    text += "\r\n[TILES]\r\n";
    int index = 0;
    for (int z = 0; z < kLayers; ++z)
        for (int y = 0; y < kRows; ++y)
            for (int x = 0; x < kCols; ++x) {
                const Cell& cell = cellAt(board, z, y, x);
                if (cell.number == 0) continue;
                appendLine(text, "TILE_%d_X = %d\r\n", index, x);
                appendLine(text, "TILE_%d_Y = %d\r\n", index, y);
                appendLine(text, "TILE_%d_Z = %d\r\n", index, z);
                appendLine(text, "TILE_%d_TYPE = %d\r\n", index, cell.type);
                appendLine(text, "TILE_%d_NUMBER = %d\r\n", index, cell.number);
                ++index;
            }
    appendLine(text, "COUNT = %d\r\n", index, 0);
}

bool readTiles(FilePath& path, const TileSet& tileSet, Board& grid, std::string& message) {
    Profile profile;
    if (buildPath(path)) loadProfile(profile, path.fullPath);
    return readTilesFrom(tileSet, profile, grid, message);
}

bool readTilesFrom(const TileSet& tileSet, const Profile& profile, Board& grid, std::string& message) {
    message = "Invalid format!";
    const int count = profileInt(profile, "TILES", "COUNT", 0);
    if (!inRange(count, 1, kTileCount) || count % 2 != 0) return false;
    clearBoard(grid);
    for (int i = 0; i < count; ++i) {
        const int x = tileKey(profile, i, "X");
        const int y = tileKey(profile, i, "Y");
        const int z = tileKey(profile, i, "Z");
        const int number = tileKey(profile, i, "NUMBER");
        const int type = tileKey(profile, i, "TYPE");
        if (!tileFitsGrid(z, y, x) || !inRange(type, TypeCircles, TypeFlowers) ||
            !inRange(number, 1, tileSet.numbersPerType[type]))
            return false;
        // A second tile on one position would leave fewer tiles than COUNT:
        // a game that could never be finished, nor saved again.
        Cell& cell = cellAt(grid, z, y, x);
        if (cell.number != 0) return false;
        cell.type = type;
        cell.number = number;
    }
    message.clear();
    return true;
}
