// The one path record through which puzzles and saved games are addressed,
// and the checks of a typed name.
#pragma once

#include <string>

#include "files/text.h"

struct FilePath {
    char folder[kTextSize];        // "Puzzle", "Save" or empty
    char name[kTextSize];          // as typed, or a listed name with its extension
    char extension[kTextSize];     // without the dot; empty adds none
    char fullPath[kTextSize];      // composed, in the Windows form ".\Save\game1.kvg"
    char illegalChars[kTextSize];  // characters a typed name must not hold
};

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

// Drops the blanks (spaces and tabs) before and after the name. The settings
// file reads a value back without them, so a puzzle saved with them would not
// be found again under the name it keeps.
void trimName(FilePath& path);

// True when the name is empty or spaces only.
bool nameIsBlank(const FilePath& path);

// False when the name holds any of the illegal characters.
bool nameIsLegal(const FilePath& path);
