#include <gtest/gtest.h>

#include "fake_host.h"
#include "game/tick.h"
#include "rules/deal.h"
#include "test_boards.h"

namespace {

int tickUntil(AppState& app, int limit, bool (*done)(const AppState&)) {
    for (int tick = 1; tick <= limit; ++tick) {
        animationTick(app);
        if (done(app)) return tick;
    }
    return -1;
}

TEST(Tick, LayersAppearOneByOneThenPlayStarts) {
    auto app = newTestState();
    for (int z = 0; z < 3; ++z) place(app->board, z, 4, 4 + z, TypeCircles, z + 1);
    startAppearing(app->board);

    std::vector<int> soundTicks;
    int shownAt[3] = {0, -1, -1};
    int activeAt = -1;
    for (int tick = 1; tick <= 40; ++tick) {
        fakeHost().reset();
        animationTick(*app);
        for (int event : fakeHost().sounds()) {
            EXPECT_EQ(event, SoundUnselection);
            soundTicks.push_back(tick);
        }
        for (int z = 1; z < 3; ++z)
            if (shownAt[z] < 0 && cellAt(app->board, z, 4, 4 + z).opacity == 100) shownAt[z] = tick;
        if (activeAt < 0 && app->gameActive == 1) {
            activeAt = tick;
            EXPECT_EQ(fakeHost().count(HostCall::Menu), 1);
        }
    }
    EXPECT_EQ(shownAt[1], 10);
    EXPECT_EQ(shownAt[2], 20);
    EXPECT_EQ(activeAt, 30);
    EXPECT_EQ(soundTicks, (std::vector<int>{1, 11, 21}));
    EXPECT_EQ(cellAt(app->board, 2, 4, 6).effect, EffectNone);
}

// Puzzles may leave layers empty: every layer that holds tiles shows in
// turn, with one sound each, and play starts after the last.
TEST(Tick, EmptyLayersArePassedOver) {
    struct Row {
        std::vector<int> layers;
        std::vector<int> shownAt;  // per listed layer
        int activeAt;
    } rows[] = {
        {{0, 2}, {0, 10}, 20},
        {{0, 4}, {0, 10}, 20},
        {{1, 3}, {0, 10}, 20},
        {{0, 1, 3}, {0, 10, 20}, 30},
    };
    for (const Row& row : rows) {
        auto app = newTestState();
        for (int z : row.layers) place(app->board, z, 4, 4 + z, TypeCircles, z + 1);
        startAppearing(app->board);
        std::vector<int> shownAt, soundTicks;
        int activeAt = -1;
        for (int tick = 0; tick <= 60; ++tick) {
            fakeHost().reset();
            if (tick > 0) animationTick(*app);
            for (size_t i = shownAt.size(); i < row.layers.size(); ++i) {
                const int z = row.layers[i];
                if (cellAt(app->board, z, 4, 4 + z).opacity == 100) shownAt.push_back(tick);
            }
            if (!fakeHost().sounds().empty()) soundTicks.push_back(tick);
            if (activeAt < 0 && app->gameActive == 1) activeAt = tick;
        }
        const std::string what = ::testing::PrintToString(row.layers);
        EXPECT_EQ(shownAt, row.shownAt) << what;
        EXPECT_EQ(activeAt, row.activeAt) << what;
        std::vector<int> expectedSounds;
        for (int at : row.shownAt) expectedSounds.push_back(at + 1);
        EXPECT_EQ(soundTicks, expectedSounds) << what;
        // Nothing is left waiting for a turn, so the clock can stop.
        EXPECT_FALSE(effectsRunning(app->board)) << what;
    }
}

// A pair taken while a new deal still appears can end the game, over or
// won; the end of the appear effect must not enable play again.
TEST(Tick, AGameThatEndsWhileItsLayersAppearStaysEnded) {
    struct Row {
        const char* message;
        bool rest;  // five tiles of which no two match, one on each layer
    } rows[] = {{"There is no variant of move on the game field. Game over.", true},
                {"Congratulations! The game is won.", false}};
    for (const Row& row : rows) {
        auto app = newTestState();
        place(app->board, 0, 0, 0, TypeBamboo, 3);
        place(app->board, 0, 0, 6, TypeBamboo, 3);
        for (int z = 0; z < kLayers && row.rest; ++z)
            place(app->board, z, 10, 10 * z, z < 4 ? TypeWinds : TypeDragons, z % 4 + 1);
        startAppearing(app->board);
        // As a matching click leaves them, and nearly faded: the game ends
        // before even the first layer has appeared.
        for (int x : {0, 6}) {
            cellAt(app->board, 0, 0, x).effect = EffectVanishing;
            cellAt(app->board, 0, 0, x).opacity = 20;
        }
        app->gameActive = 0;
        for (int tick = 1; tick <= 80; ++tick) animationTick(*app);
        EXPECT_EQ(fakeHost().messages(), std::vector<std::string>{row.message});
        EXPECT_EQ(app->gameActive, 0) << row.message;
        EXPECT_FALSE(effectsRunning(app->board)) << row.message << ": every layer shown";
    }
}

struct EndCase {
    const char* name;
    std::vector<Cell> rest;  // tiles left beside the vanishing pair
    int canSaveBefore;
    std::vector<int> sounds;
    std::string message;
    int gameActive;
    int canSaveGame;
};

TEST(Tick, VanishingPairAndTheEndsOfAGame) {
    const EndCase cases[] = {
        {"moves remain", {{TypeWinds, 1}, {TypeWinds, 1}}, 0, {SoundPairCompleted, SoundPairCompleted}, "", 1, 1},
        {"won", {}, 1, {SoundPairCompleted, SoundPairCompleted, SoundLevelCompleted},
         "Congratulations! The game is won.", 0, 0},
        {"game over", {{TypeWinds, 1}, {TypeWinds, 2}}, 1, {SoundPairCompleted, SoundPairCompleted},
         "There is no variant of move on the game field. Game over.", 0, 1},
    };
    for (const EndCase& c : cases) {
        auto app = newTestState();
        place(app->board, 0, 0, 0, TypeBamboo, 3);
        place(app->board, 0, 0, 6, TypeBamboo, 3);
        for (size_t i = 0; i < c.rest.size(); ++i)
            place(app->board, 0, 10, 6 * static_cast<int>(i), c.rest[i].type, c.rest[i].number);
        for (int x : {0, 6}) {
            cellAt(app->board, 0, 0, x).effect = EffectVanishing;
            cellAt(app->board, 0, 0, x).opacity = 100;
        }
        app->canSaveGame = c.canSaveBefore;

        for (int tick = 1; tick < 25; ++tick) animationTick(*app);
        EXPECT_EQ(cellAt(app->board, 0, 0, 0).opacity, 4) << c.name;
        EXPECT_EQ(cellAt(app->board, 0, 0, 6).number, 3) << c.name;
        EXPECT_EQ(fakeHost().count(HostCall::Repaint), 24) << c.name;
        animationTick(*app);

        EXPECT_EQ(cellAt(app->board, 0, 0, 0).number, 0) << c.name;
        EXPECT_EQ(cellAt(app->board, 0, 0, 6).number, 0) << c.name;
        EXPECT_EQ(fakeHost().sounds(), c.sounds) << c.name;
        const auto messages = fakeHost().messages();
        EXPECT_EQ(messages.empty() ? "" : messages[0], c.message) << c.name;
        EXPECT_EQ(app->gameActive, c.gameActive) << c.name;
        EXPECT_EQ(app->canSaveGame, c.canSaveGame) << c.name;
        EXPECT_EQ(fakeHost().count(HostCall::Menu), 1) << c.name;
        // The repaint of the removal comes after the message.
        EXPECT_EQ(fakeHost().calls.back().kind, HostCall::Repaint) << c.name;
    }
}

TEST(Tick, FlashesEndAfterTheirTicksAndStrangeEffectsAreReset) {
    auto app = newTestState();
    place(app->board, 0, 0, 0, TypeCircles, 1);
    place(app->board, 0, 0, 4, TypeCircles, 2);
    place(app->board, 0, 0, 8, TypeCircles, 3);
    cellAt(app->board, 0, 0, 0) = Cell{TypeCircles, 1, EffectBlankFlash, 100, 10};
    cellAt(app->board, 0, 0, 4) = Cell{TypeCircles, 2, EffectStopFlash, 100, 20};
    cellAt(app->board, 0, 0, 8) = Cell{TypeCircles, 3, 99, 100, 0};
    cellAt(app->board, 3, 3, 3).effect = -7;  // an empty cell with garbage

    animationTick(*app);
    EXPECT_EQ(cellAt(app->board, 0, 0, 8).effect, EffectNone);
    EXPECT_EQ(cellAt(app->board, 3, 3, 3).effect, EffectNone);
    EXPECT_EQ(fakeHost().count(HostCall::Repaint), 0) << "a reset alone draws nothing";

    auto blankEnded = [](const AppState& a) { return cellAt(a.board, 0, 0, 0).effect == EffectNone; };
    EXPECT_EQ(tickUntil(*app, 30, blankEnded), 9);
    auto stopEnded = [](const AppState& a) { return cellAt(a.board, 0, 0, 4).effect == EffectNone; };
    EXPECT_EQ(fakeHost().count(HostCall::Menu), 0) << "a flash is still running";
    EXPECT_EQ(tickUntil(*app, 30, stopEnded), 10);
    EXPECT_EQ(fakeHost().count(HostCall::Menu), 1) << "with the last flash over, Shuffle is offered again";
}

TEST(Tick, QuietBoardDoesNothing) {
    auto app = newTestState();
    place(app->board, 0, 0, 0, TypeCircles, 1);
    app->gameActive = 1;
    animationTick(*app);
    EXPECT_TRUE(fakeHost().calls.empty());
}

}  // namespace
