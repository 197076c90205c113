// How the board is shown: scale, background and ink.
#pragma once

#include <cstdint>

#include "files/text.h"
#include "view/tile_art.h"

struct ViewSettings {
    int32_t autoScale;            // 1 = the largest scale at which the board fits
    double scale;                 // percent: 50, 62.5, 75, 87.5 or 100
    uint32_t colorBack;           // 0x00BBGGRR
    uint32_t colorInk;            // 0x00BBGGRR: editor grid and counter, selection tint
    int32_t backType;             // 0 = solid colour, 1 = pattern image
    char backImage[kTextSize];    // pattern file inside the Background folder
    int32_t tileArt;              // TileArt: the set the faces are drawn from
};

constexpr uint32_t kDefaultColorBack = 0xFFFFFF;
constexpr uint32_t kDefaultColorInk = 0xFF0080;

void setViewDefaults(ViewSettings& view);
