#include "game/settings.h"

#include <algorithm>
#include <cstdio>

#include "files/file_path.h"
#include "files/profile.h"
#include "files/whole_file.h"
#include "game/app_state.h"

namespace {

int32_t scaleIndex(double scale) { return static_cast<int32_t>((scale - 50) / 12.5); }

void appendKey(std::string& text, const std::string& key, const std::string& value) {
    text += key + " = " + value + "\r\n";
}

void appendKey(std::string& text, const std::string& key, int32_t value) {
    appendKey(text, key, std::to_string(value));
}

// Moves the span [low, high) back by what reaches past `limitHigh`, but not
// past `limitLow`.
void moveBack(int32_t& low, int32_t& high, int32_t limitLow, int32_t limitHigh) {
    const int32_t over = std::min(high - limitHigh, low - limitLow);
    if (over <= 0) return;
    low -= over;
    high -= over;
}

bool sameRect(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

std::string settingsPath(const AppState& app) {
    return std::string(".\\") + app.programName + ".ini";
}

void readSettings(AppState& app, const char* path, Rect& window) {
    Profile profile;
    loadProfile(profile, path);
    readSettingsFrom(app, profile, window);
}

void readSettingsFrom(AppState& app, const Profile& profile, Rect& window) {
    ViewSettings defaults;
    setViewDefaults(defaults);
    ViewSettings& view = app.view;
    view.autoScale = profileInt(profile, "VIEW", "AUTO_SCALE", defaults.autoScale);
    profileString(profile, "VIEW", "BACK_IMAGE", defaults.backImage, view.backImage);
    view.backType = profileInt(profile, "VIEW", "BACK_TYPE", defaults.backType);
    view.colorBack = static_cast<uint32_t>(
        profileInt(profile, "VIEW", "COLOR_BACK", static_cast<int32_t>(defaults.colorBack)));
    view.colorInk = static_cast<uint32_t>(
        profileInt(profile, "VIEW", "COLOR_INK", static_cast<int32_t>(defaults.colorInk)));
    const int32_t index = profileInt(profile, "VIEW", "SCALE", scaleIndex(defaults.scale));
    view.scale = index >= 0 && index <= 4 ? 50 + 12.5 * index : defaults.scale;
    // A file that names no set leaves the choice to the theme; a name of no
    // set is Classic.
    char tileSet[kTextSize];
    profileString(profile, "VIEW", "TILE_SET", "", tileSet);
    const int32_t named = tileArtNamed(tileSet);
    view.tileArt = tileSet[0] == '\0' ? (app.highContrast != 0 ? TileArtLargePrint : TileArtClassic)
                                      : named >= 0 ? named : TileArtClassic;

    // Emptied when the last puzzle could not be read: start on the default.
    profileString(profile, "LAST", "GAME", "", app.lastGame);
    if (app.lastGame[0] == '\0') setText(app.lastGame, "classic.kvl");
    app.winnableOnly = profileInt(profile, "GAME", "WINNABLE_ONLY", 0) != 0 ? 1 : 0;
    app.hintSafe = profileInt(profile, "GAME", "HINT_SAFE", 1) != 0 ? 1 : 0;

    for (int event = 0; event < SoundEventCount; ++event) {
        SoundEvent& sound = app.sounds[event];
        setText(sound.name, soundEventName(event));
        char fallback[kTextSize];
        defaultSoundPath(event, fallback);
        profileString(profile, "SOUND", (std::string(sound.name) + "_FILE").c_str(), fallback,
                      sound.file);
        sound.enable = profileInt(profile, "SOUND", (std::string(sound.name) + "_ENABLE").c_str(), 1);
    }

    window.left = profileInt(profile, "WINDOW", "LEFT", -1);
    window.right = profileInt(profile, "WINDOW", "RIGHT", 0);
    window.top = profileInt(profile, "WINDOW", "TOP", 0);
    window.bottom = profileInt(profile, "WINDOW", "BOTTOM", 0);
}

std::string composeSettings(const AppState& app, const Rect& window) {
    const ViewSettings& view = app.view;
    std::string text = "\r\n[VIEW]\r\n";
    appendKey(text, "AUTO_SCALE", view.autoScale);
    appendKey(text, "BACK_IMAGE", view.backImage);
    appendKey(text, "BACK_TYPE", view.backType);
    appendKey(text, "COLOR_BACK", static_cast<int32_t>(view.colorBack));
    appendKey(text, "COLOR_INK", static_cast<int32_t>(view.colorInk));
    appendKey(text, "SCALE", scaleIndex(view.scale));
    appendKey(text, "TILE_SET", tileArtName(view.tileArt));

    text += "\r\n[LAST]\r\n";
    appendKey(text, "GAME", app.lastGame);

    text += "\r\n[GAME]\r\n";
    appendKey(text, "WINNABLE_ONLY", app.winnableOnly);
    appendKey(text, "HINT_SAFE", app.hintSafe);

    text += "\r\n[SOUND]\r\n";
    for (const SoundEvent& sound : app.sounds) {
        appendKey(text, std::string(sound.name) + "_FILE", sound.file);
        appendKey(text, std::string(sound.name) + "_ENABLE", sound.enable);
    }

    text += "\r\n[WINDOW]\r\n";
    appendKey(text, "LEFT", window.left);
    appendKey(text, "RIGHT", window.right);
    appendKey(text, "TOP", window.top);
    appendKey(text, "BOTTOM", window.bottom);
    return text;
}

bool writeSettings(const AppState& app, const char* path, const Rect& window) {
    return writeWholeFile(hostPath(path), composeSettings(app, window)) == WriteResult::Written;
}

bool rectIsEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

Rect intersectRect(const Rect& a, const Rect& b) {
    const Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                 std::min(a.bottom, b.bottom)};
    if (rectIsEmpty(a) || rectIsEmpty(b) || rectIsEmpty(r)) return Rect{0, 0, 0, 0};
    return r;
}

Rect subtractRect(const Rect& from, const Rect& cut) {
    if (rectIsEmpty(from)) return Rect{0, 0, 0, 0};
    const Rect common = intersectRect(from, cut);
    if (rectIsEmpty(common)) return from;
    if (sameRect(common, from)) return Rect{0, 0, 0, 0};
    Rect rest = from;
    if (common.top == from.top && common.bottom == from.bottom) {
        if (common.left == from.left) rest.left = common.right;
        else if (common.right == from.right) rest.right = common.left;
    } else if (common.left == from.left && common.right == from.right) {
        if (common.top == from.top) rest.top = common.bottom;
        else if (common.bottom == from.bottom) rest.bottom = common.top;
    }
    return rest;
}

Rect chooseWindowRect(const Rect& saved, const Rect& screen, const Rect& desktop,
                      const Rect* taskbar) {
    // An empty rectangle also "lies on the screen", but would open no window.
    if (!rectIsEmpty(saved) && sameRect(intersectRect(saved, screen), saved)) return saved;
    const Rect workArea = taskbar ? subtractRect(desktop, *taskbar) : desktop;
    return rectIsEmpty(workArea) ? desktop : workArea;
}

Rect normalPosition(const Rect& placed, const Rect& screen, const Rect& workArea,
                    int32_t minWidth, int32_t minHeight) {
    Rect r = placed;
    r.right = std::max(r.right, r.left + minWidth);
    r.bottom = std::max(r.bottom, r.top + minHeight);
    moveBack(r.left, r.right, screen.left, screen.right);
    moveBack(r.top, r.bottom, screen.top, screen.bottom);
    return Rect{r.left - workArea.left, r.top - workArea.top, r.right - workArea.left,
                r.bottom - workArea.top};
}
