// How often a game is won by always following the hint: 1,000 classic deals
// made by New game from a fixed seed, each played out twice, once taking the
// pair of the plain hint (the move search's random pair) and once the pair of
// the hint that keeps the game winnable (the first pair of the solver's
// winning order while the solver calls the position winnable, else the move
// search's). The solver's verdict is taken to have come before the hint is
// asked for. It searches a position for at most 2,000,000 positions, as the
// game's worker does, and is not asked again where the answer is known:
// after a winnable verdict the rest of its winning order wins the position
// its first pair leaves, and a position that cannot be won leaves none that
// can. Prints both counts of games won.
// Arguments, both optional: a number of deals and a puzzle.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "fake_host.h"
#include "game/app_state.h"
#include "game/hint.h"
#include "game/new_game.h"
#include "rules/moves.h"
#include "rules/random.h"
#include "rules/solver.h"

namespace {

constexpr uint32_t kSeed = 20261207;
constexpr int64_t kBudget = 2000000;

// Plays the tiles in play on app.board to the end, taking the hint's pair each
// time; true when the board is cleared. `safe` sets the option.
bool followHints(AppState& app, bool safe) {
    app.hintSafe = safe ? 1 : 0;
    auto solved = std::make_unique<SolveResult>();
    solved->verdict = Verdict::Unknown;
    int next = 0;  // the pair of solved's order that the position is at
    for (;;) {
        app.winningStart.known = 0;
        if (safe && solved->verdict != Verdict::NotWinnable) {
            if (solved->verdict != Verdict::Winnable) {
                *solved = solveBoard(app.board, kBudget);
                next = 0;
            }
            if (solved->verdict == Verdict::Winnable && next < solved->pairCount)
                noteWinningStart(app.winningStart, app.board, solved->pairs[next]);
        }
        Move move;
        if (!chooseHintPair(app, move)) return countTiles(app.board) == 0;
        cellAt(app.board, move.first.z, move.first.y, move.first.x) = Cell{};
        cellAt(app.board, move.second.z, move.second.y, move.second.x) = Cell{};
        ++next;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int deals = argc > 1 ? std::atoi(argv[1]) : 1000;
    const char* puzzle = argc > 2 ? argv[2] : "classic.kvl";
    if (deals < 1) return 2;
    std::filesystem::current_path(std::filesystem::path(KELVARIN_SOURCE_DIR) / "resources");
    auto app = newTestState();
    auto dealt = std::make_unique<Board>();
    std::snprintf(app->lastGame, sizeof app->lastGame, "%s", puzzle);
    setIllegalChars(app->filePath);
    seedRandom(app->random, kSeed);
    int won[2] = {};
    const auto start = std::chrono::steady_clock::now();
    for (int deal = 0; deal < deals; ++deal) {
        newGame(*app);
        if (app->lastGame[0] == '\0') return 1;  // the puzzle did not read
        for (Cell& cell : app->board.cells) cell.effect = EffectNone;
        *dealt = app->board;
        const Random dealsGoOn = app->random;  // the next deal is the same whichever is played
        for (int safe = 0; safe < 2; ++safe) {
            app->board = *dealt;
            won[safe] += followHints(*app, safe == 1);
        }
        app->random = dealsGoOn;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s, %d deals followed by the hint (%.0f s):\n", puzzle, deals, seconds);
    std::printf("  plain hint   %5d won  %5.1f %%\n", won[0], 100.0 * won[0] / deals);
    std::printf("  safe hint    %5d won  %5.1f %%\n", won[1], 100.0 * won[1] / deals);
    return 0;
}
