// Winnable arrangements on every shipped puzzle: for each, 1,000 deals built
// by dealWinnable from a fixed seed, and 1,000 shuffles of the tiles left in
// the middle of a game (a built deal played along its own winning order for
// 10 to 60 pairs). Prints the median and the worst time of each, and how
// many builds failed.
// Arguments, both optional: a puzzle name to run alone, and a number of runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "fake_host.h"
#include "rules/deal.h"
#include "rules/random.h"
#include "rules/winnable_arrangement.h"
#include "shipped_puzzles.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Times {
    std::vector<double> milliseconds;
    int failed = 0;

    void add(Clock::time_point start, bool ok) {
        milliseconds.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        failed += !ok;
    }
    double median() { return sorted()[milliseconds.size() / 2]; }
    double worst() { return sorted().back(); }
    const std::vector<double>& sorted() {
        std::sort(milliseconds.begin(), milliseconds.end());
        return milliseconds;
    }
};

}  // namespace

int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    const int runs = argc > 2 ? std::atoi(argv[2]) : 1000;
    if (runs < 1) return 1;
    std::filesystem::current_path(std::filesystem::path(KELVARIN_SOURCE_DIR) / "resources");
    const std::vector<std::string> names = shippedPuzzles(only);

    auto app = newTestState();
    auto layout = std::make_unique<Layout>();
    auto board = std::make_unique<Board>();
    std::printf("%-14s %12s %12s %7s %14s %14s %7s\n", "puzzle", "deal median", "deal worst", "failed",
                "shuffle median", "shuffle worst", "failed");
    for (const std::string& name : names) {
        std::string message;
        if (!readPuzzle(app->filePath, name, *layout, message)) {
            std::printf("%-14s %s\n", name.c_str(), message.c_str());
            continue;
        }
        seedRandom(app->random, 20261207);
        Times deals, shuffles;
        for (int run = 0; run < runs; ++run) {
            const Clock::time_point start = Clock::now();
            deals.add(start, dealWinnable(app->random, app->tileSet, *board, *layout) == Arrangement::Arranged);
        }
        for (int run = 0; run < runs; ++run) {
            ClearingOrder order;
            if (dealWinnable(app->random, app->tileSet, *board, *layout) != Arrangement::Arranged) continue;
            arrangeToWin(app->random, *board, &order);
            const int taken = 10 + nextRandom(app->random) % 51;
            for (int k = 0; k < taken; ++k)
                for (const Anchor& tile : {order.pairs[k].first, order.pairs[k].second})
                    cellAt(*board, tile.z, tile.y, tile.x) = Cell{};
            const Clock::time_point start = Clock::now();
            shuffles.add(start, arrangeToWin(app->random, *board) == Arrangement::Arranged);
        }
        std::printf("%-14s %9.2f ms %9.2f ms %7d %11.2f ms %11.2f ms %7d\n", name.c_str(), deals.median(),
                    deals.worst(), deals.failed, shuffles.median(), shuffles.worst(), shuffles.failed);
        std::fflush(stdout);
    }
    return 0;
}
