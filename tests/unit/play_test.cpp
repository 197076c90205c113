// Whole games on the shipped classic puzzle, played the way a player does:
// two clicks on the faces of a free pair, then the ticks until it is gone,
// until the game is won or no move is left.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "engine/clicks.h"
#include "engine/editor.h"
#include "engine/history.h"
#include "engine/moves.h"
#include "engine/new_game.h"
#include "engine/random.h"
#include "engine/tick.h"
#include "fake_host.h"
#include "files/file_path.h"
#include "shell/geometry.h"
#include "temp_folder.h"

namespace {

const char* const kWon = "Congratulations! The game is won.";
const char* const kGameOver = "There is no variant of move on the game field. Game over.";

void clickFace(AppState& app, const Anchor& tile) {
    // Near the top-left corner: a free tile's face is never hidden there.
    const PixelPoint corner = cellOrigin(app, tile.z, tile.y, tile.x);
    onBoardClick(app, kLeftButtonDown, corner.x + 5, corner.y + 5);
}

void tick(AppState& app, int count) {
    for (int i = 0; i < count; ++i) animationTick(app);
}

// Selects and matches a free pair, then lets it fade off the board.
void takePair(AppState& app) {
    Move move;
    ASSERT_GT(findMoves(app, app.board, move), 0);
    clickFace(app, move.first);
    clickFace(app, move.second);
    ASSERT_EQ(app.gameActive, 0) << "the pair was taken";
    tick(app, 25);
}

bool sameBoard(const Board& a, const Board& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

class Play : public InTempFolder {
protected:
    void SetUp() override {
        InTempFolder::SetUp();
        std::filesystem::create_directories("Puzzle");
        std::filesystem::copy_file(KELVARIN_SOURCE_DIR "/resources/Puzzle/classic.kvl",
                                   "Puzzle/classic.kvl");
    }
    // A classic deal, shown and ready for play.
    std::unique_ptr<AppState> startClassic(uint32_t seed) {
        auto app = newTestState();
        setIllegalChars(app->filePath);
        app->view.autoScale = 1;
        std::strcpy(app->lastGame, "classic.kvl");
        seedRandom(*app, seed);
        newGame(*app);
        tick(*app, 60);  // the layers appear
        return app;
    }
};

TEST_F(Play, ClassicGamesEndWonOrOverWithTheirMessages) {
    int won = 0;
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        auto app = startClassic(seed);
        ASSERT_EQ(app->gameActive, 1) << "seed " << seed;

        int pairs = 0;
        while (app->gameActive == 1 && fakeHost().messages().empty()) {
            Move move;
            ASSERT_GT(findMoves(*app, app->board, move), 0);
            clickFace(*app, move.first);
            clickFace(*app, move.second);
            ASSERT_EQ(app->gameActive, 0) << "the pair was taken, seed " << seed;
            tick(*app, 25);
            ++pairs;
        }
        const auto messages = fakeHost().messages();
        ASSERT_EQ(messages.size(), 1u) << "seed " << seed;
        EXPECT_EQ(app->gameActive, 0);
        if (messages[0] == kWon) {
            ++won;
            EXPECT_EQ(pairs, 72);
            EXPECT_EQ(countTiles(app->board), 0);
            EXPECT_EQ(app->canSaveGame, 0);
            EXPECT_EQ(fakeHost().sounds().back(), SoundLevelCompleted);
        } else {
            EXPECT_EQ(messages[0], kGameOver) << "seed " << seed;
            EXPECT_GT(countTiles(app->board), 0);
        }
    }
    EXPECT_GT(won, 0) << "random play wins a classic game now and then";
}

// Every board met on the way is met again, cell for cell, stepping back to
// the deal and forward again; a new pair after Undo forgets the redo steps.
TEST_F(Play, UndoAndRedoWalkTheBoardsOfAGame) {
    auto app = startClassic(7);
    auto boards = std::make_unique<Board[]>(6);
    boards[0] = app->board;
    for (int k = 1; k <= 5; ++k) {
        takePair(*app);
        boards[k] = app->board;
    }
    Move move;
    findMoves(*app, app->board, move);
    clickFace(*app, move.first);
    clickFace(*app, move.second);
    undoStep(*app);  // a pair still vanishing is not a step yet
    EXPECT_EQ(app->history.cursor, 5);
    tick(*app, 25);
    undoStep(*app);
    EXPECT_TRUE(sameBoard(app->board, boards[5]));

    findMoves(*app, app->board, move);
    clickFace(*app, move.first);
    for (int k = 4; k >= 0; --k) {
        undoStep(*app);
        EXPECT_TRUE(sameBoard(app->board, boards[k])) << "undo to " << k;
    }
    EXPECT_EQ(app->selectedX, -1) << "a selection does not outlive a step";
    EXPECT_FALSE(canUndo(*app));
    EXPECT_EQ(app->gameActive, 1);
    for (int k = 1; k <= 5; ++k) {
        redoStep(*app);
        EXPECT_TRUE(sameBoard(app->board, boards[k])) << "redo to " << k;
    }
    EXPECT_TRUE(canRedo(*app));
    undoStep(*app);
    undoStep(*app);
    takePair(*app);
    EXPECT_EQ(app->history.count, 4);
    EXPECT_FALSE(canRedo(*app));
    EXPECT_TRUE(fakeHost().messages().empty());
}

// Undo reopens an ended game; Redo ends it again with the same message.
TEST_F(Play, UndoReopensAnEndedGameAndRedoEndsItAgain) {
    auto app = startClassic(3);
    auto before = std::make_unique<Board>();
    while (app->gameActive == 1 && !HasFatalFailure()) {
        *before = app->board;
        takePair(*app);
    }
    const auto ended = std::make_unique<Board>(app->board);
    ASSERT_EQ(fakeHost().messages().size(), 1u);
    undoStep(*app);
    EXPECT_TRUE(sameBoard(app->board, *before));
    EXPECT_EQ(app->gameActive, 1);
    EXPECT_EQ(app->canSaveGame, 1);
    redoStep(*app);
    EXPECT_TRUE(sameBoard(app->board, *ended));
    EXPECT_EQ(app->gameActive, 0);
    const auto messages = fakeHost().messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1], messages[0]);
    EXPECT_TRUE(canUndo(*app));

    newGame(*app);
    EXPECT_EQ(app->history.count, 0);
    tick(*app, 60);
    takePair(*app);
    createPuzzle(*app);
    EXPECT_EQ(app->history.count, 0);
}
