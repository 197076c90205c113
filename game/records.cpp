#include "game/records.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "files/file_path.h"
#include "files/file_system.h"
#include "files/puzzle_file.h"
#include "game/app_state.h"

namespace {

bool counts(const GameRecord& game) { return game.puzzle[0] != '\0' && game.started != 0; }

bool sameField(const Layout& a, const Layout& b) {
    for (int i = 0; i < kCells; ++i)
        if ((a.cells[i].number != 0) != (b.cells[i].number != 0)) return false;
    return true;
}

}  // namespace

void beginGame(AppState& app, const char* puzzle, bool timed) {
    giveUpGame(app);
    GameRecord& game = app.game;
    game = GameRecord{};
    setText(game.puzzle, puzzle);
    cleanName(game.puzzle);  // as the file keeps it
    game.timed = timed ? 1 : 0;
}

void giveUpGame(AppState& app) {
    if (app.game.counted == 0) countGameEnd(app, false);
}

void notePairTaken(AppState& app) { app.game.started = 1; }

void noteHelperUsed(AppState& app) { app.game.helpersUsed = 1; }

bool countGameEnd(AppState& app, bool won) {
    GameRecord& game = app.game;
    if (!counts(game) || game.counted != 0) return false;
    std::vector<PuzzleRecord> records;
    readStatistics(kStatisticsFile, records);
    PuzzleRecord& r = recordOf(records, game.puzzle);
    game.before = r;
    game.restorable = 1;
    game.counted = 1;
    r.played = addCapped(r.played, 1);
    bool best = false;
    if (won) {
        r.won = addCapped(r.won, 1);
        if (game.timed != 0) {
            const int32_t seconds = std::max(app.secondsPlayed, 0);
            r.timedWins = addCapped(r.timedWins, 1);
            r.totalTime = addCapped(r.totalTime, seconds);
            best = game.helpersUsed == 0 && (r.bestTime < 0 || seconds < r.bestTime);
            if (best) r.bestTime = game.bestTime = seconds;
        }
    }
    writeStatistics(kStatisticsFile, records);
    return best;
}

void reopenGame(AppState& app) {
    GameRecord& game = app.game;
    if (game.counted == 0) return;
    game.counted = 0;
    game.newBest = 0;
    if (game.restorable == 0) return;
    game.restorable = 0;
    std::vector<PuzzleRecord> records;
    readStatistics(kStatisticsFile, records);
    recordOf(records, game.puzzle) = game.before;
    writeStatistics(kStatisticsFile, records);
}

void resetStatistics(AppState& app) {
    app.game.restorable = 0;  // nothing of the old records comes back
    writeStatistics(kStatisticsFile, {});
}

void puzzleOfField(const Layout& field, char (&name)[kTextSize]) {
    std::vector<std::string> names = filesIn(hostPath(".\\Puzzle").c_str(), ".kvl");
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return compareNames(a.data(), a.size(), b.data(), b.size()) < 0;
    });
    auto layout = std::make_unique<Layout>();  // 150 KB: not on the stack
    FilePath path{};
    std::strcpy(path.folder, "Puzzle");
    for (const std::string& candidate : names) {
        std::string message;
        clearBoard(*layout);
        if (setText(path.name, candidate) && readField(path, message, *layout) &&
            sameField(*layout, field)) {
            setText(name, candidate);
            return;
        }
    }
    setText(name, kOtherPuzzle);
}
