// Reading Statistics.ini at the size limit of the profile reader, on the
// shapes that cost the most: as many small sections as fit, each a puzzle of
// its own; as many sections as fit that name a puzzle without games; as many
// keys as fit in one section; and one puzzle named in every section. Every counted end reads the file on the window's thread, so each
// must take well under 100 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "files/profile.h"
#include "files/statistics_file.h"

namespace {

// Lines made by `line(i)` until the next would pass the limit.
template <typename Line>
std::string filledText(Line line, std::string text = "") {
    for (int i = 0;; ++i) {
        const std::string next = line(i);
        if (text.size() + next.size() > kProfileSizeLimit) return text;
        text += next;
    }
}

void readFile(benchmark::State& state, const std::string& text) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "kelvarin-statistics-bench.ini";
    std::ofstream(path, std::ios::binary) << text;
    size_t count = 0;
    for (auto _ : state) {
        std::vector<PuzzleRecord> records;  // as every counted end reads them afresh
        if (!readStatistics(path.string().c_str(), records)) state.SkipWithError("not read");
        count = records.size();
    }
    state.counters["records"] = static_cast<double>(count);
    std::filesystem::remove(path);
}

void BM_ReadManySmallSections(benchmark::State& state) {
    readFile(state, filledText([](int i) {
                 const std::string n = std::to_string(i);
                 return "[" + n + "]\nNAME=" + n + "\nPLAYED=1\n";
             }));
}
BENCHMARK(BM_ReadManySmallSections)->Unit(benchmark::kMillisecond);

void BM_ReadManySectionsWithoutGames(benchmark::State& state) {
    readFile(state, filledText([](int i) { return "[" + std::to_string(i) + "]\nNAME=\n"; }));
}
BENCHMARK(BM_ReadManySectionsWithoutGames)->Unit(benchmark::kMillisecond);

void BM_ReadOneSectionOfManyKeys(benchmark::State& state) {
    readFile(state, filledText([](int i) { return std::to_string(i) + "=1\n"; }, "[P]\nNAME=a\nPLAYED=1\n"));
}
BENCHMARK(BM_ReadOneSectionOfManyKeys)->Unit(benchmark::kMillisecond);

void BM_ReadOnePuzzleInEverySection(benchmark::State& state) {
    readFile(state, filledText([](int i) { return "[" + std::to_string(i) + "]\nNAME=a\nPLAYED=1\n"; }));
}
BENCHMARK(BM_ReadOnePuzzleInEverySection)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
