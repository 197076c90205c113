// Pictures scaled by area: every pixel of the result is the mean of the part
// of the source it covers, so that thin strokes and small text stay smooth
// when a picture drawn large is shown smaller.
#pragma once

#include <cstdint>
#include <vector>

// A picture of 32-bit pixels, blue in the lowest byte as a Windows bitmap
// holds them, row by row from the top.
struct Pixels {
    int width;
    int height;
    std::vector<uint32_t> data;
};

// `to` pixels of the result for every `from` pixels of the source.
struct Ratio {
    int to;
    int from;
};

// A length of pixels scaled by `ratio`, truncated.
int scaledLength(int length, Ratio ratio);

// `source` scaled by `across` horizontally and by `down` vertically; the
// result measures the source's size times each ratio, truncated. Each of the
// four channels is averaged on its own, rounded to the nearest.
void scaleByArea(const Pixels& source, Ratio across, Ratio down, Pixels& result);

// The same into pixels the caller holds, row by row from the top, as many as
// the scaled lengths make (a bitmap's own memory, with no copy between).
void scaleByArea(const Pixels& source, Ratio across, Ratio down, uint32_t* result);
