// Whole games on the shipped classic puzzle, played the way a player does:
// two clicks on the faces of a free pair, then the ticks until it is gone,
// until the game is won or no move is left.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "fake_host.h"
#include "files/file_path.h"
#include "game/clicks.h"
#include "game/editor.h"
#include "game/geometry.h"
#include "game/history.h"
#include "game/new_game.h"
#include "game/tick.h"
#include "game/undo.h"
#include "rules/moves.h"
#include "rules/random.h"
#include "sample_layouts.h"
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

// Selects and matches a free pair, which starts to fade.
void matchPair(AppState& app) {
    Move move;
    ASSERT_GT(findMoves(app.random, app.board, move), 0);
    clickFace(app, move.first);
    clickFace(app, move.second);
    ASSERT_EQ(app.gameActive, 0) << "the pair was taken";
}

// Matches a free pair and lets it fade off the board.
void takePair(AppState& app) {
    matchPair(app);
    tick(app, 25);
}

// One tile takes the face of another that it does not match: two faces are
// left a tile over, so a game on the board ends with those two, not won.
void leaveTwoFacesOdd(Board& board) {
    Cell* first = nullptr;
    for (Cell& cell : board.cells) {
        if (cell.number == 0) continue;
        if (first == nullptr) {
            first = &cell;
        } else if (!tilesMatch(*first, cell)) {
            cell.type = first->type;
            cell.number = first->number;
            return;
        }
    }
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
        writeFile("Puzzle/apart.kvl", fieldText(*apartLayout()));
    }
    // A deal of the puzzle, shown and ready for play.
    std::unique_ptr<AppState> start(const char* puzzle, uint32_t seed) {
        auto app = newTestState();
        setIllegalChars(app->filePath);
        app->view.autoScale = 1;
        std::strcpy(app->lastGame, puzzle);
        seedRandom(app->random, seed);
        newGame(*app);
        tick(*app, 60);  // the layers appear
        return app;
    }
};

TEST_F(Play, ClassicGamesEndWonOrOverWithTheirMessages) {
    int won = 0;
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        auto app = start("classic.kvl", seed);
        ASSERT_EQ(app->gameActive, 1) << "seed " << seed;

        int pairs = 0;
        while (app->gameActive == 1 && fakeHost().messages().empty()) {
            Move move;
            ASSERT_GT(findMoves(app->random, app->board, move), 0);
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
    auto app = start("classic.kvl", 7);
    auto boards = std::make_unique<Board[]>(6);
    boards[0] = app->board;
    for (int k = 1; k <= 5; ++k) {
        takePair(*app);
        boards[k] = app->board;
    }
    Move move;
    findMoves(app->random, app->board, move);
    clickFace(*app, move.first);
    clickFace(*app, move.second);
    undoStep(*app);  // a pair still vanishing is not a step yet
    EXPECT_EQ(app->history.cursor, 5);
    tick(*app, 25);
    undoStep(*app);
    EXPECT_TRUE(sameBoard(app->board, boards[5]));

    findMoves(app->random, app->board, move);
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

// Undo reopens an ended game, won or over, and Redo ends it again with the
// same message. A pair taken after stepping back out of the end holds Undo
// and Redo off while it fades; then only Undo is offered. New game and the
// editor leave nothing to undo or redo.
TEST_F(Play, UndoReopensAnEndedGameAndRedoEndsItAgain) {
    for (const char* end : {kWon, kGameOver}) {
        SCOPED_TRACE(end);
        auto app = start("apart.kvl", 3);
        if (end == kGameOver) leaveTwoFacesOdd(app->board);
        auto before = std::make_unique<Board>();
        while (app->gameActive == 1 && !HasFatalFailure()) {
            *before = app->board;
            takePair(*app);
        }
        const auto ended = std::make_unique<Board>(app->board);
        ASSERT_EQ(fakeHost().messages(), std::vector<std::string>{end});
        undoStep(*app);
        EXPECT_TRUE(sameBoard(app->board, *before));
        EXPECT_EQ(app->gameActive, 1);
        EXPECT_EQ(app->canSaveGame, 1);
        redoStep(*app);
        EXPECT_TRUE(sameBoard(app->board, *ended));
        EXPECT_EQ(app->gameActive, 0);
        EXPECT_EQ(fakeHost().messages(), (std::vector<std::string>{end, end}));
        EXPECT_TRUE(canUndo(*app));

        undoStep(*app);
        undoStep(*app);
        matchPair(*app);
        EXPECT_FALSE(canUndo(*app)) << "while the pair fades";
        EXPECT_FALSE(canRedo(*app)) << "while the pair fades";
        tick(*app, 25);
        EXPECT_TRUE(canUndo(*app));
        EXPECT_FALSE(canRedo(*app));

        undoStep(*app);  // a step each way
        newGame(*app);
        EXPECT_EQ(app->history.cursor, 0);
        EXPECT_EQ(app->history.count, 0);
        tick(*app, 60);
        const auto dealt = std::make_unique<Board>(app->board);
        undoStep(*app);
        redoStep(*app);
        EXPECT_TRUE(sameBoard(app->board, *dealt));

        takePair(*app);
        createPuzzle(*app);
        EXPECT_EQ(app->history.count, 0);
    }
}
