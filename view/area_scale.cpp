#include "view/area_scale.h"

#include <algorithm>

namespace {

// How one pixel of the result covers the source along one axis: `count`
// source pixels from `first`, each with its share of the overlap. Lengths
// are counted in units of 1 / ratio.to of a source pixel, so that every
// overlap is a whole number and the shares of one pixel add up to ratio.from.
struct Cover {
    int first;
    int count;
    int weightsAt;  // where the shares start in AxisCovers::weights
};

struct AxisCovers {
    std::vector<Cover> covers;
    std::vector<int> weights;
    int total;  // the sum of one pixel's shares
};

AxisCovers coversOf(int sourceLength, Ratio ratio) {
    AxisCovers axis{{}, {}, ratio.from};
    const int length = static_cast<int>(static_cast<int64_t>(sourceLength) * ratio.to / ratio.from);
    axis.covers.reserve(length);
    for (int i = 0; i < length; ++i) {
        const int64_t begin = static_cast<int64_t>(i) * ratio.from;
        const int64_t end = begin + ratio.from;
        Cover cover{static_cast<int>(begin / ratio.to), 0, static_cast<int>(axis.weights.size())};
        for (int64_t j = cover.first; j < sourceLength && j * ratio.to < end; ++j) {
            const int64_t overlap = std::min(end, (j + 1) * ratio.to) - std::max(begin, j * ratio.to);
            axis.weights.push_back(static_cast<int>(overlap));
            ++cover.count;
        }
        axis.covers.push_back(cover);
    }
    return axis;
}

uint32_t channel(uint32_t pixel, int c) { return (pixel >> (8 * c)) & 0xFF; }

// The four channels of `sums`, each divided by `total` with rounding.
uint32_t meanPixel(const uint64_t (&sums)[4], int total) {
    uint32_t pixel = 0;
    for (int c = 0; c < 4; ++c) pixel |= static_cast<uint32_t>((sums[c] + total / 2) / total) << (8 * c);
    return pixel;
}

}  // namespace

void scaleByArea(const Pixels& source, Ratio across, Ratio down, Pixels& result) {
    const AxisCovers columns = coversOf(source.width, across);
    const AxisCovers rows = coversOf(source.height, down);
    const int width = static_cast<int>(columns.covers.size());
    const int height = static_cast<int>(rows.covers.size());

    // Across first, every source row; then down, every result row.
    std::vector<uint32_t> narrowed(static_cast<size_t>(width) * source.height);
    for (int y = 0; y < source.height; ++y) {
        const uint32_t* in = &source.data[static_cast<size_t>(y) * source.width];
        uint32_t* out = &narrowed[static_cast<size_t>(y) * width];
        for (int x = 0; x < width; ++x) {
            const Cover& cover = columns.covers[x];
            uint64_t sums[4] = {0, 0, 0, 0};
            for (int k = 0; k < cover.count; ++k) {
                const uint32_t pixel = in[cover.first + k];
                const int weight = columns.weights[cover.weightsAt + k];
                for (int c = 0; c < 4; ++c) sums[c] += channel(pixel, c) * weight;
            }
            out[x] = meanPixel(sums, columns.total);
        }
    }

    result.width = width;
    result.height = height;
    result.data.assign(static_cast<size_t>(width) * height, 0);
    std::vector<uint64_t> sums(static_cast<size_t>(width) * 4);
    for (int y = 0; y < height; ++y) {
        const Cover& cover = rows.covers[y];
        sums.assign(sums.size(), 0);
        for (int k = 0; k < cover.count; ++k) {
            const uint32_t* in = &narrowed[static_cast<size_t>(cover.first + k) * width];
            const int weight = rows.weights[cover.weightsAt + k];
            for (int x = 0; x < width; ++x)
                for (int c = 0; c < 4; ++c) sums[x * 4 + c] += channel(in[x], c) * weight;
        }
        uint32_t* out = &result.data[static_cast<size_t>(y) * width];
        for (int x = 0; x < width; ++x) {
            const uint64_t pixelSums[4] = {sums[x * 4], sums[x * 4 + 1], sums[x * 4 + 2], sums[x * 4 + 3]};
            out[x] = meanPixel(pixelSums, rows.total);
        }
    }
}
