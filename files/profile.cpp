#include "files/profile.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <utility>

#include "files/file_path.h"
#include "files/whole_file.h"

namespace {

ProfileSpan trimmed(const std::string& text, size_t start, size_t end) {
    while (start < end && isBlank(text[start])) ++start;
    while (end > start && isBlank(text[end - 1])) --end;
    return ProfileSpan{static_cast<uint32_t>(start), static_cast<uint32_t>(end - start)};
}

ProfileSpan unquoted(const std::string& text, ProfileSpan value) {
    if (value.length < 2) return value;
    const char first = text[value.start];
    const char last = text[value.start + value.length - 1];
    if ((first == '"' || first == '\'') && last == first)
        return ProfileSpan{value.start + 1, value.length - 2};
    return value;
}

// Orders an entry against a section and key.
int compareEntry(const Profile& profile, const ProfileEntry& entry, const char* section,
                 size_t sectionLength, const char* key, size_t keyLength) {
    const char* text = profile.text.data();
    const int bySection =
        compareNames(text + entry.section.start, entry.section.length, section, sectionLength);
    if (bySection != 0) return bySection;
    return compareNames(text + entry.key.start, entry.key.length, key, keyLength);
}

// Orders entry names by hash, then by the names themselves.
bool nameBefore(const Profile& profile, const ProfileName& name, uint64_t hash, const char* section,
                size_t sectionLength, const char* key, size_t keyLength) {
    if (name.hash != hash) return name.hash < hash;
    return compareEntry(profile, profile.entries[name.entry], section, sectionLength, key, keyLength) < 0;
}

const ProfileEntry* findEntry(const Profile& profile, const char* section, const char* key) {
    const size_t sectionLength = std::strlen(section);
    const size_t keyLength = std::strlen(key);
    const uint64_t hash = nameHash(section, sectionLength, key, keyLength);
    const auto first =
        std::partition_point(profile.byName.begin(), profile.byName.end(), [&](const ProfileName& name) {
            return nameBefore(profile, name, hash, section, sectionLength, key, keyLength);
        });
    if (first == profile.byName.end() || first->hash != hash) return nullptr;
    const ProfileEntry& entry = profile.entries[first->entry];
    return compareEntry(profile, entry, section, sectionLength, key, keyLength) == 0 ? &entry : nullptr;
}

void parseLine(const std::string& text, size_t start, size_t end, bool& inSection, ProfileSpan& section,
               const std::function<void(const ProfileEntry&)>& take) {
    const ProfileSpan line = trimmed(text, start, end);
    if (line.length == 0) return;
    const size_t lineEnd = line.start + line.length;
    if (text[line.start] == '[') {
        size_t close = line.start + 1;
        while (close < lineEnd && text[close] != ']') ++close;
        section = trimmed(text, line.start + 1, close);
        inSection = true;
        return;
    }
    if (!inSection) return;
    const void* equals = std::memchr(text.data() + line.start, '=', line.length);
    if (equals == nullptr) return;
    const size_t at = static_cast<const char*>(equals) - text.data();
    take(ProfileEntry{section, trimmed(text, line.start, at), unquoted(text, trimmed(text, at + 1, lineEnd))});
}

}  // namespace

void eachEntry(const std::string& text, const std::function<void(const ProfileEntry&)>& take) {
    if (text.size() > kProfileSizeLimit) return;
    bool inSection = false;
    ProfileSpan section{0, 0};
    // Editors may put the UTF-8 byte-order mark before the first section.
    size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    for (size_t i = start; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
        parseLine(text, start, i, inSection, section, take);
        start = i + 1;
    }
}

void parseProfile(Profile& profile, std::string text) {
    profile.text = std::move(text);
    profile.entries.clear();
    const std::string& all = profile.text;
    // Room for every entry at once: a file at the size limit may hold some
    // 400,000, and growing the list step by step copies it again and again.
    const auto lineEnds = std::count(all.begin(), all.end(), '\n') + std::count(all.begin(), all.end(), '\r');
    profile.entries.reserve(std::min<size_t>(lineEnds + 1, std::count(all.begin(), all.end(), '=')));
    eachEntry(all, [&](const ProfileEntry& entry) { profile.entries.push_back(entry); });
    profile.byName.resize(profile.entries.size());
    for (size_t i = 0; i < profile.byName.size(); ++i) {
        const ProfileEntry& entry = profile.entries[i];
        profile.byName[i] = ProfileName{nameHash(all.data() + entry.section.start, entry.section.length,
                                                 all.data() + entry.key.start, entry.key.length),
                                        static_cast<uint32_t>(i)};
    }
    // Equal names stay in the order of the text: the first of them wins.
    std::sort(profile.byName.begin(), profile.byName.end(), [&](const ProfileName& a, const ProfileName& b) {
        const ProfileEntry& y = profile.entries[b.entry];
        if (a.hash != b.hash) return a.hash < b.hash;
        const int order = compareEntry(profile, profile.entries[a.entry], all.data() + y.section.start,
                                       y.section.length, all.data() + y.key.start, y.key.length);
        return order != 0 ? order < 0 : a.entry < b.entry;
    });
}

bool loadProfile(Profile& profile, const char* windowsPath) {
    std::string text;
    const bool read = readWholeFile(hostPath(windowsPath), kProfileSizeLimit, text);
    parseProfile(profile, std::move(text));
    return read;
}

void profileString(const Profile& profile, const char* section, const char* key,
                   const char* fallback, char (&out)[kTextSize]) {
    const ProfileEntry* entry = findEntry(profile, section, key);
    const char* source = entry ? profile.text.data() + entry->value.start : fallback;
    size_t length = entry ? entry->value.length : std::strlen(fallback);
    if (length > kTextSize - 1) length = kTextSize - 1;
    std::memmove(out, source, length);  // the default may be `out` itself
    out[length] = '\0';
}

uint64_t nameHash(const char* section, size_t sectionLength, const char* key, size_t keyLength) {
    // FNV-1a over the lower-case names, with the lengths between them.
    uint64_t hash = 14695981039346656037ULL;
    const auto add = [&](unsigned char c) { hash = (hash ^ c) * 1099511628211ULL; };
    for (const auto& [name, length] : {std::pair{section, sectionLength}, std::pair{key, keyLength}}) {
        for (size_t i = 0; i < length; ++i) add(static_cast<unsigned char>(name[i] >= 'A' && name[i] <= 'Z' ? name[i] - 'A' + 'a' : name[i]));
        for (int shift = 0; shift < 64; shift += 8) add(static_cast<unsigned char>(static_cast<uint64_t>(length) >> shift));
    }
    return hash;
}

int32_t profileInt(const Profile& profile, const char* section, const char* key,
                   int32_t fallback) {
    const ProfileEntry* entry = findEntry(profile, section, key);
    if (entry == nullptr) return fallback;
    return parseProfileInt(profile.text.data() + entry->value.start, entry->value.length, fallback);
}

int32_t parseProfileInt(const char* value, size_t length, int32_t fallback) {
    const char* c = value;
    const char* end = c + length;
    const bool negative = c < end && *c == '-';
    if (c < end && (*c == '-' || *c == '+')) ++c;
    if (c == end) return fallback;
    const int64_t limit = negative ? 2147483648LL : 2147483647LL;
    int64_t value64 = 0;
    for (; c < end; ++c) {
        if (*c < '0' || *c > '9') return fallback;
        value64 = value64 * 10 + (*c - '0');
        if (value64 > limit) return fallback;
    }
    return static_cast<int32_t>(negative ? -value64 : value64);
}
