#include "rules/tile_set.h"

#include <iterator>

void storeTileSet(TileSet& tiles) {
    static const int32_t numbers[TypeCount] = {9, 9, 9, 4, 3, 4, 4, 0, 0};
    static const int32_t copies[TypeCount] = {4, 4, 4, 4, 4, 1, 1, 0, 0};
    for (int t = 0; t < TypeCount; ++t) {
        tiles.numbersPerType[t] = numbers[t];
        tiles.copiesPerType[t] = copies[t];
    }
}

std::string faceName(int type, int number) {
    static const char* const suits[] = {"Circles", "Bamboo", "Characters"};
    // By number within the group, from 1; the dragons by the colour their
    // picture stands for.
    static const char* const names[][4] = {
        {"North wind", "South wind", "East wind", "West wind"},
        {"Green dragon", "Red dragon", "White dragon", nullptr},
        {"Winter", "Spring", "Summer", "Autumn"},
        {"Bamboo flower", "Orchid", "Plum", "Chrysanthemum"},
    };
    if (type >= TypeCircles && type <= TypeCharacters && number >= 1 && number <= 9)
        return std::string(suits[type]) + " " + std::to_string(number);
    const int group = type - TypeWinds;
    if (group < 0 || group >= static_cast<int>(std::size(names)) || number < 1 || number > 4) return "";
    const char* name = names[group][number - 1];
    return name != nullptr ? name : "";
}
