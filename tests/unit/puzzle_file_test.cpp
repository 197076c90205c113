#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fake_host.h"
#include "files/file_path.h"
#include "files/puzzle_file.h"
#include "game/new_game.h"
#include "game/save_and_load.h"
#include "sample_layouts.h"
#include "temp_folder.h"

namespace {

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// The flat layout with its first mark moved to (x, y, z): still 144 marks.
std::string movedMark(int z, int y, int x) {
    auto layout = flatLayout();
    cellAt(*layout, 0, 0, 0).number = 0;
    cellAt(*layout, z, y, x) = Cell{TypeBlank, 1};
    return fieldText(*layout);
}

bool sameLayout(const Board& a, const Board& b) {
    for (int i = 0; i < kCells; ++i)
        if ((a.cells[i].number != 0) != (b.cells[i].number != 0)) return false;
    return true;
}

}  // namespace

TEST(PuzzleFile, WritesTheFieldSectionByteForByte) {
    const std::string text = fieldText(*flatLayout());
    ASSERT_EQ(text.size(), kFieldTextSize);
    EXPECT_EQ(text.substr(0, 11 + 63),
              "\r\n[FIELD]\r\nZ_0__Y_0 = 10101010101010101010101010101010101010101010101000\r\n");
    EXPECT_EQ(text.substr(11 + 63, 63),
              "Z_0__Y_1 = 00000000000000000000000000000000000000000000000000\r\n");
    EXPECT_EQ(text.substr(text.size() - 64),
              "Z_4__Y_29 = 00000000000000000000000000000000000000000000000000\r\n");
    // Every other field of a cell is ignored: only the number counts.
    auto dealt = flatLayout();
    cellAt(*dealt, 0, 0, 0) = Cell{TypeDragons, 3, EffectVanishing, 40, 9};
    EXPECT_EQ(fieldText(*dealt), text);
    EXPECT_EQ(fieldText(Board{}).size(), kFieldTextSize);
}

TEST(PuzzleFile, NormalisesToLayerRowAndColumnZero) {
    auto layout = std::make_unique<Layout>();
    cellAt(*layout, 2, 7, 9) = Cell{TypeBlank, 1};
    cellAt(*layout, 3, 8, 12) = Cell{TypeBlank, 1};
    cellAt(*layout, 2, 11, 10) = Cell{TypeBlank, 1};
    normalizeLayout(*layout);
    EXPECT_EQ(countTiles(*layout), 3);
    EXPECT_EQ(cellAt(*layout, 0, 0, 0).number, 1);
    EXPECT_EQ(cellAt(*layout, 1, 1, 3).number, 1);
    EXPECT_EQ(cellAt(*layout, 0, 4, 1).number, 1);
    EXPECT_EQ(cellAt(*layout, 0, 0, 0).type, TypeBlank);

    auto touching = flatLayout();
    auto copy = flatLayout();
    normalizeLayout(*touching);
    EXPECT_EQ(std::memcmp(touching.get(), copy.get(), sizeof(Board)), 0);
}

class PuzzleReading : public InTempFolder {
protected:
    void SetUp() override {
        InTempFolder::SetUp();
        app = newTestState();
        setIllegalChars(app->filePath);
        std::filesystem::create_directories("Puzzle");
    }
    // Writes the text as Puzzle\<name> and reads it back into `grid`.
    bool read(const std::string& text, std::string& message, const char* name = "p.kvl") {
        writeFile(std::string("Puzzle/") + name, text);
        std::strcpy(app->filePath.folder, "Puzzle");
        std::strcpy(app->filePath.name, name);
        app->filePath.extension[0] = '\0';
        clearBoard(*grid);
        return readField(app->filePath, message, *grid);
    }
    std::unique_ptr<AppState> app;
    std::unique_ptr<Layout> grid = std::make_unique<Layout>();
};

TEST_F(PuzzleReading, AcceptsEveryTolerableFormOfAValidPuzzle) {
    auto layout = flatLayout();
    const std::string canonical = fieldText(*layout);
    const std::string row0 = "Z_0__Y_0 = 10101010101010101010101010101010101010101010101000\r\n";
    std::string lower = canonical;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string noBlanks = lower;
    for (size_t at; (at = noBlanks.find(" = ")) != std::string::npos;) noBlanks.replace(at, 3, "=");
    struct Row {
        const char* what;
        std::string text;
    } rows[] = {
        {"canonical", canonical},
        {"lower case without blanks", noBlanks},
        {"LF line ends", replaced(canonical, "\r\n[FIELD]\r\n", "\n[FIELD]\n")},
        {"a 60-character row", replaced(canonical, row0, row0.substr(0, 61) + "1111111111\r\n")},
        {"rows moved to the end, other sections around",
         "[OTHER]\r\nZ_0__Y_0 = 111\r\n" + replaced(canonical, row0, "") + row0 +
             "\r\n[more]\r\nZ_0__Y_0 = 000\r\n"},
        {"blanks and tabs around the equals sign",
         replaced(canonical, row0, "  Z_0__Y_0\t =   " + row0.substr(11))},
        {"letters and blanks mean no tile",
         replaced(replaced(canonical, "Z_0__Y_1 = 0000", "Z_0__Y_1 = x 2a"), "Z_1__Y_1 = ",
                  "Z_1__Y_1 = 0")},
    };
    for (const Row& row : rows) {
        std::string message;
        EXPECT_TRUE(read(row.text, message)) << row.what << ": " << message;
        EXPECT_TRUE(sameLayout(*grid, *layout)) << row.what;
        EXPECT_EQ(cellAt(*grid, 0, 0, 0).type, TypeBlank);
    }
}

TEST_F(PuzzleReading, RejectsAnythingButExactly144Marks) {
    const std::string canonical = fieldText(*flatLayout());
    const std::string row0 = "Z_0__Y_0 = 1010";
    struct Row {
        const char* what;
        std::string text;
    } rows[] = {
        {"143 marks", replaced(canonical, row0, "Z_0__Y_0 = 0010")},
        {"145 marks", replaced(canonical, row0, "Z_0__Y_0 = 1110")},
        {"no [FIELD] section", replaced(canonical, "[FIELD]", "[FIELDS]")},
        {"empty file", ""},
        {"binary bytes", std::string("\0\xff\r\n[\x01=\n", 8)},
        {"a tile half off the grid in column 49", movedMark(0, 0, 49)},
        {"a tile half off the grid in row 29", movedMark(4, 29, 0)},
    };
    for (const Row& row : rows) {
        std::string message;
        EXPECT_FALSE(read(row.text, message)) << row.what;
        EXPECT_EQ(message, "Invalid format!") << row.what;
    }
}

TEST_F(PuzzleReading, AShortRowFillsOnlyItsOwnColumns) {
    std::string message;
    EXPECT_FALSE(read("\r\n[FIELD]\r\nZ_0__Y_4 = 1111111111\r\n", message));
    EXPECT_EQ(countTiles(*grid), 10);
    for (int x = 0; x < 10; ++x) EXPECT_EQ(cellAt(*grid, 0, 4, x).number, 1);
}

TEST_F(PuzzleReading, AMissingFileIsNamedAndTheGridIsNotTouched) {
    std::strcpy(app->filePath.folder, "Puzzle");
    std::strcpy(app->filePath.name, "nope.kvl");
    cellAt(*grid, 1, 2, 3) = Cell{TypeWinds, 2, EffectAppearing, 50, 3};
    std::string message;
    EXPECT_FALSE(readField(app->filePath, message, *grid));
    EXPECT_EQ(message, "File of puzzle: \".\\Puzzle\\nope.kvl\" is not found!");
    EXPECT_EQ(countTiles(*grid), 1);
    EXPECT_EQ(cellAt(*grid, 1, 2, 3).ticks, 3);
}

TEST_F(PuzzleReading, SavingNormalisesWritesAndStartsAGameOnIt) {
    clearBoard(app->board);
    auto flat = flatLayout();
    // Draw the flat layout one layer up, three rows down and three columns right.
    for (int i = 0; i < kCellsPerLayer; ++i)
        if (flat->cells[i].number != 0) cellAt(app->board, 1, i / kCols + 3, i % kCols + 3) = Cell{TypeBlank, 1};
    app->editorMode = 1;
    std::strcpy(app->filePath.name, "mine");
    EXPECT_TRUE(savePuzzle(*app));

    EXPECT_EQ(readFile("Puzzle/mine.kvl"), fieldText(*flat));
    EXPECT_STREQ(app->lastGame, "mine.kvl");
    ASSERT_FALSE(fakeHost().messages().empty());
    EXPECT_EQ(fakeHost().messages()[0], "Puzzle is saved successfully");
    EXPECT_EQ(fakeHost().calls[0].icon, MessageIcon::Information);
    // What the Save puzzle dialog does next: a game on the file just written.
    newGame(*app);
    EXPECT_EQ(app->editorMode, 0);
    EXPECT_TRUE(sameLayout(app->puzzle, *flat));
    EXPECT_EQ(countTiles(app->board), kTileCount);
}

TEST_F(PuzzleReading, SavingOverTheCurrentPuzzleAsksFirst) {
    auto flat = flatLayout();
    app->board = *flat;
    std::strcpy(app->filePath.name, "mine");
    ASSERT_TRUE(savePuzzle(*app));
    ASSERT_STREQ(app->lastGame, "mine.kvl");

    // Draw again, a smaller puzzle this time, and decline to overwrite.
    clearBoard(app->board);
    cellAt(app->board, 0, 0, 0) = Cell{TypeBlank, 1};
    app->editorMode = 1;
    std::strcpy(app->filePath.name, "mine");
    fakeHost().reset();
    EXPECT_FALSE(savePuzzle(*app));
    EXPECT_EQ(fakeHost().messages(), std::vector<std::string>{"File exist. Overwrite?"});
    EXPECT_EQ(app->editorMode, 1);
    EXPECT_EQ(readFile("Puzzle/mine.kvl"), fieldText(*flat));
    // On Yes the new content replaces the file and the new game is dealt on it.
    auto other = blockedLayout();
    app->board = *other;
    std::strcpy(app->filePath.name, "mine");
    fakeHost().reset();
    fakeHost().answers = {true};
    ASSERT_TRUE(savePuzzle(*app));
    newGame(*app);
    normalizeLayout(*other);
    EXPECT_EQ(readFile("Puzzle/mine.kvl"), fieldText(*other));
    EXPECT_EQ(std::memcmp(&app->puzzle, other.get(), sizeof(Board)), 0);
    EXPECT_EQ(app->editorMode, 0);
}

TEST_F(PuzzleReading, SavingAnEmptyGridDoesNothing) {
    clearBoard(app->board);
    std::strcpy(app->filePath.name, "empty");
    EXPECT_FALSE(savePuzzle(*app));
    EXPECT_TRUE(fakeHost().calls.empty());
    EXPECT_FALSE(std::filesystem::exists("Puzzle/empty.kvl"));
}
