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
#include "sample_layouts.h"
#include "shipped_puzzles.h"
#include "temp_folder.h"

namespace {

// "name played won timedWins totalTime bestTime", record after record.
std::string summary(const std::vector<PuzzleRecord>& records) {
    std::string text;
    for (const PuzzleRecord& r : records)
        text += (text.empty() ? "" : "; ") + std::string(r.name) + " " + std::to_string(r.played) + " " +
                std::to_string(r.won) + " " + std::to_string(r.timedWins) + " " +
                std::to_string(r.totalTime) + " " + std::to_string(r.bestTime);
    return text;
}

std::vector<PuzzleRecord> parsed(const std::string& text) {
    std::vector<PuzzleRecord> records;
    readStatisticsFrom(text, records);
    return records;
}

enum Action { Deal, TakePair, Win, Lose, Hint, Undo, Shuffle, Restart, LoadShipped, LoadHandMade, Create, Exit, Reset, OtherCopy };

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
        writeFile("Puzzle/apart.kvl", fieldText(*apartLayout()));
        writeFile("Puzzle/classic.kvl", readFile(KELVARIN_SOURCE_DIR "/resources/Puzzle/classic.kvl"));
        auto classic = std::make_unique<Layout>();
        FilePath path{};
        std::string message;
        ASSERT_TRUE(readPuzzle(path, "classic.kvl", *classic, message)) << message;
        // Two pairs of circles side by side, on a shipped field and on one of no puzzle.
        auto board = std::make_unique<Board>();
        for (int i = 0; i < 4; ++i) cellAt(*board, 0, 4, 4 + 6 * i) = Cell{TypeCircles, 1 + i / 2};
        const auto flat = flatLayout();
        for (const auto& [name, field] : {std::pair{"shipped", classic.get()}, {"hand-made", flat.get()}}) {
            std::string text;
            composeSavedGame(*field, *board, text);
            writeFile(std::string("Save/") + name + ".kvg", text);
        }
    }

    void tick(int count) {
        for (int i = 0; i < count; ++i) animationTick(*app);
    }
    void click(const Anchor& tile) {
        const PixelPoint corner = cellOrigin(*app, tile.z, tile.y, tile.x);
        onBoardClick(*app, kLeftButtonDown, corner.x + 5, corner.y + 5);
    }
    // The highest free tile and the first free one that matches it: this
    // clears every board here.
    void takePair() {
        std::vector<Anchor> free;
        for (int i = kCells - 1; i >= 0; --i) {
            const Anchor tile{i % kCols, i % kCellsPerLayer / kCols, i / kCellsPerLayer};
            if (app->board.cells[i].number != 0 && isFree(app->board, tile.z, tile.x, tile.y)) free.push_back(tile);
        }
        const auto face = [&](const Anchor& t) -> const Cell& { return cellAt(app->board, t.z, t.y, t.x); };
        for (size_t j = 1; j < free.size(); ++j)
            if (tilesMatch(face(free[0]), face(free[j]))) {
                click(free[0]);
                click(free[j]);
                return tick(25);
            }
        FAIL() << "no pair";
    }
    // Four tiles of one face, two of them stacked: the two loose ones taken,
    // the game is over.
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
        case Deal: newGame(*app); return tick(60);
        case TakePair: return takePair();
        case Win:
            app->clock.played = step.seconds * 1000;
            while (app->gameActive == 1 && !HasFatalFailure()) takePair();
            return;
        case Lose: return loseOnAStack();
        case Hint: showHint(*app); return tick(10);
        case Undo: return undoStep(*app);
        case Shuffle: return shuffleBoard(*app);
        case Restart: fakeHost().answers.push_back(true); restartGame(*app); return tick(60);
        case LoadShipped: loadGame(*app, "shipped.kvg", kMainWindow); return;
        case LoadHandMade: loadGame(*app, "hand-made.kvg", kMainWindow); return;
        case Create: return createPuzzle(*app);
        case Exit: return giveUpGame(*app);
        case Reset: return resetStatistics(*app);
        case OtherCopy: {  // a second copy of the program counts a game lost
            std::vector<PuzzleRecord> records;
            readStatistics(kStatisticsFile, records);
            recordOf(records, "apart.kvl").played += 1;
            writeStatistics(kStatisticsFile, records);
            return;
        }
        }
    }

    std::unique_ptr<AppState> app;
};

TEST_F(Records, EveryGameCountsOnceByHowItEnds) {
    const char* const givenUp = "apart.kvl 1 0 0 0 -1";
    const char* const helped = "apart.kvl 1 1 1 90 -1";
    struct Case {
        const char* name;
        std::vector<Step> steps;
        const char* records;
        bool newBest;  // the last win set the best time
    } const cases[] = {
        {"won", {{Deal}, {Win, 90}}, "apart.kvl 1 1 1 90 90", true},
        {"lost", {{Deal}, {Lose}}, givenUp, false},
        {"given up by New game", {{Deal}, {TakePair}, {Deal}}, givenUp, false},
        {"given up by Restart", {{Deal}, {TakePair}, {Restart}}, givenUp, false},
        {"given up by Load game", {{Deal}, {TakePair}, {LoadShipped}}, givenUp, false},
        {"given up by Create puzzle", {{Deal}, {TakePair}, {Create}}, givenUp, false},
        {"given up by exit", {{Deal}, {TakePair}, {Exit}}, givenUp, false},
        {"left before its first pair", {{Deal}, {Hint}, {Deal}, {Exit}}, "", false},
        {"Undo out of a loss, then won", {{Deal}, {Lose}, {Undo}, {Win, 90}}, helped, false},
        {"Hint used", {{Deal}, {Hint}, {Win, 90}}, helped, false},
        {"Undo used", {{Deal}, {TakePair}, {Undo}, {Win, 90}}, helped, false},
        {"Shuffle used", {{Deal}, {Shuffle}, {Win, 90}}, helped, false},
        {"a faster win", {{Deal}, {Win, 90}, {Deal}, {Win, 60}}, "apart.kvl 2 2 2 150 60", true},
        {"a slower win", {{Deal}, {Win, 60}, {Deal}, {Win, 90}}, "apart.kvl 2 2 2 150 60", false},
        {"a win as fast as the best", {{Deal}, {Win, 60}, {Deal}, {Win, 60}}, "apart.kvl 2 2 2 120 60", false},
        {"Undo out of a record-setting win", {{Deal}, {Win, 60}, {Undo}}, "", false},
        {"Reset, then Undo out of a game counted before it", {{Deal}, {Win, 60}, {Deal}, {Lose}, {Reset}, {Undo}},
         "", false},
        {"Undo out of a best win", {{Deal}, {Win, 60}, {Deal}, {Win, 50}, {Undo}, {Exit}}, "apart.kvl 2 1 1 60 60", false},
        {"Undo out of a win another copy counted after", {{Deal}, {Win, 90}, {OtherCopy}, {Undo}, {Exit}},
         "apart.kvl 2 0 0 0 -1", false},
        {"loaded on a shipped field", {{LoadShipped}, {Win}, {Exit}}, "classic.kvl 1 1 0 0 -1", false},
        {"loaded on a hand-made field", {{Deal}, {Win, 70}, {LoadHandMade}, {Win}},
         "apart.kvl 1 1 1 70 70; (other) 1 1 0 0 -1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove("Statistics.ini");
        app = newTestState();
        app->view.autoScale = 1;
        std::strcpy(app->lastGame, "apart.kvl");
        for (const Step& step : c.steps) run(step);
        if (HasFatalFailure()) return;
        std::vector<PuzzleRecord> records;
        readStatistics(kStatisticsFile, records);
        EXPECT_EQ(summary(records), c.records);
        EXPECT_EQ(app->game.newBest != 0, c.newBest);
    }
}

// A file that is there but cannot be read keeps every record it may hold:
// it is never written over, and the player hears of it once.
TEST_F(Records, AnUnreadableFileIsLeftAsItIsAndSaidOnce) {
    const std::string oversized(kProfileSizeLimit + 1, ';');
    writeFile("Statistics.ini", oversized);
    app = newTestState();
    app->view.autoScale = 1;
    std::strcpy(app->lastGame, "apart.kvl");
    for (const Action action : {Deal, Win, Deal, Lose, Undo, Deal, TakePair, Exit}) run({action, 30});
    EXPECT_TRUE(readFile("Statistics.ini") == oversized);
    int said = 0;
    for (const std::string& text : fakeHost().messages()) said += text.find("could not be read") != std::string::npos;
    EXPECT_EQ(said, 1);
}

#ifndef _WIN32
// A failed write is said once, however many games end after it. (Windows
// keeps the current folder from being removed.)
TEST_F(Records, AFailedWriteIsSaidOnce) {
    std::filesystem::create_directory("gone");
    std::filesystem::current_path("gone");
    std::filesystem::remove("../gone");  // nothing can be written here any more
    app = newTestState();
    setText(app->game.puzzle, "apart.kvl");
    for (int game = 0; game < 3; ++game) {
        notePairTaken(*app);
        countGameEnd(*app, false);
        reopenGame(*app);
    }
    EXPECT_EQ(fakeHost().messages(),
              std::vector<std::string>{"The records of play could not be written to Statistics.ini."});
}
#endif

TEST(StatisticsFile, DamagedTextIsReadAsFarAsItMakesSenseAndWrittenBackClean) {
    const std::string good =
        "\r\n[PUZZLE_1]\r\nNAME = classic.kvl\r\nPLAYED = 12\r\nWON = 5\r\nTIMED_WINS = 4\r\n"
        "TOTAL_TIME = 1510\r\nBEST_TIME = 301\r\n";
    const std::string p = "[P]\nNAME=a\nPLAYED=";
    struct Case {
        const char* name;
        std::string text;
        const char* records;
    } const cases[] = {
        {"as written", good, "classic.kvl 12 5 4 1510 301"},
        {"more won than played", p + "2\nWON=5\nTIMED_WINS=9\nTOTAL_TIME=9\nBEST_TIME=4", "a 2 2 2 9 4"},
        {"no games, or no name", p + "-4\nWON=1\n[Q]\nPLAYED=3\n[R]\nNAME=\nPLAYED=3", ""},
        {"times without a timed win", p + "2\nWON=1\nTOTAL_TIME=50\nBEST_TIME=10", "a 2 1 0 0 -1"},
        {"a best time beyond them all", p + "1\nWON=1\nTIMED_WINS=1\nTOTAL_TIME=50\nBEST_TIME=80", "a 1 1 1 50 -1"},
        {"a negative total", p + "1\nWON=1\nTIMED_WINS=1\nTOTAL_TIME=-5\nBEST_TIME=0", "a 1 1 0 0 -1"},
        {"one puzzle twice", good + "[x]\nNAME = CLASSIC.KVL\nPLAYED = 3\nWON = 1\nTIMED_WINS = 1\n"
                                    "TOTAL_TIME = 200\nBEST_TIME = 200\n",
         "classic.kvl 15 6 5 1710 200"},
        {"one section twice", good + "[puzzle_1]\nNAME = b\nPLAYED = 3\n", "classic.kvl 12 5 4 1510 301"},
        {"counts beyond 32 bits", p + "2147483647\n[Q]\nNAME=A\nPLAYED=2147483647", "a 2147483647 0 0 0 -1"},
        {"a name in blanks and quotes", "[P]\nNAME = \" 'a.kvl'\t\"\nPLAYED = 1", "a.kvl 1 0 0 0 -1"},
        {"a name with a quote at its start only", "[P]\nNAME = \"a.kvl\nPLAYED = 1", "\"a.kvl 1 0 0 0 -1"},
        {"a name up to a NUL", std::string("[P]\nNAME=a.kvl\0x\nPLAYED=1", 25), "a.kvl 1 0 0 0 -1"},
        {"another program's file", "\r\n[VIEW]\r\nSCALE = 3\r\n[LAST]\r\nGAME = a.kvl\r\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(summary(parsed(c.text)), c.records);
        EXPECT_EQ(summary(parsed(composeStatistics(parsed(c.text)))), c.records) << "written back";
    }
    std::vector<PuzzleRecord> records = parsed(good);
    records.push_back(emptyRecord("never played"));
    EXPECT_EQ(composeStatistics(records), good);
}

}  // namespace
