// Whole games on the shipped classic puzzle, played the way a player does:
// two clicks on the faces of a free pair, then the ticks until it is gone,
// until the game is won or no move is left.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "engine/clicks.h"
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

}  // namespace

class Play : public InTempFolder {};

TEST_F(Play, ClassicGamesEndWonOrOverWithTheirMessages) {
    std::filesystem::create_directories("Puzzle");
    std::filesystem::copy_file(KELVARIN_SOURCE_DIR "/resources/Puzzle/classic.kvl",
                               "Puzzle/classic.kvl");
    int won = 0;
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        auto app = newTestState();
        setIllegalChars(app->filePath);
        app->view.autoScale = 1;
        std::strcpy(app->lastGame, "classic.kvl");
        seedRandom(*app, seed);
        newGame(*app);
        tick(*app, 60);  // the layers appear
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
