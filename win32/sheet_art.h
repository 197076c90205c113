// The pixels of the program's pictures from its resources. A tile set, like
// the About picture, is drawn twice: for screens of 96 DPI as a bitmap, and
// at twice the size, as a PNG, for denser screens; the larger one is decoded
// only where it is shown.
#pragma once

#include <windows.h>

#include <cstdint>

#include "view/area_scale.h"

// The resources of one tile set's art.
struct SheetArt {
    int bitmap;    // bitmap resource, faces of 96 x 120; 0 = the set has smallPng instead
    int smallPng;  // raw data resource holding a PNG, faces of 96 x 120
    int largePng;  // raw data resource holding a PNG, faces of 192 x 240
};

// The art of a TileArt; Classic's for any other number.
SheetArt sheetArt(int32_t art);

// How much larger the large art is drawn.
constexpr int kLargeArtDensity = 2;

// The pixels of a bitmap resource, or false when it cannot be read.
bool bitmapPixels(HINSTANCE instance, int id, Pixels& pixels);

// A 32-bit bitmap of width x height whose pixels lie in the program's own
// memory (a DIB section), top row first at `bits` when asked for; the caller
// deletes it. Its memory goes back to the system as soon as it is deleted,
// where Wine keeps the memory of a deleted bitmap of the display's kind.
HBITMAP sectionBitmap(int width, int height, uint32_t** bits = nullptr);

// A 32-bit bitmap holding `pixels`; the caller deletes it.
HBITMAP pictureBitmap(const Pixels& pixels);

// The pixels of a PNG in a raw data resource, decoded by the Windows Imaging
// Component; false when it cannot be decoded.
bool pngPixels(HINSTANCE instance, int id, Pixels& pixels);
