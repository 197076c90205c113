// The services the game asks of the platform. The Win32 layer implements
// them for the real program; the unit tests link a recording fake instead.
#pragma once

#include <cstdint>

struct AppState;

// A platform window that owns a message box; kMainWindow means the main window.
using Owner = void*;
constexpr Owner kMainWindow = nullptr;

enum class MessageIcon { None, Information, Error };

// Called by the rules of play: starts the event's wave file, asynchronously;
// silent when the event is disabled or the file is missing.
void playEventSound(AppState& app, int event);

// Called whenever the picture changes: invalidates the whole client area
// without erasing it.
void requestRepaint(AppState& app);

// Called after every change of mode, play state or saveability: applies the
// eleven enabled/grayed states of the menu, and the check mark of Pause.
void refreshMenu(AppState& app);

// Called by the rules and the file operations: a modal message box with the
// program name as caption.
void showMessage(AppState& app, Owner owner, const char* text, MessageIcon icon);

// Called before overwriting or restarting: Yes/No question, No by default.
bool askYesNo(AppState& app, Owner owner, const char* text);

// Called by the play clock: milliseconds on a clock that never goes back
// (nor jumps with the date or time of day).
int64_t monotonicMilliseconds();

// Called by layoutBoard: the main window's client area in pixels.
void clientSize(AppState& app, int& width, int& height);

// Called whenever the scale changes: rebuilds the scaled tile sheet.
void rescaleSheet(AppState& app);
