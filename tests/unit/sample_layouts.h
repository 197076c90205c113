// Layouts for the file and new-game tests, and a way to put one on disk.
#pragma once

#include <memory>
#include <string>

#include "files/puzzle_file.h"
#include "rules/board.h"

// Six rows of 24 tiles side by side on layer 0: plenty of moves.
inline std::unique_ptr<Layout> flatLayout() {
    auto layout = std::make_unique<Layout>();
    for (int i = 0; i < kTileCount; ++i) cellAt(*layout, 0, 2 * (i / 24), 2 * (i % 24)) = Cell{TypeBlank, 1};
    return layout;
}

// 144 tiles on layer 0 with room between them: every tile is free, so any
// order of play wins every deal.
inline std::unique_ptr<Layout> apartLayout() {
    auto layout = std::make_unique<Layout>();
    for (int i = 0; i < kTileCount; ++i) cellAt(*layout, 0, 2 * (i / 16), 3 * (i % 16)) = Cell{TypeBlank, 1};
    return layout;
}

// Every deal is blocked: tiles packed so densely under a single capstone
// that the capstone is the only free tile. (Puzzle files are not held to the
// editor's rules, so footprints may overlap here.)
inline std::unique_ptr<Layout> blockedLayout() {
    auto layout = std::make_unique<Layout>();
    int placed = 0;
    for (int z = kLayers - 1; z >= 0; --z) {
        const int reach = kLayers - 1 - z;
        for (int y = 10 - reach; y <= 10 + reach; ++y)
            for (int x = 10 - reach; x <= 10 + reach && placed < kTileCount; ++x, ++placed)
                cellAt(*layout, z, y, x) = Cell{TypeBlank, 1};
    }
    return layout;
}

inline std::string fieldText(const Board& grid) {
    std::string text;
    writeField(text, grid);
    return text;
}
