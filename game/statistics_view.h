// How the records are shown: times as the clock shows them, and the
// Statistics dialog's table, one row per puzzle with games, in the order a
// click on a column header asks for.
#pragma once

#include <string>
#include <vector>

#include "files/statistics_file.h"

enum StatisticsColumn {
    ColumnPuzzle,
    ColumnPlayed,
    ColumnWon,
    ColumnWonPercent,
    ColumnBestTime,
    ColumnAverageTime,
    kStatisticsColumns
};

constexpr const char* kStatisticsHeadings[kStatisticsColumns] = {
    "Puzzle", "Played", "Won", "Won %", "Best time", "Average time"};

// "m:ss", from an hour on "h:mm:ss".
std::string playTimeText(int seconds);

// A puzzle as the player knows it: its file name without the ".kvl".
std::string puzzleTitle(const char* name);

// The text of one cell: the puzzle without its ".kvl", the counts, the share
// won and the average rounded to the nearest whole, "-" for no time.
std::string statisticsCell(const PuzzleRecord& record, int column);

// Orders the rows by the column, the puzzle's name among equals; rows with
// no time come last either way.
void sortStatistics(std::vector<PuzzleRecord>& records, int column, bool descending);
