// The solver against boards whose answer is known by construction, and every
// winning order it gives replayed through the rules of play.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "clears_board.h"
#include "fake_host.h"
#include "rules/deal.h"
#include "rules/free_rule.h"
#include "rules/random.h"
#include "rules/solver.h"
#include "shipped_puzzles.h"
#include "temp_folder.h"
#include "test_boards.h"

namespace {

constexpr int64_t kBudget = 1000000;
// Moves first, as the game searches, and the ways of pairing off alone.
constexpr int64_t kMethods[] = {kMovesFirst, 0};

// The faces of the set in matching pairs: entries 2k and 2k + 1 match.
std::vector<Cell> facesInPairs(const AppState& app) {
    Cell tiles[kTileCount];
    buildTileList(app.tileSet, tiles);
    std::vector<Cell> faces(tiles, tiles + kTileCount);
    std::sort(faces.begin(), faces.end(),
              [](const Cell& a, const Cell& b) { return a.type != b.type ? a.type < b.type : a.number < b.number; });
    return faces;
}

// A winnable board on the positions of `layout`, built backwards: first an
// order in which the bare positions can be taken two free ones at a time,
// then matching faces on each two. False when the positions get stuck.
bool buildBackwards(const AppState& app, const Layout& layout, std::mt19937& draw, Board& board) {
    auto positions = std::make_unique<Board>(layout);
    const std::vector<Cell> faces = facesInPairs(app);
    clearBoard(board);
    for (int pair = 0; pair < kTileCount / 2; ++pair) {
        std::vector<int> free;
        for (int i = 0; i < kCells; ++i)
            if (positions->cells[i].number != 0 && isFree(*positions, i / kCellsPerLayer, i % kCols, (i / kCols) % kRows))
                free.push_back(i);
        if (free.size() < 2) return false;
        std::shuffle(free.begin(), free.end(), draw);
        for (int e = 0; e < 2; ++e) {
            board.cells[free[e]] = faces[2 * pair + e];
            positions->cells[free[e]].number = 0;
        }
    }
    return true;
}

// Whether the tiles at `anchors` (a bit each in `left`) can all go, trying
// every pair the rules allow; `lost` remembers the sets already tried.
bool clearsByTryingAll(Board& board, const std::vector<Anchor>& anchors, uint32_t left, std::set<uint32_t>& lost) {
    if (left == 0) return true;
    if (lost.count(left)) return false;
    const size_t n = anchors.size();
    std::vector<bool> free(n);
    for (size_t i = 0; i < n; ++i) free[i] = (left >> i & 1) && isFree(board, anchors[i].z, anchors[i].x, anchors[i].y);
    for (size_t i = 0; i < n; ++i)
        for (size_t j = i + 1; j < n; ++j) {
            Cell& a = cellAt(board, anchors[i].z, anchors[i].y, anchors[i].x);
            Cell& b = cellAt(board, anchors[j].z, anchors[j].y, anchors[j].x);
            if (!free[i] || !free[j] || !tilesMatch(a, b)) continue;
            const Cell keptA = a, keptB = b;
            a.number = b.number = 0;
            const bool won = clearsByTryingAll(board, anchors, left & ~(1u << i) & ~(1u << j), lost);
            a = keptA;
            b = keptB;
            if (won) return true;
        }
    lost.insert(left);
    return false;
}

}  // namespace

TEST(Solver, AgreesWithTryingEveryOrderOnSmallCrowdedBoards) {
    // Sixteen tiles in four faces on a small patch of three layers: stacks,
    // rows and half-tile offsets in every mix.
    std::mt19937 draw(5);
    int verdicts[3] = {};
    for (int round = 0; round < 400; ++round) {
        auto board = std::make_unique<Board>();
        std::vector<Anchor> anchors;
        while (anchors.size() < 16) {
            const Anchor a{int(draw() % 10), int(draw() % 4), int(draw() % 3)};
            if (cellAt(*board, a.z, a.y, a.x).number != 0) continue;
            place(*board, a.z, a.y, a.x, TypeBamboo, 1 + int(anchors.size() % 4));
            anchors.push_back(a);
        }
        std::set<uint32_t> lost;
        const bool expected = clearsByTryingAll(*board, anchors, 0xFFFF, lost);
        for (const int64_t movesFirst : kMethods) {
            const SolveResult result = solveBoard(*board, kBudget, nullptr, movesFirst);
            ASSERT_EQ(result.verdict, expected ? Verdict::Winnable : Verdict::NotWinnable)
                << "round " << round << ", moves first " << movesFirst;
            if (expected) {
                EXPECT_TRUE(clearsBoard(*board, result.pairs, result.pairCount))
                    << "round " << round << ", moves first " << movesFirst;
            }
        }
        ++verdicts[expected ? int(Verdict::Winnable) : int(Verdict::NotWinnable)];
    }
    // Both answers must have come up for the comparison to mean anything.
    EXPECT_GT(verdicts[int(Verdict::Winnable)], 40);
    EXPECT_GT(verdicts[int(Verdict::NotWinnable)], 40);
}

TEST(Solver, SmallBoardsWithKnownAnswers) {
    enum { A = 1, B = 2 };
    struct Tile { int z, y, x, type, number; };
    struct Case {
        const char* name;
        std::vector<Tile> tiles;
        Verdict verdict;
        bool searched = false;  // no check before the search decides it
    };
    const Case cases[] = {
        {"empty board", {}, Verdict::Winnable},
        {"two copies stacked", {{0, 4, 4, TypeBamboo, A}, {1, 4, 4, TypeBamboo, A}}, Verdict::NotWinnable},
        {"stacked half a tile off", {{0, 4, 4, TypeBamboo, A}, {1, 5, 5, TypeBamboo, A}}, Verdict::NotWinnable},
        {"three copies, all free",
         {{0, 0, 0, TypeWinds, A}, {0, 0, 4, TypeWinds, A}, {0, 0, 8, TypeWinds, A}}, Verdict::NotWinnable},
        {"a season and a flower", {{0, 0, 0, TypeSeasons, 1}, {0, 0, 4, TypeFlowers, 1}}, Verdict::NotWinnable},
        {"two different seasons", {{0, 0, 0, TypeSeasons, 1}, {0, 0, 4, TypeSeasons, 3}}, Verdict::Winnable},
        {"row A B A B: ends never match",
         {{0, 0, 0, TypeDragons, A}, {0, 0, 2, TypeDragons, B}, {0, 0, 4, TypeDragons, A}, {0, 0, 6, TypeDragons, B}},
         Verdict::NotWinnable},
        {"row A B B A",
         {{0, 0, 0, TypeDragons, A}, {0, 0, 2, TypeDragons, B}, {0, 0, 4, TypeDragons, B}, {0, 0, 6, TypeDragons, A}},
         Verdict::Winnable},
        // Of the three free A, the loose pair must not go first: that leaves
        // the two stacks with an A and a B on top.
        {"the one right choice among three pairs",
         {{0, 0, 0, TypeCircles, B}, {1, 0, 0, TypeCircles, A}, {0, 0, 4, TypeCircles, A}, {1, 0, 4, TypeCircles, B},
          {0, 4, 0, TypeCircles, A}, {0, 4, 4, TypeCircles, A}},
         Verdict::Winnable},
        // Five A's stacked over the row B A B: the B's go only after the
        // three A's on them, so one more A goes first, and after the B's the
        // A left in the middle lies on the bottom one. A group of six is for
        // the search over moves alone, whichever search goes first.
        {"six A over B A B",
         {{0, 0, 0, TypeBamboo, B}, {1, 0, 0, TypeBamboo, A}, {2, 0, 0, TypeBamboo, A}, {0, 0, 2, TypeBamboo, A},
          {1, 0, 2, TypeBamboo, A}, {2, 0, 2, TypeBamboo, A}, {0, 0, 4, TypeBamboo, B}, {1, 0, 4, TypeBamboo, A}},
         Verdict::NotWinnable, true},
        // B A B A along a row, the middle two under B B and A A: each top
        // goes with the free end of its face, and then the middle tile of
        // each stack waits for the bottom of the other.
        {"stacks A B B and B A A on a row",
         {{0, 0, 0, TypeBamboo, B}, {0, 0, 2, TypeBamboo, A}, {1, 0, 2, TypeBamboo, B}, {2, 0, 2, TypeBamboo, B},
          {0, 0, 4, TypeBamboo, B}, {1, 0, 4, TypeBamboo, A}, {2, 0, 4, TypeBamboo, A}, {0, 0, 6, TypeBamboo, A}},
         Verdict::NotWinnable, true},
        // The same with B A B on the left: won only when the end B goes with
        // the top of its stack and the two under the stacks go together, in
        // the solver's order of tiles the third of the three ways to pair off.
        {"stacks B A B and B A A on a row",
         {{0, 0, 0, TypeBamboo, B}, {0, 0, 2, TypeBamboo, B}, {1, 0, 2, TypeBamboo, A}, {2, 0, 2, TypeBamboo, B},
          {0, 0, 4, TypeBamboo, B}, {1, 0, 4, TypeBamboo, A}, {2, 0, 4, TypeBamboo, A}, {0, 0, 6, TypeBamboo, A}},
         Verdict::Winnable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto board = std::make_unique<Board>();
        for (const Tile& t : c.tiles) place(*board, t.z, t.y, t.x, t.type, t.number);
        for (const int64_t movesFirst : kMethods) {
            const SolveResult result = solveBoard(*board, kBudget, nullptr, movesFirst);
            EXPECT_EQ(result.verdict, c.verdict) << "moves first " << movesFirst;
            if (c.searched) {
                EXPECT_GT(result.nodes, 0) << "moves first " << movesFirst;
            }
            if (result.verdict == Verdict::Winnable) {
                EXPECT_TRUE(clearsBoard(*board, result.pairs, result.pairCount)) << "moves first " << movesFirst;
            }
        }
    }
}

TEST(Solver, GivesUpUnknownWhenTheBudgetIsSpentOrTheCallerCancels) {
    auto app = newTestState();
    auto board = std::make_unique<Board>();
    // Six rows of 24 on one layer, winnable by construction: a win takes 72
    // pairs, so it is not found in a handful of positions.
    std::mt19937 draw(7);
    auto layout = std::make_unique<Layout>();
    for (int i = 0; i < kTileCount; ++i) place(*layout, 0, 2 * (i / 24), 2 * (i % 24));
    ASSERT_TRUE(buildBackwards(*app, *layout, draw, *board));

    const SolveResult tiny = solveBoard(*board, 3);
    EXPECT_EQ(tiny.verdict, Verdict::Unknown);
    EXPECT_LE(tiny.nodes, 4);

    const std::atomic<bool> cancelled{true};
    const SolveResult stopped = solveBoard(*board, kBudget, &cancelled);
    EXPECT_EQ(stopped.verdict, Verdict::Unknown);
    EXPECT_EQ(stopped.pairCount, 0);

    // A 145th tile: more than the set holds, so the board is not searched.
    place(*board, 1, 0, 1, TypeWinds, 1);
    const SolveResult tooMany = solveBoard(*board, kBudget);
    EXPECT_EQ(tooMany.verdict, Verdict::Unknown);
    EXPECT_EQ(tooMany.nodes, 0);
}

class SolverOnShippedPuzzles : public InTempFolder {};

// Real deals replay only when the solver wins them: a lost verdict on a deal
// has no answer to compare with here (the small boards above check those).
TEST_F(SolverOnShippedPuzzles, BoardsBuiltBackwardsAndWinnableDealsReplay) {
    namespace fs = std::filesystem;
    fs::copy(fs::path(KELVARIN_SOURCE_DIR) / "resources" / "Puzzle", "Puzzle");
    auto app = newTestState();
    auto layout = std::make_unique<Layout>();
    auto board = std::make_unique<Board>();
    std::mt19937 draw(11);
    int winnable = 0;
    for (const char* name : {"classic.kvl", "bridge.kvl", "pyramid.kvl", "towers.kvl", "spiral.kvl"}) {
        SCOPED_TRACE(name);
        std::string message;
        ASSERT_TRUE(readPuzzle(app->filePath, name, *layout, message)) << message;

        int built = 0;
        for (int attempt = 0; attempt < 100 && built < 3; ++attempt) {
            if (!buildBackwards(*app, *layout, draw, *board)) continue;  // the random order got stuck
            ++built;
            for (const int64_t movesFirst : kMethods) {
                const SolveResult result = solveBoard(*board, kBudget, nullptr, movesFirst);
                EXPECT_EQ(result.verdict, Verdict::Winnable) << "moves first " << movesFirst;
                EXPECT_TRUE(clearsBoard(*board, result.pairs, result.pairCount)) << "moves first " << movesFirst;
            }
        }
        EXPECT_EQ(built, 3);

        seedRandom(app->random, 2026);
        for (int deal = 0; deal < 5; ++deal) {
            dealTiles(app->random, app->tileSet, *board, *layout);
            const SolveResult result = solveBoard(*board, kBudget);
            if (result.verdict != Verdict::Winnable) continue;
            ++winnable;
            EXPECT_EQ(result.pairCount, kTileCount / 2);
            EXPECT_TRUE(clearsBoard(*board, result.pairs, result.pairCount));
        }
    }
    EXPECT_GT(winnable, 0);
}
