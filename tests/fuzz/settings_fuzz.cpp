// The settings reader on any text: every value it gives is usable (a scale
// of the five steps, a puzzle name, terminated texts), and the numbers the
// program writes from them read back the same.
#include <cstring>
#include <memory>

#include "fake_host.h"
#include "files/profile.h"
#include "fuzz_check.h"
#include "game/settings.h"

namespace {

bool terminated(const char (&text)[kTextSize]) { return std::memchr(text, '\0', kTextSize) != nullptr; }

// Every setting but the texts, which the reader trims of blanks and quotes.
bool sameNumbers(const AppState& a, const Rect& windowA, const AppState& b, const Rect& windowB) {
    for (int event = 0; event < SoundEventCount; ++event)
        if (a.sounds[event].enable != b.sounds[event].enable) return false;
    return a.view.autoScale == b.view.autoScale && a.view.scale == b.view.scale &&
           a.view.backType == b.view.backType && a.view.colorBack == b.view.colorBack &&
           a.view.colorInk == b.view.colorInk && std::memcmp(&windowA, &windowB, sizeof(Rect)) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto app = newTestState();
    static const auto back = newTestState();
    Profile profile;
    parseProfile(profile, inputText(data, size));
    Rect window{};
    readSettingsFrom(*app, profile, window);

    const double scale = app->view.scale;
    require(scale == 50 || scale == 62.5 || scale == 75 || scale == 87.5 || scale == 100,
            "the scale is one of the five steps");
    require(terminated(app->lastGame) && app->lastGame[0] != '\0', "a puzzle to start on");
    require(terminated(app->view.backImage), "a terminated image name");
    for (int event = 0; event < SoundEventCount; ++event) {
        require(std::strcmp(app->sounds[event].name, soundEventName(event)) == 0, "the event names");
        require(terminated(app->sounds[event].file), "terminated wave paths");
    }

    const std::string written = composeSettings(*app, window);
    parseProfile(profile, written);
    Rect windowBack{};
    readSettingsFrom(*back, profile, windowBack);
    require(sameNumbers(*app, window, *back, windowBack), "the written numbers read back the same");
    return 0;
}
