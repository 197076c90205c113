// Deal numbers as the player sees and types them: every dealt game has one
// (the state of the generator it was drawn from), and the same number on the
// same puzzle deals the same tiles again.
#pragma once

#include <cstdint>
#include <string>

struct AppState;

// What a typed number that does not read gets for an answer.
constexpr const char* kDealNumberRefused = "Type a deal number from 0 to 4294967295.";

// Reads a whole number from 0 to 4294967295, blanks around it allowed; false
// for anything else (empty, a sign, a letter, a fraction, too large).
bool readDealNumber(const char* text, uint32_t& number);

// "Deal 1234567890" for a dealt game; empty in the editor and for a loaded
// game, whose deal is not known.
std::string dealNumberText(const AppState& app);
