// The puzzle file: one [FIELD] section of 150 rows of 50 digits, "1" where a
// position holds a tile. Saved games open with the same section.
#pragma once

#include <string>

#include "rules/board.h"

struct FilePath;
struct Profile;

// Every puzzle file is exactly this long, whatever its layout.
constexpr size_t kFieldTextSize = 9561;

// Appends CR LF, "[FIELD]", CR LF and the 150 row lines; a position holds a
// tile when its number is not 0.
void writeField(std::string& text, const Board& grid);

// Reads the [FIELD] section of the file named by `path` into a cleared
// grid: type 7, number 1 where a row holds "1". Accepts any arrangement of
// exactly 144 marks whose tiles lie wholly on the grid (none anchored in
// column 49 or row 29); otherwise fails with a message and shows nothing.
bool readField(FilePath& path, std::string& message, Layout& grid);

// The same for a file already read: "Invalid format!" is its only message.
bool readFieldFrom(const Profile& profile, std::string& message, Layout& grid);

// Shifts the layout so that its lowest layer, top row and left column used
// are layer, row and column 0.
void normalizeLayout(Board& board);
