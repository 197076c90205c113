// The records of play: games played through the game's own entry points, and
// what Statistics.ini holds afterwards; and the file read from damaged text.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "fake_host.h"
#include "files/profile.h"
#include "files/saved_game.h"
#include "files/statistics_file.h"
#include "game/clicks.h"
#include "game/editor.h"
#include "game/geometry.h"
#include "game/hint.h"
#include "game/new_game.h"
#include "game/records.h"
#include "game/save_and_load.h"
#include "game/shuffle.h"
#include "game/tick.h"
#include "game/undo.h"
#include "rules/free_rule.h"
#include "rules/moves.h"
#include "sample_layouts.h"
#include "shipped_puzzles.h"
#include "temp_folder.h"

namespace {

// The records, one "name played won timedWins totalTime bestTime" each.
std::string summary(const std::vector<PuzzleRecord>& records) {
    std::string text;
    for (const PuzzleRecord& r : records)
        text += (text.empty() ? "" : "; ") + std::string(r.name) + " " + std::to_string(r.played) + " " +
                std::to_string(r.won) + " " + std::to_string(r.timedWins) + " " +
                std::to_string(r.totalTime) + " " + std::to_string(r.bestTime);
    return text;
}

std::string fileSummary() {
    std::vector<PuzzleRecord> records;
    readStatistics(kStatisticsFile, records);
    return summary(records);
}

std::string readBack(const std::string& text) {
    Profile profile;
    parseProfile(profile, text);
    std::vector<PuzzleRecord> records;
    readStatisticsFrom(profile, records);
    return summary(records);
}

// Two pairs of circles side by side on layer 0 of `field`, saved as a game.
void writeSavedGame(const char* name, const Layout& field) {
    auto board = std::make_unique<Board>();
    const int places[4][2] = {{4, 1}, {10, 1}, {16, 2}, {22, 2}};
    for (const auto& place : places) cellAt(*board, 0, 4, place[0]) = Cell{TypeCircles, place[1]};
    std::string text;
    composeSavedGame(field, *board, text);
    std::ofstream(std::string("Save/") + name, std::ios::binary) << text;
}

enum Action { Deal, TakePair, Win, Lose, UseHint, UseUndo, UseShuffle, NewGame, Restart,
              LoadShipped, LoadHandMade, CreatePuzzle, Exit };

struct Step {
    Action action;
    int seconds = 0;  // Win: the clock at the last pair
};

class Records : public InTempFolder {
protected:
    void SetUp() override {
        InTempFolder::SetUp();
        std::filesystem::create_directories("Puzzle");
        std::filesystem::create_directories("Save");
        std::filesystem::copy_file(KELVARIN_SOURCE_DIR "/resources/Puzzle/classic.kvl",
                                   "Puzzle/classic.kvl");
        writeFile("Puzzle/apart.kvl", fieldText(*apartLayout()));
        auto classic = std::make_unique<Layout>();
        FilePath path{};
        std::string message;
        ASSERT_TRUE(readPuzzle(path, "classic.kvl", *classic, message)) << message;
        writeSavedGame("shipped.kvg", *classic);
        writeSavedGame("hand-made.kvg", *flatLayout());
    }

    // A fresh game state and no records, as at the first start.
    void fresh() {
        std::filesystem::remove("Statistics.ini");
        app = newTestState();
        setIllegalChars(app->filePath);
        app->view.autoScale = 1;
        std::strcpy(app->lastGame, "apart.kvl");
        seedRandom(app->random, 5);
    }
    void tick(int count) {
        for (int i = 0; i < count; ++i) animationTick(*app);
    }
    void click(const Anchor& tile) {
        const PixelPoint corner = cellOrigin(*app, tile.z, tile.y, tile.x);
        onBoardClick(*app, kLeftButtonDown, corner.x + 5, corner.y + 5);
    }
    // The highest free tile and the first free tile that matches it: this
    // clears every board of these tests.
    void takePair() {
        std::vector<Anchor> free;
        for (int z = kLayers - 1; z >= 0; --z)
            for (int y = 0; y < kRows; ++y)
                for (int x = 0; x < kCols; ++x)
                    if (cellAt(app->board, z, y, x).number != 0 && isFree(app->board, z, x, y))
                        free.push_back(Anchor{x, y, z});
        for (size_t j = 1; j < free.size(); ++j) {
            const Anchor& a = free[0];
            const Anchor& b = free[j];
            if (!tilesMatch(cellAt(app->board, a.z, a.y, a.x), cellAt(app->board, b.z, b.y, b.x))) continue;
            click(a);
            click(b);
            tick(25);
            return;
        }
        FAIL() << "no pair with the highest free tile";
    }
    void playToTheEnd() {
        while (app->gameActive == 1 && !HasFatalFailure()) takePair();
    }
    // Four tiles of one face, two of them stacked: taking the two loose ones
    // leaves the stack, and the game is over.
    void loseOnAStack() {
        clearBoard(app->board);
        const Anchor tiles[4] = {{0, 0, 0}, {0, 0, 1}, {6, 0, 0}, {12, 0, 0}};
        for (const Anchor& tile : tiles) cellAt(app->board, tile.z, tile.y, tile.x) = Cell{TypeCircles, 1};
        click(tiles[2]);
        click(tiles[3]);
        tick(25);
    }

    void run(const Step& step) {
        switch (step.action) {
        case Deal: newGame(*app); tick(60); break;
        case TakePair: takePair(); break;
        case Win:
            app->secondsPlayed = step.seconds;
            playToTheEnd();
            ASSERT_EQ(countTiles(app->board), 0);
            break;
        case Lose:
            loseOnAStack();
            ASSERT_EQ(app->history.gameEnded, 1);
            break;
        case UseHint: showHint(*app); tick(10); break;
        case UseUndo: undoStep(*app); break;
        case UseShuffle: shuffleBoard(*app); break;
        case NewGame: newGame(*app); tick(60); break;
        case Restart: fakeHost().answers.push_back(true); restartGame(*app); tick(60); break;
        case LoadShipped: ASSERT_TRUE(loadGame(*app, "shipped.kvg", kMainWindow)); break;
        case LoadHandMade: ASSERT_TRUE(loadGame(*app, "hand-made.kvg", kMainWindow)); break;
        case CreatePuzzle: createPuzzle(*app); break;
        case Exit: giveUpGame(*app); break;
        }
    }

    std::unique_ptr<AppState> app;
};

TEST_F(Records, EveryGameCountsOnceByHowItEnds) {
    const char* const givenUp = "apart.kvl 1 0 0 0 -1";
    struct Case {
        const char* name;
        std::vector<Step> steps;
        const char* file;  // the records afterwards
        bool newBest;      // the last win set the best time
    } const cases[] = {
        {"won", {{Deal}, {Win, 90}}, "apart.kvl 1 1 1 90 90", true},
        {"lost", {{Deal}, {Lose}}, givenUp, false},
        {"given up by New game", {{Deal}, {TakePair}, {NewGame}}, givenUp, false},
        {"given up by Restart", {{Deal}, {TakePair}, {Restart}}, givenUp, false},
        {"given up by Load game", {{Deal}, {TakePair}, {LoadShipped}}, givenUp, false},
        {"given up by Create puzzle", {{Deal}, {TakePair}, {CreatePuzzle}}, givenUp, false},
        {"given up by exit", {{Deal}, {TakePair}, {Exit}}, givenUp, false},
        {"left before its first pair", {{Deal}, {UseHint}, {NewGame}, {Exit}}, "", false},
        {"Undo out of a loss, then won", {{Deal}, {Lose}, {UseUndo}, {Win, 90}},
         "apart.kvl 1 1 1 90 -1", false},
        {"Hint used", {{Deal}, {UseHint}, {Win, 90}}, "apart.kvl 1 1 1 90 -1", false},
        {"Undo used", {{Deal}, {TakePair}, {UseUndo}, {Win, 90}}, "apart.kvl 1 1 1 90 -1", false},
        {"Shuffle used", {{Deal}, {UseShuffle}, {Win, 90}}, "apart.kvl 1 1 1 90 -1", false},
        {"a faster win", {{Deal}, {Win, 90}, {Deal}, {Win, 60}}, "apart.kvl 2 2 2 150 60", true},
        {"a slower win", {{Deal}, {Win, 60}, {Deal}, {Win, 90}}, "apart.kvl 2 2 2 150 60", false},
        {"loaded on a shipped field", {{LoadShipped}, {Win}, {Exit}}, "classic.kvl 1 1 0 0 -1", false},
        {"loaded on a hand-made field", {{Deal}, {Win, 70}, {LoadHandMade}, {Win}},
         "apart.kvl 1 1 1 70 70; (other) 1 1 0 0 -1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fresh();
        for (const Step& step : c.steps) {
            run(step);
            if (HasFatalFailure()) return;
        }
        EXPECT_EQ(fileSummary(), c.file);
        EXPECT_EQ(app->game.newBest != 0, c.newBest);
    }
}

TEST(StatisticsFile, DamagedTextIsReadAsFarAsItMakesSenseAndWrittenBackClean) {
    const std::string good =
        "\r\n[PUZZLE_1]\r\nNAME = classic.kvl\r\nPLAYED = 12\r\nWON = 5\r\nTIMED_WINS = 4\r\n"
        "TOTAL_TIME = 1510\r\nBEST_TIME = 301\r\n";
    struct Case {
        const char* name;
        std::string text;
        const char* records;
    } const cases[] = {
        {"as written", good, "classic.kvl 12 5 4 1510 301"},
        {"keys missing", "[P]\nname=a.kvl\nplayed=3", "a.kvl 3 0 0 0 -1"},
        {"more won than played", "[P]\nNAME=a\nPLAYED=2\nWON=5\nTIMED_WINS=9\nTOTAL_TIME=9\nBEST_TIME=4",
         "a 2 2 2 9 4"},
        {"no games, or no name", "[P]\nNAME=a\nPLAYED=-4\nWON=1\n[Q]\nPLAYED=3\n[R]\nNAME=\nPLAYED=3", ""},
        {"numbers that are none", "[P]\nNAME=a\nPLAYED=7x\n[Q]\nNAME=b\nPLAYED=2\nWON=one", "b 2 0 0 0 -1"},
        {"times without a timed win", "[P]\nNAME=a\nPLAYED=2\nWON=1\nTOTAL_TIME=50\nBEST_TIME=10",
         "a 2 1 0 0 -1"},
        {"a best time beyond them all", "[P]\nNAME=a\nPLAYED=1\nWON=1\nTIMED_WINS=1\nTOTAL_TIME=50\nBEST_TIME=80",
         "a 1 1 1 50 -1"},
        {"a negative total", "[P]\nNAME=a\nPLAYED=1\nWON=1\nTIMED_WINS=1\nTOTAL_TIME=-5\nBEST_TIME=0",
         "a 1 1 0 0 -1"},
        {"one puzzle twice", good + "[x]\nNAME = CLASSIC.KVL\nPLAYED = 3\nWON = 1\nTIMED_WINS = 1\n"
                                    "TOTAL_TIME = 200\nBEST_TIME = 200\n",
         "classic.kvl 15 6 5 1710 200"},
        {"one section twice", good + "[puzzle_1]\nNAME = b\nPLAYED = 3\n", "classic.kvl 12 5 4 1510 301"},
        {"counts beyond 32 bits", "[P]\nNAME=a\nPLAYED=2147483647\n[Q]\nNAME=a\nPLAYED=2147483647",
         "a 2147483647 0 0 0 -1"},
        {"a name in blanks and quotes", "[P]\nNAME = \" 'a.kvl'\t\"\nPLAYED = 1", "a.kvl 1 0 0 0 -1"},
        {"another program's file", "\r\n[VIEW]\r\nSCALE = 3\r\n[LAST]\r\nGAME = a.kvl\r\n", ""},
        {"no text at all", std::string("\0\xff[\n]=\r\n[=\n", 11), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readBack(c.text), c.records);
        Profile profile;
        parseProfile(profile, c.text);
        std::vector<PuzzleRecord> records;
        readStatisticsFrom(profile, records);
        EXPECT_EQ(readBack(composeStatistics(records)), c.records) << "written back";
    }
    Profile profile;
    parseProfile(profile, good);
    std::vector<PuzzleRecord> records;
    readStatisticsFrom(profile, records);
    records.push_back(emptyRecord("never played"));
    EXPECT_EQ(composeStatistics(records), good);
}

}  // namespace
