// The profile reader on any bytes: every entry lies inside the text and
// holds no line end, each entry's own names find it (or an earlier entry of
// the same names), and an integer reads as the decimal number it spells.
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "files/profile.h"
#include "fuzz_check.h"

namespace {

std::string spanText(const Profile& profile, ProfileSpan span) {
    return profile.text.substr(span.start, span.length);
}

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The integer a value spells as a signed decimal within 32 bits, if any.
bool decimalValue(const std::string& value, long long& number) {
    const size_t digits = !value.empty() && (value[0] == '+' || value[0] == '-') ? 1 : 0;
    if (digits == value.size() || value.find_first_not_of("0123456789", digits) != std::string::npos)
        return false;
    errno = 0;
    number = std::strtoll(value.c_str(), nullptr, 10);
    return errno == 0 && number >= INT32_MIN && number <= INT32_MAX;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Profile profile;
    parseProfile(profile, inputText(data, size));
    const size_t checked = profile.entries.size() < 64 ? profile.entries.size() : 64;
    for (size_t i = 0; i < checked; ++i) {
        const ProfileEntry& entry = profile.entries[i];
        for (ProfileSpan span : {entry.section, entry.key, entry.value}) {
            require(span.start + span.length <= profile.text.size(), "entries lie inside the text");
            require(spanText(profile, span).find_first_of("\r\n") == std::string::npos,
                    "no entry holds a line end");
        }
        const std::string section = spanText(profile, entry.section);
        const std::string key = spanText(profile, entry.key);
        if (section.find('\0') != std::string::npos || key.find('\0') != std::string::npos) continue;
        char found[kTextSize];
        profileString(profile, section.c_str(), key.c_str(), "", found);
        size_t first = 0;
        while (!sameIgnoringCase(spanText(profile, profile.entries[first].section), section) ||
               !sameIgnoringCase(spanText(profile, profile.entries[first].key), key))
            ++first;
        const std::string value = spanText(profile, profile.entries[first].value);
        require(std::strncmp(found, value.c_str(), kTextSize - 1) == 0,
                "a lookup gives the first entry of its names, cut to 259 characters");
        long long number = 0;
        const int32_t read = profileInt(profile, section.c_str(), key.c_str(), 555);
        if (decimalValue(value, number)) require(read == number, "a decimal reads as its number");
        else require(read == 555, "anything else reads as the default");
    }
    return 0;
}
