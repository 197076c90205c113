#include "game/deal_number.h"

#include "files/text.h"
#include "game/app_state.h"

bool readDealNumber(const char* text, uint32_t& number) {
    while (isBlank(*text)) ++text;
    uint64_t value = 0;
    int digits = 0;
    for (; *text >= '0' && *text <= '9'; ++text, ++digits) {
        value = value * 10 + static_cast<uint64_t>(*text - '0');
        if (value > UINT32_MAX) return false;  // stops before the value can wrap
    }
    while (isBlank(*text)) ++text;
    if (digits == 0 || *text != '\0') return false;
    number = static_cast<uint32_t>(value);
    return true;
}

std::string dealNumberText(const AppState& app) {
    if (app.editorMode != 0 || app.dealNumbered == 0) return "";
    return "Deal " + std::to_string(app.dealNumber);
}
