// Texts as the program keeps them: fixed buffers of 260 bytes, at most 259
// characters and a terminator.
#pragma once

#include <cstddef>
#include <string>

constexpr int kTextSize = 260;

// A space or a tab: the blanks that readers drop around names, values and numbers.
inline bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Copies text into a buffer when it fits (259 characters at most); otherwise
// leaves the buffer as it was and returns false.
bool setText(char (&dest)[kTextSize], const std::string& text);

// Orders two names without regard to letter case (ASCII), as the profile
// reader matches sections and keys and as Windows matches file names:
// negative, 0 or positive.
int compareNames(const char* a, size_t aLength, const char* b, size_t bLength);
