// Our own reader of INI-style text: the file is read once, split into
// entries, and every lookup is answered from memory.
//
// - A section starts at a line "[name]"; a key line is key = value.
// - Section and key names match without regard to letter case.
// - Blanks (spaces, tabs) around names and values are dropped, and a value
//   wrapped in a matching pair of quotes loses them.
// - Lines end in CR, LF or CR LF; lines outside any section, lines without
//   "=" and unknown keys are passed over; the first of two equal keys wins.
// - A UTF-8 byte-order mark at the start of the text is skipped.
// - Any bytes are accepted, NUL included; nothing is read out of bounds.
// - A missing file, section or key gives the caller's default.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "files/text.h"

// Far beyond anything the program writes (a saved game is about 22 KB);
// a larger file is treated as unreadable, so every lookup gives its default.
constexpr size_t kProfileSizeLimit = 4 * 1024 * 1024;

// Offsets into Profile::text, so that a copied Profile stays valid. Entries
// come only from a text within the size limit, so 32 bits hold them, and a
// file at the limit splits into half as many bytes of entries.
struct ProfileSpan {
    uint32_t start;
    uint32_t length;
};

struct ProfileEntry {
    ProfileSpan section;
    ProfileSpan key;
    ProfileSpan value;
};

struct ProfileName {
    uint64_t hash;
    uint32_t entry;
};

struct Profile {
    std::string text;
    std::vector<ProfileEntry> entries;  // in the order of the text
    // Entries sorted by a hash of their section and key without regard to
    // case, then by the names themselves; equal names keep the order of the
    // text. A saved game asks for some 700 keys among as many entries: each
    // lookup is a binary search, mostly over whole numbers, so that even a
    // file at the size limit is read in a few tens of milliseconds.
    std::vector<ProfileName> byName;
};

// Splits the text into entries and sorts them for lookups by name; the
// profile keeps the text. A text over the size limit has no entries.
void parseProfile(Profile& profile, std::string text);

// Goes through the entries of the text in the order of the text, for a
// reader that never looks a name up; a text over the size limit, as a file
// over it, has none.
void eachEntry(const std::string& text, const std::function<void(const ProfileEntry&)>& take);

// Reads a file by its Windows-form path. A missing, unreadable or oversized
// file gives an empty profile and false.
bool loadProfile(Profile& profile, const char* windowsPath);

// The value, cut to 259 characters, or the default when the key is missing.
void profileString(const Profile& profile, const char* section, const char* key,
                   const char* fallback, char (&out)[kTextSize]);

// The section and key of an entry as they match names, without regard to
// case: equal names give equal hashes.
uint64_t nameHash(const char* section, size_t sectionLength, const char* key, size_t keyLength);

// The value as a signed decimal 32-bit integer. The default when the key is
// missing, when the value is not a decimal integer (nothing but an optional
// sign and digits) and when it lies beyond 32 bits: never wrapped.
int32_t profileInt(const Profile& profile, const char* section, const char* key,
                   int32_t fallback);

// The same rules for a value already found: `length` characters at `value`.
int32_t parseProfileInt(const char* value, size_t length, int32_t fallback);
