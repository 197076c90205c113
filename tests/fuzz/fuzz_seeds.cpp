// Writes the seed inputs of the fuzz targets, one folder per target: the
// shipped puzzles, and saved games, settings and statistics files as the
// program writes them. Usage: fuzz_seeds PUZZLE_FOLDER SEED_FOLDER
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "fake_host.h"
#include "files/profile.h"
#include "files/puzzle_file.h"
#include "files/saved_game.h"
#include "files/statistics_file.h"
#include "game/settings.h"
#include "rules/deal.h"
#include "rules/random.h"

namespace fs = std::filesystem;

namespace {

void writeSeed(const fs::path& seeds, const char* target, const std::string& name,
               const std::string& text) {
    for (const char* folder : {target, "profile"}) {
        fs::create_directories(seeds / folder);
        std::ofstream(seeds / folder / name, std::ios::binary) << text;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const fs::path seeds = argv[2];
    auto app = newTestState();
    auto layout = std::make_unique<Layout>();
    for (const auto& file : fs::directory_iterator(argv[1])) {
        if (file.path().extension() != ".kvl") continue;
        std::ifstream in(file.path(), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        writeSeed(seeds, "puzzle", file.path().filename().string(), text);
        if (file.path().filename() != "classic.kvl") continue;
        Profile profile;
        parseProfile(profile, text);
        std::string message;
        if (!readFieldFrom(profile, message, *layout)) return 1;
    }
    if (countTiles(*layout) != kTileCount) return 1;

    // A fresh deal, and the same game with four tiles left.
    seedRandom(app->random, 1);
    dealTiles(app->random, app->tileSet, app->board, *layout);
    std::string saved;
    composeSavedGame(*layout, app->board, saved);
    writeSeed(seeds, "saved_game", "dealt.kvg", saved);
    for (int i = 0, removed = 0; i < kCells && removed < kTileCount - 4; ++i)
        if (app->board.cells[i].number != 0) app->board.cells[i].number = 0, ++removed;
    saved.clear();
    composeSavedGame(*layout, app->board, saved);
    writeSeed(seeds, "saved_game", "four_left.kvg", saved);

    // The settings of a first start, and chosen ones.
    Rect window{};
    readSettingsFrom(*app, Profile{}, window);
    writeSeed(seeds, "settings", "defaults.ini", composeSettings(*app, window));
    app->view = ViewSettings{0, 87.5, 0x123456, 0xABCDEF, 0, "felt.bmp"};
    app->sounds[SoundSelection].enable = 0;
    writeSeed(seeds, "settings", "chosen.ini", composeSettings(*app, Rect{40, 30, 1000, 760}));

    // Records of two puzzles, one with a best time.
    std::vector<PuzzleRecord> records{emptyRecord("classic.kvl"), emptyRecord("(other)")};
    records[0] = PuzzleRecord{"classic.kvl", 12, 5, 4, 1510, 301};
    records[1].played = 2;
    writeSeed(seeds, "statistics", "records.ini", composeStatistics(records));
    return 0;
}
