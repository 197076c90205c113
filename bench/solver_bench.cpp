// The solver on fresh deals of every shipped puzzle: for each puzzle, 1,000
// deals made by the game's own dealTiles from a fixed seed, each solved with
// 200 ms to spend. Prints the median and 99th-percentile time, the share
// decided within the 200 ms, how many deals were winnable and how many lost,
// and the mean count of positions searched.
// Arguments, both optional: a puzzle name to run alone, and a number of deals.
//
// With --check MIN DEALS it is the check that tools/test runs: every puzzle's
// first DEALS deals of the same seed, each searched for at most a fixed count
// of positions instead of a time, so that the verdicts do not depend on how
// busy the machine is. It prints each puzzle's share of winnable deals and
// fails when any share is below MIN percent.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "fake_host.h"
#include "rules/deal.h"
#include "rules/random.h"
#include "rules/solver.h"
#include "shipped_puzzles.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kTimeLimit = std::chrono::milliseconds(200);
// More than 200 ms of search on this machine: the clock, not the count,
// decides when a search stops.
constexpr int64_t kNodeBudget = 100000000;
// The check's search of a deal, counted in positions rather than time:
// about the table's 200 ms on a current desktop.
constexpr int64_t kCheckBudget = 200000;
constexpr uint32_t kSeed = 20261207;

// Cancels the running search once its deadline has passed, as the game's
// background thread will when the board changes under it.
struct Watchdog {
    std::atomic<int64_t> deadline{0};  // steady-clock ticks; 0 = no search running
    std::atomic<bool> cancel{false};
    std::atomic<bool> quit{false};
};

void watch(Watchdog& watchdog) {
    while (!watchdog.quit.load()) {
        const int64_t due = watchdog.deadline.load();
        if (due != 0 && Clock::now().time_since_epoch().count() > due) watchdog.cancel.store(true);
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

struct Figures {
    std::vector<double> milliseconds;
    int decided = 0;
    int winnable = 0;
    int notWinnable = 0;
    int64_t nodes = 0;
};

// Solves each deal against the clock under `watchdog`, or, without one,
// within kCheckBudget positions.
Figures solveDeals(int deals, AppState& app, const Layout& layout, Board& board, Watchdog* watchdog) {
    Figures figures;
    for (int deal = 0; deal < deals; ++deal) {
        dealTiles(app.random, app.tileSet, board, layout);
        const Clock::time_point start = Clock::now();
        SolveResult result;
        if (watchdog != nullptr) {
            watchdog->cancel.store(false);
            watchdog->deadline.store((start + kTimeLimit).time_since_epoch().count());
            result = solveBoard(board, kNodeBudget, &watchdog->cancel);
            watchdog->deadline.store(0);
        } else {
            result = solveBoard(board, kCheckBudget);
        }
        const Clock::duration spent = Clock::now() - start;
        figures.milliseconds.push_back(std::chrono::duration<double, std::milli>(spent).count());
        figures.decided += result.verdict != Verdict::Unknown && (watchdog == nullptr || spent <= kTimeLimit);
        figures.winnable += result.verdict == Verdict::Winnable;
        figures.notWinnable += result.verdict == Verdict::NotWinnable;
        figures.nodes += result.nodes;
    }
    std::sort(figures.milliseconds.begin(), figures.milliseconds.end());
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc > 1 && std::strcmp(argv[1], "--check") == 0;
    if (check && argc != 4) {
        std::fprintf(stderr, "usage: solver_bench [PUZZLE [DEALS]] | --check MIN_PERCENT DEALS\n");
        return 2;
    }
    const double minPercent = check ? std::atof(argv[2]) : 0;
    const std::string only = argc > 1 && !check ? argv[1] : "";
    const int deals = check ? std::atoi(argv[3]) : argc > 2 ? std::atoi(argv[2]) : 1000;
    if (deals < 1) return 1;
    std::filesystem::current_path(std::filesystem::path(KELVARIN_SOURCE_DIR) / "resources");
    const std::vector<std::string> names = shippedPuzzles(only);

    auto app = newTestState();
    auto layout = std::make_unique<Layout>();
    auto board = std::make_unique<Board>();
    Watchdog watchdog;
    std::thread watcher(watch, std::ref(watchdog));
    std::printf("%-14s %10s %10s %9s %9s %9s %12s\n", "puzzle", "median ms", "p99 ms", "decided", "winnable",
                "lost", "nodes/deal");
    std::string failures = names.empty() ? "no puzzles in resources/Puzzle\n" : "";
    for (const std::string& name : names) {
        std::string message;
        if (!readPuzzle(app->filePath, name, *layout, message)) {
            std::printf("%-14s %s\n", name.c_str(), message.c_str());
            failures += name + ": " + message + "\n";
            continue;
        }
        seedRandom(app->random, kSeed);
        const Figures f = solveDeals(deals, *app, *layout, *board, check ? nullptr : &watchdog);
        std::printf("%-14s %10.2f %10.2f %8.1f%% %9d %9d %12lld\n", name.c_str(), f.milliseconds[deals / 2],
                    f.milliseconds[deals * 99 / 100], 100.0 * f.decided / deals, f.winnable, f.notWinnable,
                    static_cast<long long>(f.nodes / deals));
        std::fflush(stdout);
        const double share = 100.0 * f.winnable / deals;
        if (share < minPercent) {
            char line[160];
            std::snprintf(line, sizeof line, "%s: %.1f %% of %d deals winnable, under %g %%\n", name.c_str(), share,
                          deals, minPercent);
            failures += line;
        }
    }
    watchdog.quit.store(true);
    watcher.join();
    if (check && !failures.empty()) {
        std::fprintf(stderr, "solver_bench --check failed:\n%s", failures.c_str());
        return 1;
    }
    return 0;
}
