// Texts as the program keeps them: fixed buffers of 260 bytes, at most 259
// characters and a terminator.
#pragma once

#include <string>

constexpr int kTextSize = 260;

// Copies text into a buffer when it fits (259 characters at most); otherwise
// leaves the buffer as it was and returns false.
bool setText(char (&dest)[kTextSize], const std::string& text);
