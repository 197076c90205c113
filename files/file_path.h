// The one path record through which puzzles and saved games are addressed,
// and the file operations built on it.
#pragma once

#include <string>

#include "engine/host.h"        // Owner
#include "sound/sound_event.h"  // kTextSize

struct AppState;

struct FilePath {
    char folder[kTextSize];        // "Puzzle", "Save" or empty
    char name[kTextSize];          // as typed, or a listed name with its extension
    char extension[kTextSize];     // without the dot; empty adds none
    char fullPath[kTextSize];      // composed, in the Windows form ".\Save\game1.kvg"
    char illegalChars[kTextSize];  // characters a typed name must not hold
};

// Copies text into a 260-character buffer when it fits (259 characters at
// most); otherwise leaves the buffer as it was and returns false.
bool setText(char (&dest)[kTextSize], const std::string& text);

// The nine characters a typed file name must not hold; set once at start.
void setIllegalChars(FilePath& path);

// ".\" + folder + "\" + name + "." + extension, each part only when present,
// whatever its length.
std::string composePath(const FilePath& path);

// Composes fullPath. A path longer than 259 characters is refused: fullPath
// is left empty and the result is false (Windows cannot open it anyway).
bool buildPath(FilePath& path);

// The composed Windows-form path with the host's separators, for opening.
std::string hostPath(const char* windowsPath);

// buildPath, then whether the folder holds a file (not a folder) of that name.
bool fileExists(FilePath& path);

// Creates the folder, asks "File exist. Overwrite?" before replacing a file,
// and writes `text` as the whole content through a temporary file, so that a
// failure leaves any old file as it was. Shows its own failures.
bool writeTextFile(AppState& app, const std::string& text, Owner owner);

// Drops the blanks (spaces and tabs) before and after the name. The settings
// file reads a value back without them, so a puzzle saved with them would not
// be found again under the name it keeps.
void trimName(FilePath& path);

// True when the name is empty or spaces only.
bool nameIsBlank(const FilePath& path);

// False when the name holds any of the illegal characters.
bool nameIsLegal(const FilePath& path);

// Deletes the file; "Error delete file" when that fails.
bool deleteSavedFile(AppState& app, Owner owner);
