// The arrow keys alone reach every tile seen from above, from any tile, on
// deals of every shipped puzzle at several points of play; while a deal
// appears they pass over the layers not shown yet.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <vector>

#include "fake_host.h"
#include "game/focus.h"
#include "game/tick.h"
#include "rules/deal.h"
#include "rules/moves.h"
#include "shipped_puzzles.h"

namespace {

// How many tiles seen from above the arrows reach from the first of them,
// following the arrows forwards or backwards, and of how many.
std::pair<size_t, size_t> reachedFromFirst(const Board& board, bool backwards) {
    std::map<int, std::vector<int>> next;  // by cell index
    for (int i = 0; i < kCells; ++i) {
        if (board.cells[i].number == 0 || !seenFromAbove(board, anchorOf(i))) continue;
        next[i];
        for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
            Anchor to;
            if (!nearestInDirection(board, anchorOf(i), dx, dy, to)) continue;
            const int j = cellIndex(to.z, to.y, to.x);
            backwards ? next[j].push_back(i) : next[i].push_back(j);
        }
    }
    std::vector<int> stack{next.begin()->first};
    std::set<int> seen{stack[0]};
    while (!stack.empty()) {
        const int at = stack.back();
        stack.pop_back();
        for (int j : next[at])
            if (seen.insert(j).second) stack.push_back(j);
    }
    return {seen.size(), next.size()};
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
        Move move;
        for (int pairs = 0; pairs <= 60 && countTiles(app->board) > 0; pairs += 15) {
            for (bool backwards : {false, true}) {  // tile 1 reaches all, and all reach it
                const auto [reached, tiles] = reachedFromFirst(app->board, backwards);
                EXPECT_EQ(reached, tiles) << name << " after " << pairs << " pairs";
            }
            for (int pair = 0; pair < 15 && findMoves(app->random, app->board, move) != 0; ++pair)
                for (const Anchor& t : {move.first, move.second}) cellAt(app->board, t.z, t.y, t.x).number = 0;
        }
    }
    std::filesystem::current_path(previous);
}

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
