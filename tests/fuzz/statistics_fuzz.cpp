// The statistics reader on any text: every record it gives could have been
// written by the program, and what the program writes from them reads back
// the same.
#include <cstring>
#include <vector>

#include "files/statistics_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<PuzzleRecord> records;
    readStatisticsFrom(inputText(data, size), records);
    for (const PuzzleRecord& r : records) {
        require(!r.name.empty() && r.name.size() < kTextSize && r.name.find('\0') == std::string::npos, "a name");
        require(r.played > 0 && r.won >= 0 && r.won <= r.played, "won of played");
        require(r.timedWins >= 0 && r.timedWins <= r.won && r.totalTime >= 0, "timed wins");
        require(r.bestTime == -1 || (r.timedWins > 0 && r.bestTime >= 0 && r.bestTime <= r.totalTime),
                "a best time among them");
    }

    const std::string written = composeStatistics(records);
    std::vector<PuzzleRecord> back;
    readStatisticsFrom(written, back);
    require(composeStatistics(back) == written, "the written records read back the same");
    return 0;
}
