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
#include "game/host.h"
#include "game/play_clock.h"

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

bool readRecords(AppState& app, std::vector<PuzzleRecord>& records) {
    records.clear();
    if (app.records.unreadable != 0) return false;
    if (readStatistics(kStatisticsFile, records)) return true;
    app.records.unreadable = 1;
    showMessage(app, kMainWindow,
                "The records of play in Statistics.ini could not be read. "
                "They are left as they are and will not be updated until the program is started again.",
                MessageIcon::Error);
    return false;
}

namespace {

void writeRecords(AppState& app, const std::vector<PuzzleRecord>& records) {
    if (writeStatistics(kStatisticsFile, records) || app.records.writeFailed != 0) return;
    app.records.writeFailed = 1;
    showMessage(app, kMainWindow, "The records of play could not be written to Statistics.ini.",
                MessageIcon::Error);
}

}  // namespace

bool countGameEnd(AppState& app, bool won) {
    GameRecord& game = app.game;
    if (!counts(game) || game.counted != 0) return false;
    game.counted = 1;
    std::vector<PuzzleRecord> records;
    if (!readRecords(app, records)) return false;
    PuzzleRecord& r = recordOf(records, game.puzzle);
    game.count = GameCount{1, won ? 1 : 0, 0, 0};
    if (won && game.timed != 0) {
        game.count.timedWins = 1;
        game.count.totalTime = secondsPlayed(app);
    }
    const int32_t seconds = game.count.totalTime;
    const bool best = game.count.timedWins != 0 && game.helpersUsed == 0 && (r.bestTime < 0 || seconds < r.bestTime);
    game.previousBest = r.bestTime;
    r.played = addCapped(r.played, 1);
    r.won = addCapped(r.won, game.count.won);
    r.timedWins = addCapped(r.timedWins, game.count.timedWins);
    r.totalTime = addCapped(r.totalTime, seconds);
    if (best) r.bestTime = game.bestTime = seconds;
    game.inFile = 1;
    writeRecords(app, records);
    return best;
}

void reopenGame(AppState& app) {
    GameRecord& game = app.game;
    if (game.counted == 0) return;
    game.counted = 0;
    const bool best = game.newBest != 0;
    game.newBest = 0;
    if (game.inFile == 0) return;
    game.inFile = 0;
    // Another copy of the program may have counted games of its own since:
    // only this game's count is taken back out.
    std::vector<PuzzleRecord> records;
    if (!readRecords(app, records)) return;
    PuzzleRecord& r = recordOf(records, game.puzzle);
    r.played -= game.count.played;
    r.won -= game.count.won;
    r.timedWins -= game.count.timedWins;
    r.totalTime -= game.count.totalTime;
    if (best && r.bestTime == game.bestTime) r.bestTime = game.previousBest;
    mendRecord(r);
    writeRecords(app, records);
}

void resetStatistics(AppState& app) {
    if (app.records.unreadable != 0) return;  // the file is left as it was found
    app.game.inFile = 0;  // nothing of the old records comes back out
    writeRecords(app, {});
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
