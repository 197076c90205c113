#include "files/puzzle_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "files/file_path.h"
#include "files/profile.h"

namespace {

void rowKey(char (&key)[32], int z, int y) { std::snprintf(key, sizeof key, "Z_%d__Y_%d", z, y); }

// Moves every cell by -offset along one axis, in increasing order so that
// each cell is copied before it is overwritten; a source keeps all but its
// number.
void shiftDown(Board& board, int offset, int axis) {
    if (offset <= 0) return;
    for (int z = 0; z < kLayers; ++z)
        for (int y = 0; y < kRows; ++y)
            for (int x = 0; x < kCols; ++x) {
                const int from[3] = {z, y, x};
                if (from[axis] < offset) continue;
                int to[3] = {z, y, x};
                to[axis] -= offset;
                Cell& source = cellAt(board, from[0], from[1], from[2]);
                cellAt(board, to[0], to[1], to[2]) = source;
                source.number = 0;
            }
}

}  // namespace

void writeField(std::string& text, const Board& grid) {
    text += "\r\n[FIELD]\r\n";
    char key[32];
    for (int z = 0; z < kLayers; ++z)
        for (int y = 0; y < kRows; ++y) {
            rowKey(key, z, y);
            text += key;
            text += " = ";
            for (int x = 0; x < kCols; ++x) text += cellAt(grid, z, y, x).number != 0 ? '1' : '0';
            text += "\r\n";
        }
}

bool readField(FilePath& path, std::string& message, Layout& grid) {
    if (!fileExists(path)) {
        message = "File of puzzle: \"" + composePath(path) + "\" is not found!";
        return false;
    }
    Profile profile;
    loadProfile(profile, path.fullPath);
    return readFieldFrom(profile, message, grid);
}

bool readFieldFrom(const Profile& profile, std::string& message, Layout& grid) {
    char key[32];
    char row[kTextSize];
    bool offGrid = false;
    for (int z = 0; z < kLayers; ++z)
        for (int y = 0; y < kRows; ++y) {
            rowKey(key, z, y);
            profileString(profile, "FIELD", key, "", row);
            const int length = static_cast<int>(std::strlen(row));
            for (int x = 0; x < kCols; ++x) {
                Cell& cell = cellAt(grid, z, y, x);
                if (x < length && row[x] == '1') {
                    cell.type = TypeBlank;
                    cell.number = 1;
                    offGrid = offGrid || !tileFitsGrid(z, y, x);
                } else {
                    cell.number = 0;
                }
            }
        }
    if (countTiles(grid) == kTileCount && !offGrid) return true;
    message = "Invalid format!";
    return false;
}

void normalizeLayout(Board& board) {
    int lowest[3] = {kLayers, kRows, kCols};
    for (int z = 0; z < kLayers; ++z)
        for (int y = 0; y < kRows; ++y)
            for (int x = 0; x < kCols; ++x)
                if (cellAt(board, z, y, x).number != 0) {
                    lowest[0] = std::min(lowest[0], z);
                    lowest[1] = std::min(lowest[1], y);
                    lowest[2] = std::min(lowest[2], x);
                }
    if (lowest[0] == kLayers) return;
    for (int axis = 0; axis < 3; ++axis) shiftDown(board, lowest[axis], axis);
}
