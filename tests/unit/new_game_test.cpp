#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fake_host.h"
#include "files/file_path.h"
#include "game/deal_number.h"
#include "game/new_game.h"
#include "game/play_clock.h"
#include "rules/deal.h"
#include "rules/moves.h"
#include "rules/random.h"
#include "rules/solver.h"
#include "sample_layouts.h"
#include "temp_folder.h"

namespace {

const char* const kGameOver = "There is no variant of move on the game field. Game over.";

// The tiles alone, without the appear effect.
std::vector<std::pair<int, int>> faces(const Board& board) {
    std::vector<std::pair<int, int>> out;
    for (const Cell& cell : board.cells) out.emplace_back(cell.type, cell.number);
    return out;
}

bool dealtOn(const Board& board, const Layout& layout) {
    for (int i = 0; i < kCells; ++i)
        if ((board.cells[i].number != 0) != (layout.cells[i].number != 0)) return false;
    return true;
}

}  // namespace

class NewGame : public InTempFolder {
protected:
    void SetUp() override {
        InTempFolder::SetUp();
        app = newTestState();
        setIllegalChars(app->filePath);
        seedRandom(app->random, 12345);
        std::filesystem::create_directories("Puzzle");
        writeFile("Puzzle/flat.kvl", fieldText(*flatLayout()));
        writeFile("Puzzle/blocked.kvl", fieldText(*blockedLayout()));
    }
    void start(const char* puzzle) {
        std::strcpy(app->lastGame, puzzle);
        newGame(*app);
    }
    std::unique_ptr<AppState> app;
};

TEST_F(NewGame, DealsOnThePuzzleAndStartsTheLayersAppearing) {
    app->editorMode = 1;
    app->canSaveGame = 1;
    app->selectedX = 4;
    app->gameActive = 1;
    app->focused = 1;
    app->paused = 1;
    start("flat.kvl");
    EXPECT_TRUE(dealtOn(app->board, *flatLayout()));
    EXPECT_EQ(std::memcmp(&app->puzzle, flatLayout().get(), sizeof(Board)), 0);
    EXPECT_EQ(app->editorMode, 0);
    EXPECT_EQ(app->canSaveGame, 0);
    EXPECT_EQ(app->selectedX, -1);
    EXPECT_EQ(app->focused, 0);
    EXPECT_EQ(app->paused, 0);
    EXPECT_EQ(app->gameActive, 1);  // a running game stays clickable while the layers appear
    EXPECT_EQ(cellAt(app->board, 0, 0, 0).effect, EffectAppearing);
    EXPECT_EQ(cellAt(app->board, 0, 0, 0).ticks, 10);
    EXPECT_EQ(cellAt(app->board, 1, 0, 0).opacity, 0);
    EXPECT_TRUE(fakeHost().messages().empty());
    EXPECT_EQ(fakeHost().count(HostCall::Repaint), 1);
    Move move;
    EXPECT_GT(findMoves(app->random, app->board, move), 0);
}

TEST_F(NewGame, AMissingPuzzleIsReportedAndForgottenAndTheGameStays) {
    start("flat.kvl");
    app->gameActive = 1;
    auto before = std::make_unique<AppState>();
    std::memcpy(before.get(), app.get(), sizeof(AppState));
    fakeHost().reset();
    start("gone.kvl");
    ASSERT_EQ(fakeHost().messages(), std::vector<std::string>{"File of puzzle: \".\\Puzzle\\gone.kvl\" is not found!"});
    EXPECT_EQ(fakeHost().calls[0].icon, MessageIcon::Error);
    EXPECT_STREQ(app->lastGame, "");
    EXPECT_EQ(std::memcmp(&app->board, &before->board, sizeof(Board)), 0);
    EXPECT_EQ(std::memcmp(&app->puzzle, &before->puzzle, sizeof(Board)), 0);
    EXPECT_EQ(app->gameActive, 1);
    EXPECT_EQ(app->random.state, before->random.state);
}

// Only a file is a puzzle: a name that leads to a folder is not found.
TEST_F(NewGame, AFolderIsNoPuzzle) {
    std::filesystem::create_directories("Puzzle/dir.kvl");
    struct Row {
        const char* lastGame;
        const char* message;
    } rows[] = {{"", "File of puzzle: \".\\Puzzle\\\" is not found!"},
                {"dir.kvl", "File of puzzle: \".\\Puzzle\\dir.kvl\" is not found!"}};
    for (const Row& row : rows) {
        fakeHost().reset();
        start(row.lastGame);
        EXPECT_EQ(fakeHost().messages(), std::vector<std::string>{row.message}) << row.lastGame;
    }
}

TEST_F(NewGame, GivesUpAfter21BlockedDeals) {
    auto expected = newTestState();
    seedRandom(expected->random, 12345);
    for (int draw = 0; draw < kMaxDeals * 2000; ++draw) nextRandom(expected->random);

    app->gameActive = 1;
    start("blocked.kvl");
    EXPECT_EQ(app->random.state, expected->random.state);  // 21 deals of 2000 draws, no pair drawn
    ASSERT_EQ(fakeHost().messages(), std::vector<std::string>{kGameOver});
    EXPECT_EQ(fakeHost().calls.back().kind, HostCall::Menu);
    EXPECT_EQ(app->gameActive, 0);
    EXPECT_TRUE(dealtOn(app->board, *blockedLayout()));
    EXPECT_EQ(cellAt(app->board, 4, 10, 10).effect, EffectNone);  // shown at once, all visible
}

// "Winnable deals only" builds a deal the solver wins at once; a puzzle that
// no order of play clears is said to be so, then dealt as without the option.
TEST_F(NewGame, WinnableDealsOnlyBuildsADealThatCanBeWon) {
    struct Row {
        const char* puzzle;
        std::vector<std::string> messages;
    } rows[] = {{"flat.kvl", {}},
                {"blocked.kvl",
                 {"No order of play was found that clears this puzzle, so it has no winnable deal. "
                  "The tiles are dealt at random.",
                  kGameOver}}};
    for (const Row& row : rows) {
        fakeHost().reset();
        app->winnableOnly = 1;
        app->clock.played = 99000;
        start(row.puzzle);
        EXPECT_EQ(fakeHost().messages(), row.messages) << row.puzzle;
        EXPECT_EQ(countTiles(app->board), kTileCount) << row.puzzle;
        EXPECT_EQ(secondsPlayed(*app), 0) << row.puzzle;  // the clock starts again
    }
    start("flat.kvl");
    for (Cell& cell : app->board.cells) cell.effect = EffectNone;
    EXPECT_EQ(solveBoard(app->board, 100000).verdict, Verdict::Winnable);
}

// A deal's number is the generator's state before its first draw, redeals
// included; the same number on the same puzzle and option deals the same tiles.
TEST_F(NewGame, ADealNumberDealsTheSameTilesAgain) {
    struct Row {
        const char* puzzle;
        int32_t winnableOnly;
    } rows[] = {{"flat.kvl", 0}, {"flat.kvl", 1}, {"blocked.kvl", 0}};
    for (const Row& row : rows) {
        app->winnableOnly = row.winnableOnly;
        seedRandom(app->random, 4242);
        start(row.puzzle);
        const std::vector<std::pair<int, int>> dealt = faces(app->board);
        EXPECT_EQ(dealNumberText(*app), "Deal 4242");
        start(row.puzzle);
        EXPECT_NE(faces(app->board), dealt) << row.puzzle;
        for (int again = 0; again < 2; ++again) {
            dealByNumber(*app, 4242);
            EXPECT_EQ(faces(app->board), dealt) << row.puzzle << ", option " << row.winnableOnly;
        }
    }
    // The first deal without the option is the shuffle it always was.
    auto board = std::make_unique<Board>();
    seedRandom(app->random, 4242);
    dealTiles(app->random, app->tileSet, *board, *flatLayout());
    app->winnableOnly = 0;
    start("flat.kvl");
    dealByNumber(*app, 4242);
    EXPECT_EQ(faces(app->board), faces(*board));
    app->editorMode = 1;  // the editor shows no number, nor does a loaded game
    EXPECT_EQ(dealNumberText(*app), "");
    app->editorMode = 0;
    app->dealNumbered = 0;
    EXPECT_EQ(dealNumberText(*app), "");
}

TEST_F(NewGame, RestartWithoutAMoveDealsAgainWithoutAsking) {
    start("blocked.kvl");
    fakeHost().reset();
    restartGame(*app);
    EXPECT_EQ(fakeHost().count(HostCall::Question), 0);
    EXPECT_EQ(fakeHost().messages(), std::vector<std::string>{kGameOver});

    start("flat.kvl");
    clearBoard(app->board);  // nothing left: restart at once
    fakeHost().reset();
    restartGame(*app);
    EXPECT_EQ(fakeHost().count(HostCall::Question), 0);
    EXPECT_EQ(countTiles(app->board), kTileCount);
}

TEST_F(NewGame, RestartAsksAndNoLeavesEverything) {
    start("flat.kvl");
    app->selectedX = 2;
    app->selectedY = 0;
    cellAt(app->board, 0, 0, 2).effect = EffectStopFlash;
    auto before = std::make_unique<AppState>();
    std::memcpy(before.get(), app.get(), sizeof(AppState));
    fakeHost().reset();
    fakeHost().answers = {false};
    restartGame(*app);
    EXPECT_EQ(fakeHost().messages(), std::vector<std::string>{"Restart current game. Are you sure?"});
    before->random.state = app->random.state;  // the move search draws once
    EXPECT_EQ(std::memcmp(before.get(), app.get(), sizeof(AppState)), 0);

    fakeHost().reset();
    fakeHost().answers = {true};
    restartGame(*app);
    EXPECT_EQ(app->selectedX, -1);
    EXPECT_NE(std::memcmp(&before->board, &app->board, sizeof(Board)), 0);
    EXPECT_TRUE(dealtOn(app->board, *flatLayout()));
}
