// The solver on fresh deals of every shipped puzzle: for each puzzle, 1,000
// deals made by the game's own dealTiles from a fixed seed, each solved with
// 200 ms to spend. Prints the median and 99th-percentile time, the share
// decided within the 200 ms, how many deals were winnable and how many lost,
// and the mean count of positions searched.
// Arguments, both optional: a puzzle name to run alone, and a number of deals.
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

#include "engine/deal.h"
#include "engine/random.h"
#include "engine/solver.h"
#include "fake_host.h"
#include "files/puzzle_file.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kTimeLimit = std::chrono::milliseconds(200);
// More than 200 ms of search on this machine: the clock, not the count,
// decides when a search stops.
constexpr int64_t kNodeBudget = 100000000;

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

Figures solveDeals(int deals, AppState& app, const Layout& layout, Board& board, Watchdog& watchdog) {
    Figures figures;
    for (int deal = 0; deal < deals; ++deal) {
        dealTiles(app, board, layout);
        watchdog.cancel.store(false);
        const Clock::time_point start = Clock::now();
        watchdog.deadline.store((start + kTimeLimit).time_since_epoch().count());
        const SolveResult result = solveBoard(board, kNodeBudget, &watchdog.cancel);
        const Clock::duration spent = Clock::now() - start;
        watchdog.deadline.store(0);
        figures.milliseconds.push_back(std::chrono::duration<double, std::milli>(spent).count());
        figures.decided += result.verdict != Verdict::Unknown && spent <= kTimeLimit;
        figures.winnable += result.verdict == Verdict::Winnable;
        figures.notWinnable += result.verdict == Verdict::NotWinnable;
        figures.nodes += result.nodes;
    }
    std::sort(figures.milliseconds.begin(), figures.milliseconds.end());
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    const int deals = argc > 2 ? std::atoi(argv[2]) : 1000;
    if (deals < 1) return 1;
    namespace fs = std::filesystem;
    fs::current_path(fs::path(KELVARIN_SOURCE_DIR) / "resources");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator("Puzzle"))
        if (entry.path().extension() == ".kvl" && (only.empty() || entry.path().filename() == only))
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());

    auto app = newTestState();
    auto layout = std::make_unique<Layout>();
    auto board = std::make_unique<Board>();
    Watchdog watchdog;
    std::thread watcher(watch, std::ref(watchdog));
    std::printf("%-14s %10s %10s %9s %9s %9s %12s\n", "puzzle", "median ms", "p99 ms", "decided", "winnable",
                "lost", "nodes/deal");
    for (const std::string& name : names) {
        std::strcpy(app->filePath.folder, "Puzzle");
        std::strcpy(app->filePath.name, name.c_str());
        app->filePath.extension[0] = '\0';
        std::string message;
        if (!readField(*app, message, *layout)) {
            std::printf("%-14s %s\n", name.c_str(), message.c_str());
            continue;
        }
        seedRandom(*app, 20261207);
        const Figures f = solveDeals(deals, *app, *layout, *board, watchdog);
        std::printf("%-14s %10.2f %10.2f %8.1f%% %9d %9d %12lld\n", name.c_str(), f.milliseconds[deals / 2],
                    f.milliseconds[deals * 99 / 100], 100.0 * f.decided / deals, f.winnable, f.notWinnable,
                    static_cast<long long>(f.nodes / deals));
        std::fflush(stdout);
    }
    watchdog.quit.store(true);
    watcher.join();
    return 0;
}
