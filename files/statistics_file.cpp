#include "files/statistics_file.h"

#include <algorithm>
#include <cstring>

#include <sys/stat.h>

#include "files/file_path.h"
#include "files/profile.h"
#include "files/whole_file.h"

namespace {

// The keys of a puzzle's section, and the first value of each in the
// section (first in the text, as the profile reader takes it); null when the
// section has none.
enum RecordKey { KeyName, KeyPlayed, KeyWon, KeyTimedWins, KeyTotalTime, KeyBestTime, kRecordKeys };
const char* const kRecordKeyNames[kRecordKeys] = {"NAME", "PLAYED", "WON", "TIMED_WINS", "TOTAL_TIME", "BEST_TIME"};

struct SectionValues {
    ProfileSpan name;
    const ProfileSpan* values[kRecordKeys];
    bool read;  // its record is taken
};

// Names found by their hash, without regard to case: an open-addressed table
// of 1 + the index of each name in the caller's list (0 = a free slot),
// allocated once.
struct NameTable {
    std::vector<uint64_t> hashes;
    std::vector<uint32_t> slots;
};

void startTable(NameTable& table, size_t names) {
    size_t size = 16;
    while (size < 2 * names) size *= 2;
    table.hashes.assign(size, 0);
    table.slots.assign(size, 0);
}

// The slot of the name whose hash is `hash` and for whose index `same` is
// true: taken by it, or else the free slot where it belongs.
template <typename Same>
uint32_t& slotOf(NameTable& table, uint64_t hash, Same same) {
    const size_t mask = table.slots.size() - 1;
    size_t at = hash & mask;
    while (table.slots[at] != 0 && (table.hashes[at] != hash || !same(table.slots[at] - 1))) at = (at + 1) & mask;
    table.hashes[at] = hash;  // kept when the caller fills the slot
    return table.slots[at];
}

int recordKeyOf(const Profile& profile, const ProfileEntry& entry) {
    if (entry.key.length < 3 || entry.key.length > 10) return kRecordKeys;
    for (int k = 0; k < kRecordKeys; ++k)
        if (compareNames(profile.text.data() + entry.key.start, entry.key.length, kRecordKeyNames[k],
                         std::strlen(kRecordKeyNames[k])) == 0)
            return k;
    return kRecordKeys;
}

PuzzleRecord readRecord(const Profile& profile, const SectionValues& section) {
    const auto number = [&](int key, int32_t fallback) {
        const ProfileSpan* value = section.values[key];
        return value == nullptr ? fallback : parseProfileInt(profile.text.data() + value->start, value->length, fallback);
    };
    PuzzleRecord r = emptyRecord("");
    if (const ProfileSpan* name = section.values[KeyName])
        setText(r.name, profile.text.substr(name->start, std::min<size_t>(name->length, kTextSize - 1)));
    cleanName(r.name);
    r.played = number(KeyPlayed, 0);
    r.won = number(KeyWon, 0);
    r.timedWins = number(KeyTimedWins, 0);
    r.totalTime = number(KeyTotalTime, 0);
    r.bestTime = number(KeyBestTime, -1);
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
    const char* text = profile.text.data();
    // One pass gathers the keys of every section (a section that appears
    // twice is one section, as to any reader of the file); the puzzles are
    // then found by name. A file at the size limit may hold some 150,000
    // sections: nothing here searches through all of them, and the entries
    // of one section line are looked up together.
    std::vector<SectionValues> sections;
    size_t sectionLines = 0;
    for (size_t i = 0; i < profile.entries.size(); ++i)
        sectionLines += i == 0 || profile.entries[i].section.start != profile.entries[i - 1].section.start;
    NameTable sectionTable;
    startTable(sectionTable, sectionLines);
    sections.reserve(sectionLines);
    SectionValues* current = nullptr;
    for (size_t i = 0; i < profile.entries.size(); ++i) {
        const ProfileEntry& entry = profile.entries[i];
        if (i == 0 || entry.section.start != profile.entries[i - 1].section.start) {
            const ProfileSpan name = entry.section;
            uint32_t& slot = slotOf(sectionTable, nameHash(text + name.start, name.length, "", 0), [&](uint32_t s) {
                return compareNames(text + sections[s].name.start, sections[s].name.length, text + name.start,
                                    name.length) == 0;
            });
            if (slot == 0) {
                sections.push_back(SectionValues{name, {}, false});
                slot = static_cast<uint32_t>(sections.size());
            }
            current = &sections[slot - 1];
        }
        const int key = recordKeyOf(profile, entry);
        if (key != kRecordKeys && current->values[key] == nullptr) current->values[key] = &entry.value;
    }
    NameTable puzzleTable;
    startTable(puzzleTable, sections.size());
    records.reserve(sections.size());
    for (const ProfileEntry& entry : profile.entries) {
        if (recordKeyOf(profile, entry) != KeyName) continue;
        // Looked up by name, a section ends at a NUL byte.
        const void* nul = std::memchr(text + entry.section.start, '\0', entry.section.length);
        const size_t length = nul != nullptr ? static_cast<const char*>(nul) - (text + entry.section.start)
                                             : entry.section.length;
        const uint32_t found = slotOf(sectionTable, nameHash(text + entry.section.start, length, "", 0), [&](uint32_t s) {
            return compareNames(text + sections[s].name.start, sections[s].name.length, text + entry.section.start,
                                length) == 0;
        });
        if (found == 0 || sections[found - 1].read) continue;
        sections[found - 1].read = true;
        const PuzzleRecord r = readRecord(profile, sections[found - 1]);
        if (r.name[0] == '\0' || r.played == 0) continue;
        const size_t nameLength = std::strlen(r.name);
        uint32_t& slot = slotOf(puzzleTable, nameHash(r.name, nameLength, "", 0), [&](uint32_t p) {
            return compareNames(records[p].name, std::strlen(records[p].name), r.name, nameLength) == 0;
        });
        if (slot != 0) {
            addRecord(records[slot - 1], r);
        } else {
            records.push_back(r);
            slot = static_cast<uint32_t>(records.size());
        }
    }
}

bool readStatistics(const char* windowsPath, std::vector<PuzzleRecord>& records) {
    std::string text;
    const bool read = readWholeFile(hostPath(windowsPath), kProfileSizeLimit, text);
    Profile profile;
    splitProfile(profile, std::move(text));
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
