#include "files/saved_game.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "engine/history.h"
#include "files/file_path.h"
#include "files/profile.h"
#include "files/puzzle_file.h"
#include "shell/app_state.h"
#include "shell/geometry.h"

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

void saveGame(AppState& app) {
    std::string text;
    composeSavedGame(app.puzzle, app.board, text);
    std::strcpy(app.filePath.folder, "Save");
    std::strcpy(app.filePath.extension, "kvg");
    if (!writeTextFile(app, text, kMainWindow)) return;
    showMessage(app, kMainWindow, "Game is saved successfully", MessageIcon::Information);
    app.canSaveGame = 1;
    refreshMenu(app);
}

bool readTiles(AppState& app, Board& grid, std::string& message) {
    Profile profile;
    if (buildPath(app.filePath)) loadProfile(profile, app.filePath.fullPath);
    return readTilesFrom(app, profile, grid, message);
}

bool readTilesFrom(const AppState& app, const Profile& profile, Board& grid,
                   std::string& message) {
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
            !inRange(number, 1, app.tileSet.numbersPerType[type]))
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

bool loadGame(AppState& app, const char* name, Owner owner) {
    FilePath& path = app.filePath;
    Profile profile;
    bool read = setText(path.name, name);  // a longer name cannot be a listed file
    if (read) {
        std::strcpy(path.folder, "Save");
        path.extension[0] = '\0';
        read = fileExists(path) && loadProfile(profile, path.fullPath);
    }
    if (!read) {
        showMessage(app, owner, "Loading error!", MessageIcon::Error);
        return false;
    }
    return loadGameFrom(app, profile, owner);
}

bool loadGameFrom(AppState& app, const Profile& profile, Owner owner) {
    // Two 150 KB grids: on the heap, not on the dialog's stack.
    auto layout = std::make_unique<Layout>();
    auto board = std::make_unique<Board>();
    std::string message;
    if (!readFieldFrom(profile, message, *layout) ||
        !readTilesFrom(app, profile, *board, message)) {
        showMessage(app, owner, "Loading error!", MessageIcon::Error);
        return false;
    }
    app.board = *board;
    app.puzzle = *layout;
    clearHistory(app.history);
    app.canSaveGame = 0;
    app.editorMode = 0;
    app.gameActive = 1;
    app.selectedX = -1;
    app.secondsPlayed = 0;
    refreshMenu(app);
    layoutBoard(app);
    requestRepaint(app);
    return true;
}
