// Arrangements built backwards, and Shuffle that makes them: every one is won
// when its order is replayed through the rules of play (not the solver), and
// keeps the positions and the faces; a board that no order of play clears is
// recognised and left alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "clears_board.h"
#include "fake_host.h"
#include "files/puzzle_file.h"
#include "game/history.h"
#include "game/shuffle.h"
#include "game/undo.h"
#include "rules/deal.h"
#include "rules/random.h"
#include "rules/winnable_arrangement.h"
#include "sample_layouts.h"
#include "shipped_puzzles.h"
#include "temp_folder.h"
#include "test_boards.h"

namespace {

// Where the tiles lie, and their faces sorted: what a rearrangement keeps.
std::pair<std::vector<int>, std::vector<std::pair<int, int>>> positionsAndFaces(const Board& board) {
    std::pair<std::vector<int>, std::vector<std::pair<int, int>>> kept;
    for (int i = 0; i < kCells; ++i)
        if (board.cells[i].number != 0) {
            kept.first.push_back(i);
            kept.second.emplace_back(board.cells[i].type, board.cells[i].number);
        }
    std::sort(kept.second.begin(), kept.second.end());
    return kept;
}

class ArrangementOnShippedPuzzles : public InTempFolder {};

TEST_F(ArrangementOnShippedPuzzles, EveryDealIsWonByItsOwnOrderAndKeepsItsTiles) {
    namespace fs = std::filesystem;
    fs::copy(fs::path(KELVARIN_SOURCE_DIR) / "resources" / "Puzzle", "Puzzle");
    auto app = newTestState();
    auto layout = std::make_unique<Layout>();
    auto board = std::make_unique<Board>();
    seedRandom(app->random, 15);
    for (const std::string& name : shippedPuzzles()) {
        SCOPED_TRACE(name);
        std::string message;
        ASSERT_TRUE(readPuzzle(app->filePath, name, *layout, message)) << message;
        for (int deal = 0; deal < 8; ++deal) {
            dealTiles(app->random, app->tileSet, *board, *layout);
            const auto before = positionsAndFaces(*board);
            ClearingOrder order;
            ASSERT_EQ(arrangeToWin(app->random, *board, &order), Arrangement::Arranged);
            EXPECT_EQ(positionsAndFaces(*board), before);
            EXPECT_TRUE(clearsBoard(*board, order.pairs, order.pairCount));
        }
    }
}

struct Tile {
    int z, y, x, type, number;
};

// Four tiles in two stacks, the two on top unlike: lost, but the same faces
// the other way round can be won.
const std::vector<Tile> kTwoStacks = {{0, 4, 4, TypeCircles, 2}, {0, 4, 10, TypeCircles, 1},
                                      {1, 4, 4, TypeCircles, 1}, {1, 4, 10, TypeCircles, 2}};

TEST(Arrangement, BoardsThatNoOrderClearsAreRecognisedAndLeftAlone) {
    struct Case {
        const char* name;
        std::vector<Tile> tiles;
    } cases[] = {
        {"one tile on another", {{0, 4, 4, TypeWinds, 1}, {1, 4, 4, TypeWinds, 1}}},
        {"a face without its match", {{0, 0, 0, TypeWinds, 1}, {0, 0, 4, TypeWinds, 1}, {0, 0, 8, TypeWinds, 1},
                                      {0, 0, 12, TypeWinds, 2}}},
        {"three tiles", {{0, 0, 0, TypeSeasons, 1}, {0, 0, 4, TypeSeasons, 2}, {0, 0, 8, TypeSeasons, 3}}},
        {"the whole set under a capstone that alone is free", {}},
    };
    auto app = newTestState();
    for (const Case& c : cases) {
        auto board = std::make_unique<Board>();
        for (const Tile& t : c.tiles) place(*board, t.z, t.y, t.x, t.type, t.number);
        if (c.tiles.empty()) dealTiles(app->random, app->tileSet, *board, *blockedLayout());
        auto before = std::make_unique<Board>(*board);
        EXPECT_EQ(arrangeToWin(app->random, *board), Arrangement::CannotBeCleared) << c.name;
        EXPECT_EQ(std::memcmp(board.get(), before.get(), sizeof(Board)), 0) << c.name;
    }
}

// Eight tiles on three layers where laying pairs at random soon runs into a
// dead end: the search must back out of it, whatever the generator draws.
TEST(Arrangement, ASearchThatMeetsADeadEndBacksOutAndArranges) {
    const Tile tiles[] = {{0, 0, 1, TypeCircles, 1}, {0, 0, 3, TypeCircles, 1}, {0, 0, 5, TypeCircles, 2},
                          {1, 0, 4, TypeCircles, 2}, {1, 0, 6, TypeCircles, 3}, {1, 1, 2, TypeCircles, 3},
                          {2, 1, 4, TypeCircles, 4}, {2, 1, 7, TypeCircles, 4}};
    Random random;
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        auto board = std::make_unique<Board>();
        for (const Tile& t : tiles) place(*board, t.z, t.y, t.x, t.type, t.number);
        seedRandom(random, seed);
        ClearingOrder order;
        ASSERT_EQ(arrangeToWin(random, *board, &order), Arrangement::Arranged) << "seed " << seed;
        EXPECT_TRUE(clearsBoard(*board, order.pairs, order.pairCount)) << "seed " << seed;
    }
}

TEST(Shuffle, RescuesALostGameAsOneStepOfUndoAndRedo) {
    auto app = newTestState();
    for (const Tile& t : kTwoStacks) place(app->board, t.z, t.y, t.x, t.type, t.number);
    app->history.gameEnded = 1;  // as after "Game over"
    app->selectedX = 4;
    auto lost = std::make_unique<Board>(app->board);

    shuffleBoard(*app);
    EXPECT_EQ(positionsAndFaces(app->board), positionsAndFaces(*lost));
    EXPECT_TRUE(tilesMatch(cellAt(app->board, 1, 4, 4), cellAt(app->board, 1, 4, 10)));
    EXPECT_EQ(app->gameActive, 1);
    EXPECT_EQ(app->selectedX, -1);
    EXPECT_TRUE(canUndo(*app));
    auto shuffled = std::make_unique<Board>(app->board);

    undoStep(*app);
    EXPECT_EQ(std::memcmp(&app->board, lost.get(), sizeof(Board)), 0);
    EXPECT_EQ(app->gameActive, 0);  // lost again, and Undo may reopen it again
    EXPECT_EQ(app->history.gameEnded, 1);
    redoStep(*app);
    EXPECT_EQ(std::memcmp(&app->board, shuffled.get(), sizeof(Board)), 0);
    EXPECT_EQ(app->gameActive, 1);

    // A full record forgets its oldest step to keep the newest.
    app->history.cursor = app->history.count = kMaxSteps;
    app->history.steps[1].tiles[0].index = 77;
    shuffleBoard(*app);
    EXPECT_EQ(app->history.cursor, kMaxSteps);
    EXPECT_EQ(app->history.steps[0].tiles[0].index, 77);
    EXPECT_EQ(app->history.steps[kMaxSteps - 1].shuffled, 1);
}

TEST(Shuffle, SaysSoAndChangesNothingWhenNoArrangementCanBeWon) {
    auto app = newTestState();
    place(app->board, 0, 4, 4, TypeWinds, 1);
    place(app->board, 1, 4, 4, TypeWinds, 1);
    auto before = std::make_unique<AppState>();
    std::memcpy(before.get(), app.get(), sizeof(AppState));
    fakeHost().reset();
    shuffleBoard(*app);
    EXPECT_EQ(fakeHost().messages(),
              std::vector<std::string>{"These tiles cannot be rearranged into a game that can be won."});
    before->random.state = app->random.state;  // the faces were drawn in pairs before the search
    EXPECT_EQ(std::memcmp(before.get(), app.get(), sizeof(AppState)), 0);
}

}  // namespace
