// The puzzles that ship in resources/Puzzle of the source tree, and the
// game's own reader of one, for the tests and benchmarks that go through
// them all.
#pragma once

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "files/file_path.h"
#include "files/puzzle_file.h"

// Their file names in order; only the one named `only`, when it is given.
inline std::vector<std::string> shippedPuzzles(const std::string& only = "") {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::path(KELVARIN_SOURCE_DIR) / "resources" / "Puzzle"))
        if (entry.path().extension() == ".kvl" && (only.empty() || entry.path().filename() == only))
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Reads "Puzzle\<name>" of the current folder through `path`, as New game does.
inline bool readPuzzle(FilePath& path, const std::string& name, Layout& layout, std::string& message) {
    std::strcpy(path.folder, "Puzzle");
    setText(path.name, name);
    path.extension[0] = '\0';
    return readField(path, message, layout);
}
