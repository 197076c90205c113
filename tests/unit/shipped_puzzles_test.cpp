// Every puzzle that ships in resources/Puzzle, read with the game's own
// reader and held to the editor's rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "fake_host.h"
#include "files/file_path.h"
#include "files/puzzle_file.h"
#include "rules/deal.h"
#include "rules/moves.h"
#include "rules/random.h"
#include "sample_layouts.h"
#include "shipped_puzzles.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

// Which tile of the layer covers each cell, for the overlap and support rules.
void markFootprints(const Layout& layout, int z, std::vector<int>& owners) {
    owners.assign(kCellsPerLayer, 0);
    for (int y = 0; y < kRows; ++y)
        for (int x = 0; x < kCols; ++x)
            if (cellAt(layout, z, y, x).number != 0)
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        if (y + dy < kRows && x + dx < kCols) ++owners[(y + dy) * kCols + x + dx];
}

}  // namespace

class ShippedPuzzles : public InTempFolder {};

TEST_F(ShippedPuzzles, EveryPuzzleReadsAndKeepsTheEditorsRules) {
    const std::vector<std::string> names = shippedPuzzles();
    ASSERT_GE(names.size(), 12u);
    EXPECT_NE(std::find(names.begin(), names.end(), "classic.kvl"), names.end());
    fs::copy(fs::path(KELVARIN_SOURCE_DIR) / "resources" / "Puzzle", "Puzzle");

    auto app = newTestState();
    seedRandom(app->random, 2024);
    auto layout = std::make_unique<Layout>();
    auto board = std::make_unique<Board>();
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        clearBoard(*layout);
        std::string message;
        ASSERT_TRUE(readPuzzle(app->filePath, name, *layout, message)) << message;

        // Written exactly as the game would write it.
        EXPECT_EQ(readFile("Puzzle/" + name), fieldText(*layout));

        int lowest[3] = {kLayers, kRows, kCols};
        std::vector<int> below, here;
        for (int z = 0; z < kLayers; ++z) {
            markFootprints(*layout, z, here);
            for (int y = 0; y < kRows; ++y)
                for (int x = 0; x < kCols; ++x) {
                    if (cellAt(*layout, z, y, x).number == 0) continue;
                    lowest[0] = std::min(lowest[0], z);
                    lowest[1] = std::min(lowest[1], y);
                    lowest[2] = std::min(lowest[2], x);
                    EXPECT_TRUE(x < kCols - 1 && y < kRows - 1) << "off the grid at " << x << ',' << y;
                    for (int dy = 0; dy < 2 && y + dy < kRows; ++dy)
                        for (int dx = 0; dx < 2 && x + dx < kCols; ++dx) {
                            const int cell = (y + dy) * kCols + x + dx;
                            EXPECT_EQ(here[cell], 1) << "overlap at " << x << ',' << y << ',' << z;
                            if (z > 0) {
                                EXPECT_EQ(below[cell], 1) << "unsupported at " << x << ',' << y << ',' << z;
                            }
                        }
                }
            below.swap(here);
        }
        EXPECT_EQ(lowest[0], 0);
        EXPECT_EQ(lowest[1], 0);
        EXPECT_EQ(lowest[2], 0);

        // Most deals offer a first move; New game deals again when one does not.
        const int kDeals = 200;
        int withMove = 0;
        Move move;
        for (int deal = 0; deal < kDeals; ++deal) {
            dealTiles(app->random, app->tileSet, *board, *layout);
            withMove += findMoves(app->random, *board, move) > 0;
        }
        EXPECT_GE(withMove, kDeals * 3 / 4) << withMove << " of " << kDeals << " deals have a first move";
    }
}
