#include "files/text.h"

#include <cstring>

bool setText(char (&dest)[kTextSize], const std::string& text) {
    if (text.size() >= sizeof dest) return false;
    std::memset(dest, 0, sizeof dest);
    std::memcpy(dest, text.data(), text.size());
    return true;
}
