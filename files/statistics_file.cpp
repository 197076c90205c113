#include "files/statistics_file.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include <sys/stat.h>

#include "files/file_path.h"
#include "files/profile.h"
#include "files/whole_file.h"

namespace {

PuzzleRecord readRecord(const Profile& profile, const char* section) {
    PuzzleRecord r = emptyRecord("");
    profileString(profile, section, "NAME", "", r.name);
    cleanName(r.name);
    r.played = profileInt(profile, section, "PLAYED", 0);
    r.won = profileInt(profile, section, "WON", 0);
    r.timedWins = profileInt(profile, section, "TIMED_WINS", 0);
    r.totalTime = profileInt(profile, section, "TOTAL_TIME", 0);
    r.bestTime = profileInt(profile, section, "BEST_TIME", -1);
    mendRecord(r);
    return r;
}

void addRecord(PuzzleRecord& sum, const PuzzleRecord& r) {
    sum.played = addCapped(sum.played, r.played);
    sum.won = addCapped(sum.won, r.won);
    sum.timedWins = addCapped(sum.timedWins, r.timedWins);
    sum.totalTime = addCapped(sum.totalTime, r.totalTime);
    if (r.bestTime >= 0 && (sum.bestTime < 0 || r.bestTime < sum.bestTime)) sum.bestTime = r.bestTime;
}

std::string upperCase(std::string text) {
    for (char& c : text) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    return text;
}

void appendKey(std::string& text, const char* key, const std::string& value) {
    text += std::string(key) + " = " + value + "\r\n";
}

}  // namespace

void mendRecord(PuzzleRecord& r) {
    r.played = std::max(r.played, 0);
    r.won = std::clamp(r.won, 0, r.played);
    r.timedWins = std::clamp(r.timedWins, 0, r.won);
    if (r.timedWins == 0 || r.totalTime < 0) r.timedWins = r.totalTime = 0;
    if (r.bestTime < 0 || r.bestTime > r.totalTime || r.timedWins == 0) r.bestTime = -1;
}

PuzzleRecord emptyRecord(const char* name) {
    PuzzleRecord r{};
    setText(r.name, name);  // names come from buffers of the same size
    r.bestTime = -1;
    return r;
}

void readStatisticsFrom(const Profile& profile, std::vector<PuzzleRecord>& records) {
    records.clear();
    // A section that appears twice is one section to the reader: read once.
    // A file may hold a great many sections: sections and puzzles are found
    // by their upper-case names, not by a search through all of them.
    std::unordered_set<std::string> seen;
    std::unordered_map<std::string, size_t> puzzles;
    for (const ProfileEntry& entry : profile.entries) {
        const char* key = profile.text.data() + entry.key.start;
        if (compareNames(key, entry.key.length, "NAME", 4) != 0) continue;
        // Looked up by name, a section ends at a NUL byte.
        const std::string section =
            profile.text.substr(entry.section.start, entry.section.length).c_str();
        if (!seen.insert(upperCase(section)).second) continue;
        const PuzzleRecord r = readRecord(profile, section.c_str());
        if (r.name[0] == '\0' || r.played == 0) continue;
        const auto found = puzzles.emplace(upperCase(r.name), records.size());
        if (found.second) records.push_back(emptyRecord(r.name));
        addRecord(records[found.first->second], r);
    }
}

bool readStatistics(const char* windowsPath, std::vector<PuzzleRecord>& records) {
    Profile profile;
    const bool read = loadProfile(profile, windowsPath);
    readStatisticsFrom(profile, records);
    struct stat info;
    return read || stat(hostPath(windowsPath).c_str(), &info) != 0;
}

std::string composeStatistics(const std::vector<PuzzleRecord>& records) {
    std::string text;
    int section = 0;
    for (const PuzzleRecord& r : records) {
        if (r.played == 0) continue;
        text += "\r\n[PUZZLE_" + std::to_string(++section) + "]\r\n";
        appendKey(text, "NAME", r.name);
        appendKey(text, "PLAYED", std::to_string(r.played));
        appendKey(text, "WON", std::to_string(r.won));
        appendKey(text, "TIMED_WINS", std::to_string(r.timedWins));
        appendKey(text, "TOTAL_TIME", std::to_string(r.totalTime));
        appendKey(text, "BEST_TIME", std::to_string(r.bestTime));
    }
    return text;
}

bool writeStatistics(const char* windowsPath, const std::vector<PuzzleRecord>& records) {
    return writeWholeFile(hostPath(windowsPath), composeStatistics(records)) == WriteResult::Written;
}

void cleanName(char (&name)[kTextSize]) {
    std::string text = name;  // up to a NUL the value may hold
    for (size_t length = 0; length != text.size();) {
        length = text.size();
        const size_t first = text.find_first_not_of(" \t");
        text = first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \t") - first + 1);
        if (text.size() >= 2 && (text[0] == '"' || text[0] == '\'') && text.back() == text[0])
            text = text.substr(1, text.size() - 2);
    }
    setText(name, text);
}

PuzzleRecord& recordOf(std::vector<PuzzleRecord>& records, const char* name) {
    const size_t length = std::strlen(name);
    for (PuzzleRecord& r : records)
        if (compareNames(r.name, std::strlen(r.name), name, length) == 0) return r;
    records.push_back(emptyRecord(name));
    return records.back();
}

int32_t addCapped(int32_t a, int32_t b) {
    const int64_t sum = static_cast<int64_t>(a) + b;
    return sum > INT32_MAX ? INT32_MAX : static_cast<int32_t>(sum);
}
