#include "files/text.h"

#include <cstring>

bool setText(char (&dest)[kTextSize], const std::string& text) {
    if (text.size() >= sizeof dest) return false;
    std::memset(dest, 0, sizeof dest);
    std::memcpy(dest, text.data(), text.size());
    return true;
}

int compareNames(const char* a, size_t aLength, const char* b, size_t bLength) {
    const auto lower = [](char c) {
        return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    };
    const size_t common = aLength < bLength ? aLength : bLength;
    for (size_t i = 0; i < common; ++i) {
        const unsigned char x = lower(a[i]);
        const unsigned char y = lower(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return aLength < bLength ? -1 : aLength > bLength ? 1 : 0;
}
