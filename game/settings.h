// The settings file, Kelvarin.ini: view settings, the last puzzle, the sound
// settings and the window rectangle. Read once at start, written at exit.
#pragma once

#include <cstdint>
#include <string>

struct AppState;
struct Profile;

// A rectangle in screen pixels, right and bottom exclusive.
struct Rect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// ".\" + programName + ".ini": the current folder, never the system folder.
std::string settingsPath(const AppState& app);

// Fills the view settings, lastGame and sounds, and the saved window
// rectangle; every missing or unreadable value takes its default, and so
// does an empty GAME. A file that names no tile set gives Large print when
// `highContrast` is set, Classic otherwise.
void readSettings(AppState& app, const char* path, Rect& window);
void readSettingsFrom(AppState& app, const Profile& profile, Rect& window);

// The whole file: a leading empty line, sections VIEW, LAST, GAME, SOUND,
// WINDOW, CR LF after every line.
std::string composeSettings(const AppState& app, const Rect& window);

// Writes the file whole; a failure leaves the old file as it was and is not
// reported.
bool writeSettings(const AppState& app, const char* path, const Rect& window);

// Rectangle arithmetic as the Windows functions of the same names do it.
bool rectIsEmpty(const Rect& r);
Rect intersectRect(const Rect& a, const Rect& b);
Rect subtractRect(const Rect& from, const Rect& cut);

// Where the main window opens: the saved rectangle when it is not empty and
// lies wholly on the screen, else the desktop less the taskbar (which only
// counts when it spans a whole side). `taskbar` is null when there is none.
Rect chooseWindowRect(const Rect& saved, const Rect& screen, const Rect& desktop,
                      const Rect* taskbar);

// The main window's normal position as the platform takes it. `placed`, in
// screen coordinates as the settings file holds them, grows to at least
// minWidth x minHeight (to the right and down, moved back when that takes it
// past the screen's right or bottom edge), and is then made relative to the
// work area's top-left corner, in which a normal position is given.
Rect normalPosition(const Rect& placed, const Rect& screen, const Rect& workArea,
                    int32_t minWidth, int32_t minHeight);
