#include "game/save_and_load.h"

#include <cstring>
#include <memory>

#include "files/file_path.h"
#include "files/file_system.h"
#include "files/profile.h"
#include "files/puzzle_file.h"
#include "files/saved_game.h"
#include "files/whole_file.h"
#include "game/app_state.h"
#include "game/focus.h"
#include "game/geometry.h"
#include "game/history.h"
#include "game/play_clock.h"
#include "game/records.h"

bool writeTextFile(AppState& app, const std::string& text, Owner owner) {
    FilePath& path = app.filePath;
    if (!buildPath(path)) {
        showMessage(app, owner, "Error of creation file for save.", MessageIcon::Error);
        return false;
    }
    if (path.folder[0] != '\0')  // fails harmlessly when the folder is there
        createFolder(hostPath((std::string(".\\") + path.folder).c_str()).c_str());
    if (fileExists(path) && !askYesNo(app, owner, "File exist. Overwrite?")) return false;
    switch (writeWholeFile(hostPath(path.fullPath), text)) {
    case WriteResult::Written:
        return true;
    case WriteResult::CannotCreate:
        showMessage(app, owner, "Error of creation file for save.", MessageIcon::Error);
        return false;
    case WriteResult::WriteFailed:
        break;
    }
    showMessage(app, owner, "Error save file.", MessageIcon::Error);
    return false;
}

bool deleteSavedFile(AppState& app, Owner owner) {
    if (buildPath(app.filePath) && std::remove(hostPath(app.filePath.fullPath).c_str()) == 0)
        return true;
    showMessage(app, owner, "Error delete file", MessageIcon::Error);
    return false;
}

bool savePuzzle(AppState& app) {
    if (countTiles(app.board) == 0) return false;
    normalizeLayout(app.board);
    std::string text;
    writeField(text, app.board);
    std::strcpy(app.filePath.folder, "Puzzle");
    std::strcpy(app.filePath.extension, "kvl");
    if (!writeTextFile(app, text, kMainWindow)) return false;
    showMessage(app, kMainWindow, "Puzzle is saved successfully", MessageIcon::Information);
    // The path fitted in 259 characters, so the bare file name fits too.
    setText(app.lastGame, std::string(app.filePath.name) + ".kvl");
    return true;
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
        !readTilesFrom(app.tileSet, profile, *board, message)) {
        showMessage(app, owner, "Loading error!", MessageIcon::Error);
        return false;
    }
    char puzzle[kTextSize];
    puzzleOfField(*layout, puzzle);
    beginGame(app, puzzle, false);  // its clock did not run from the deal
    app.board = *board;
    app.puzzle = *layout;
    app.dealNumbered = 0;  // the file keeps the tiles, not the deal they came from
    clearHistory(app.history);
    app.paused = 0;
    clearFocus(app);
    app.canSaveGame = 0;
    app.editorMode = 0;
    app.gameActive = 1;
    app.selectedX = -1;
    resetClock(app);
    refreshMenu(app);
    layoutBoard(app);
    requestRepaint(app);
    return true;
}
