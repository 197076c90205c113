// The saved-game reader on any text, through the load itself: a game either
// loads whole (144 positions, COUNT tiles on as many positions, each wholly
// on the grid with a face of its type) and saves and loads again as it is,
// or the load says "Loading error!" and leaves the whole state as it was.
#include <cstring>
#include <memory>

#include "fake_host.h"
#include "files/profile.h"
#include "files/saved_game.h"
#include "fuzz_check.h"
#include "game/save_and_load.h"

namespace {

// A game in progress that a failed load must leave alone.
std::unique_ptr<AppState> gameInProgress() {
    auto app = newTestState();
    for (int x = 0; x < 8; x += 2) cellAt(app->board, 0, 0, x) = Cell{TypeWinds, 1 + x / 2};
    cellAt(app->puzzle, 0, 0, 0) = Cell{TypeBlank, 1};
    app->gameActive = 1;
    app->canSaveGame = 1;
    app->selectedX = 2;
    return app;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto before = gameInProgress();
    static const auto app = newTestState();
    static const auto again = newTestState();
    std::memcpy(app.get(), before.get(), sizeof(AppState));
    fakeHost().reset();
    Profile profile;
    parseProfile(profile, inputText(data, size));
    if (!loadGameFrom(*app, profile, kMainWindow)) {
        require(fakeHost().messages() == std::vector<std::string>{"Loading error!"},
                "a failed load says Loading error!");
        require(std::memcmp(app.get(), before.get(), sizeof(AppState)) == 0,
                "a failed load changes nothing");
        return 0;
    }
    require(countTiles(app->puzzle) == kTileCount, "144 positions");
    require(countTiles(app->board) == profileInt(profile, "TILES", "COUNT", 0),
            "COUNT tiles on distinct positions");
    for (int i = 0; i < kCells; ++i) {
        const Cell& cell = app->board.cells[i];
        if (cell.number == 0) continue;
        require(tileFitsGrid(i / kCellsPerLayer, i % kCellsPerLayer / kCols, i % kCols),
                "every tile lies wholly on the grid");
        require(cell.type >= TypeCircles && cell.type <= TypeFlowers &&
                    cell.number <= app->tileSet.numbersPerType[cell.type],
                "every tile has a face of its type");
    }
    require(app->gameActive == 1 && app->selectedX == -1, "a loaded game is playable");
    std::string saved;
    composeSavedGame(app->puzzle, app->board, saved);
    parseProfile(profile, saved);
    std::memcpy(again.get(), before.get(), sizeof(AppState));
    require(loadGameFrom(*again, profile, kMainWindow), "the saved game loads");
    require(std::memcmp(&again->board, &app->board, sizeof(Board)) == 0 &&
                std::memcmp(&again->puzzle, &app->puzzle, sizeof(Board)) == 0,
            "and loads as the same game");
    return 0;
}
