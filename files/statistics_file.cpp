#include "files/statistics_file.h"

#include <algorithm>
#include <cstring>

#include <sys/stat.h>

#include "files/file_path.h"
#include "files/profile.h"
#include "files/whole_file.h"

namespace {

// The keys of a puzzle's section. A section keeps the first value of each
// (first in the text, as the profile reader takes it), the numbers read at
// once, so that nothing is kept per line.
enum RecordKey { KeyName, KeyPlayed, KeyWon, KeyTimedWins, KeyTotalTime, KeyBestTime, kRecordKeys };
const char* const kRecordKeyNames[kRecordKeys] = {"NAME", "PLAYED", "WON", "TIMED_WINS", "TOTAL_TIME", "BEST_TIME"};

struct SectionValues {
    ProfileSpan name;
    ProfileSpan puzzle;                // the value of NAME
    int32_t numbers[kRecordKeys - 1];  // PLAYED to BEST_TIME, each its default until taken
    uint8_t found;                     // a bit per key taken
    bool read;                         // its record is taken
};

void takeValue(SectionValues& section, int key, const char* text, ProfileSpan value) {
    if ((section.found & (1u << key)) != 0) return;
    section.found |= 1u << key;
    if (key == KeyName) {
        section.puzzle = value;
    } else {
        int32_t& number = section.numbers[key - 1];
        number = parseProfileInt(text + value.start, value.length, number);
    }
}

int recordKeyOf(const char* text, ProfileSpan key) {
    if (key.length < 3 || key.length > 10) return kRecordKeys;
    for (int k = 0; k < kRecordKeys; ++k)
        if (compareNames(text + key.start, key.length, kRecordKeyNames[k], std::strlen(kRecordKeyNames[k])) == 0)
            return k;
    return kRecordKeys;
}

PuzzleRecord recordFrom(const std::string& text, const SectionValues& section) {
    // The name as a buffer of names holds it: 259 characters, up to a NUL.
    const std::string name = text.substr(section.puzzle.start, std::min<size_t>(section.puzzle.length, kTextSize - 1));
    const int32_t* n = section.numbers;
    PuzzleRecord r{cleanedName(name.substr(0, name.find('\0'))), n[0], n[1], n[2], n[3], n[4]};
    mendRecord(r);
    return r;
}

// Names found by their hash, without regard to case: an open-addressed table
// of 1 + the index of each name in the caller's list (0 = a free slot), with
// the upper half of the name's hash beside it, so that a probe reads one
// place in memory.
struct NameSlot {
    uint32_t hash;
    uint32_t index;
};
using NameTable = std::vector<NameSlot>;

NameTable tableFor(size_t names) {
    size_t size = 16;
    while (size < names + names / 2) size *= 2;
    return NameTable(size, NameSlot{0, 0});
}

// The index slot of the name whose hash is `hash` and for whose index `same`
// is true: taken by it, or else the free slot where it belongs.
template <typename Same>
uint32_t& slotOf(NameTable& table, uint64_t hash, Same same) {
    const uint32_t upper = static_cast<uint32_t>(hash >> 32);
    const size_t mask = table.size() - 1;
    size_t at = hash & mask;
    while (table[at].index != 0 && (table[at].hash != upper || !same(table[at].index - 1))) at = (at + 1) & mask;
    table[at].hash = upper;  // kept when the caller fills the slot
    return table[at].index;
}

void addRecord(PuzzleRecord& sum, const PuzzleRecord& r) {
    sum.played = addCapped(sum.played, r.played);
    sum.won = addCapped(sum.won, r.won);
    sum.timedWins = addCapped(sum.timedWins, r.timedWins);
    sum.totalTime = addCapped(sum.totalTime, r.totalTime);
    if (r.bestTime >= 0 && (sum.bestTime < 0 || r.bestTime < sum.bestTime)) sum.bestTime = r.bestTime;
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

PuzzleRecord emptyRecord(const std::string& name) {
    return PuzzleRecord{name, 0, 0, 0, 0, -1};
}

void readStatisticsFrom(const std::string& text, std::vector<PuzzleRecord>& records) {
    records.clear();
    // One pass gathers the values of every section (a section that appears
    // twice is one section, as to any reader of the file) and the sections
    // of the NAME entries in the order of the text; the puzzles are then read
    // in that order. A file at the size limit may hold some 150,000 sections:
    // nothing here searches through all of them.
    const char* all = text.data();
    std::vector<SectionValues> sections;
    std::vector<uint32_t> named;  // the section of each NAME entry
    // Every section that holds an entry has a "[" and an "=" of its own.
    const size_t most = std::min(std::count(text.begin(), text.end(), '['), std::count(text.begin(), text.end(), '='));
    NameTable sectionTable = tableFor(most);
    sections.reserve(most);
    named.reserve(most);
    const auto sectionSlot = [&](const char* name, size_t length) -> uint32_t& {
        return slotOf(sectionTable, nameHash(name, length, "", 0), [&](uint32_t s) {
            return compareNames(all + sections[s].name.start, sections[s].name.length, name, length) == 0;
        });
    };
    size_t line = SIZE_MAX;  // where the current section's line names it
    uint32_t current = 0;
    eachEntry(text, [&](const ProfileEntry& entry) {
        if (entry.section.start != line) {
            line = entry.section.start;
            uint32_t& slot = sectionSlot(all + entry.section.start, entry.section.length);
            if (slot == 0) {
                sections.push_back(SectionValues{entry.section, {0, 0}, {0, 0, 0, 0, -1}, 0, false});
                slot = static_cast<uint32_t>(sections.size());
            }
            current = slot - 1;
        }
        const int key = recordKeyOf(all, entry.key);
        if (key == kRecordKeys) return;
        if (key == KeyName) named.push_back(current);
        takeValue(sections[current], key, all, entry.value);
    });
    // Only a section with a NAME and games played gives a record.
    const size_t puzzles = std::count_if(sections.begin(), sections.end(), [](const SectionValues& section) {
        return (section.found & (1u << KeyName)) != 0 && section.numbers[KeyPlayed - 1] > 0;
    });
    NameTable puzzleTable = tableFor(puzzles);
    records.reserve(puzzles);
    for (uint32_t section : named) {
        // Looked up by name, a section ends at a NUL byte: a name with one
        // is another section's, if any.
        const ProfileSpan name = sections[section].name;
        if (const void* nul = std::memchr(all + name.start, '\0', name.length)) {
            const uint32_t found = sectionSlot(all + name.start, static_cast<const char*>(nul) - (all + name.start));
            if (found == 0) continue;
            section = found - 1;
        }
        if (sections[section].read) continue;
        sections[section].read = true;
        PuzzleRecord r = recordFrom(text, sections[section]);
        if (r.name.empty() || r.played == 0) continue;
        uint32_t& slot = slotOf(puzzleTable, nameHash(r.name.data(), r.name.size(), "", 0), [&](uint32_t p) {
            return compareNames(records[p].name.data(), records[p].name.size(), r.name.data(), r.name.size()) == 0;
        });
        if (slot != 0) {
            addRecord(records[slot - 1], r);
        } else {
            records.push_back(std::move(r));
            slot = static_cast<uint32_t>(records.size());
        }
    }
}

bool readStatistics(const char* windowsPath, std::vector<PuzzleRecord>& records) {
    std::string text;
    const bool read = readWholeFile(hostPath(windowsPath), kProfileSizeLimit, text);
    readStatisticsFrom(text, records);
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

std::string cleanedName(std::string text) {
    for (size_t length = 0; length != text.size();) {
        length = text.size();
        const size_t first = text.find_first_not_of(" \t");
        text = first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \t") - first + 1);
        if (text.size() >= 2 && (text[0] == '"' || text[0] == '\'') && text.back() == text[0])
            text = text.substr(1, text.size() - 2);
    }
    return text;
}

void cleanName(char (&name)[kTextSize]) {
    setText(name, cleanedName(name));
}

PuzzleRecord& recordOf(std::vector<PuzzleRecord>& records, const char* name) {
    const size_t length = std::strlen(name);
    for (PuzzleRecord& r : records)
        if (compareNames(r.name.data(), r.name.size(), name, length) == 0) return r;
    records.push_back(emptyRecord(name));
    return records.back();
}

int32_t addCapped(int32_t a, int32_t b) {
    const int64_t sum = static_cast<int64_t>(a) + b;
    return sum > INT32_MAX ? INT32_MAX : static_cast<int32_t>(sum);
}
