#include "game/statistics_view.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// Whole numbers rounded half up.
int64_t roundedRatio(int64_t numerator, int64_t denominator) {
    return (2 * numerator + denominator) / (2 * denominator);
}

int64_t averageTime(const PuzzleRecord& r) {
    return r.timedWins == 0 ? -1 : roundedRatio(r.totalTime, r.timedWins);
}

int compareNamesOf(const PuzzleRecord& a, const PuzzleRecord& b) {
    return compareNames(a.name.data(), a.name.size(), b.name.data(), b.name.size());
}

// Negative, 0 or positive as `a` comes before `b` in ascending order; a time
// of -1 (none) is handled by the caller.
int64_t compareBy(const PuzzleRecord& a, const PuzzleRecord& b, int column) {
    switch (column) {
    case ColumnPlayed: return int64_t{a.played} - b.played;
    case ColumnWon: return int64_t{a.won} - b.won;
    case ColumnWonPercent: return int64_t{a.won} * b.played - int64_t{b.won} * a.played;
    case ColumnBestTime: return int64_t{a.bestTime} - b.bestTime;
    case ColumnAverageTime: return averageTime(a) - averageTime(b);
    default: return compareNamesOf(a, b);
    }
}

int64_t timeOf(const PuzzleRecord& r, int column) {
    if (column == ColumnBestTime) return r.bestTime;
    return column == ColumnAverageTime ? averageTime(r) : 0;
}

}  // namespace

std::string playTimeText(int seconds) {
    char text[32];
    if (seconds >= 3600)
        std::snprintf(text, sizeof text, "%d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
    else
        std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
    return text;
}

std::string puzzleTitle(const char* name) {
    const size_t length = std::strlen(name);
    const bool puzzleFile = length > 4 && compareNames(name + length - 4, 4, ".kvl", 4) == 0;
    return std::string(name, puzzleFile ? length - 4 : length);
}

std::string statisticsCell(const PuzzleRecord& r, int column) {
    switch (column) {
    case ColumnPuzzle: return puzzleTitle(r.name.c_str());
    case ColumnPlayed: return std::to_string(r.played);
    case ColumnWon: return std::to_string(r.won);
    case ColumnWonPercent: {
        if (r.played == 0) return "-";
        // 100 % only when every game was won, 0 % only when none was.
        const int64_t percent = std::clamp<int64_t>(roundedRatio(int64_t{r.won} * 100, r.played),
                                                    r.won > 0 ? 1 : 0, r.won < r.played ? 99 : 100);
        return std::to_string(percent) + "%";
    }
    case ColumnBestTime:
    case ColumnAverageTime: {
        const int64_t seconds = timeOf(r, column);
        return seconds < 0 ? "-" : playTimeText(static_cast<int>(seconds));
    }
    default: return "";
    }
}

void sortStatistics(std::vector<PuzzleRecord>& records, int column, bool descending) {
    std::sort(records.begin(), records.end(), [&](const PuzzleRecord& a, const PuzzleRecord& b) {
        const bool aNone = timeOf(a, column) < 0;
        const bool bNone = timeOf(b, column) < 0;
        if (aNone != bNone) return bNone;
        const int64_t order = aNone ? 0 : compareBy(a, b, column);
        if (order != 0) return descending ? order > 0 : order < 0;
        return compareNamesOf(a, b) < 0;
    });
}
