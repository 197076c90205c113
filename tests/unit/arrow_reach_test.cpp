// The arrow keys alone reach every tile seen from above, from any tile, on
// deals of every shipped puzzle at several points of play.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "fake_host.h"
#include "game/focus.h"
#include "game/tick.h"
#include "rules/deal.h"
#include "rules/moves.h"
#include "shipped_puzzles.h"

namespace {

// Which tiles of `tiles` the arrows lead to from tiles[from], forwards or,
// with `backwards`, which lead to it.
std::vector<bool> reached(const Board& board, const std::vector<Anchor>& tiles, size_t from, bool backwards) {
    std::vector<std::vector<size_t>> next(tiles.size());
    for (size_t i = 0; i < tiles.size(); ++i)
        for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
            Anchor to;
            if (!nearestInDirection(board, tiles[i], dx, dy, to)) continue;
            for (size_t j = 0; j < tiles.size(); ++j)
                if (tiles[j].x == to.x && tiles[j].y == to.y && tiles[j].z == to.z)
                    (backwards ? next[j] : next[i]).push_back(backwards ? i : j);
        }
    std::vector<bool> seen(tiles.size(), false);
    std::vector<size_t> stack{from};
    seen[from] = true;
    while (!stack.empty()) {
        const size_t at = stack.back();
        stack.pop_back();
        for (size_t j : next[at])
            if (!seen[j]) stack.push_back(j), seen[j] = true;
    }
    return seen;
}

TEST(ArrowReach, EveryTileSeenFromAboveIsReachedFromAnyOther) {
    auto app = newTestState();
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(KELVARIN_SOURCE_DIR "/resources");
    for (const std::string& name : shippedPuzzles()) {
        std::string message;
        ASSERT_TRUE(readPuzzle(app->filePath, name, app->puzzle, message)) << message;
        seedRandom(app->random, 7);
        dealTiles(app->random, app->tileSet, app->board, app->puzzle);
        for (int stage = 0; stage < 4; ++stage) {
            std::vector<Anchor> tiles;
            for (int i = 0; i < kCells; ++i)
                if (app->board.cells[i].number != 0 && seenFromAbove(app->board, anchorOf(i)))
                    tiles.push_back(anchorOf(i));
            if (tiles.empty()) break;
            // Strongly connected: tile 0 reaches every tile, and every tile reaches it.
            for (bool backwards : {false, true}) {
                const std::vector<bool> seen = reached(app->board, tiles, 0, backwards);
                for (size_t i = 0; i < tiles.size(); ++i)
                    EXPECT_TRUE(seen[i]) << name << " after " << 15 * stage << " pairs: (" << tiles[i].x << ", "
                                         << tiles[i].y << ", " << tiles[i].z << ")"
                                         << (backwards ? " reaches no other" : " is not reached");
            }
            Move move;
            for (int pair = 0; pair < 15 && findMoves(app->random, app->board, move) != 0; ++pair)
                for (const Anchor& tile : {move.first, move.second}) cellAt(app->board, tile.z, tile.y, tile.x).number = 0;
        }
    }
    std::filesystem::current_path(previous);
}

// While a deal appears, the keys pass over the layers still waiting.
TEST(ArrowReach, OnlyTilesAlreadyShownWhileADealAppears) {
    auto app = newTestState();
    cellAt(app->board, 0, 0, 0) = Cell{TypeCircles, 1};
    cellAt(app->board, 1, 0, 4) = Cell{TypeCircles, 1};
    startAppearing(app->board);
    const Anchor first{0, 0, 0};
    Anchor to{};
    EXPECT_FALSE(nearestInDirection(app->board, first, 1, 0, to));
    ASSERT_TRUE(nextFreeTile(app->board, &first, false, to));
    EXPECT_EQ(to.x, 0) << "Tab comes round to the one tile shown";
    for (int tick = 0; tick < 10; ++tick) animationTick(*app);  // layer 1's turn
    ASSERT_TRUE(nearestInDirection(app->board, first, 1, 0, to));
    EXPECT_EQ(to.z, 1);
}

}  // namespace
