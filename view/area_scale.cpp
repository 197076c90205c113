#include "view/area_scale.h"

#include <algorithm>
#include <cstring>

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
    std::vector<uint32_t> weights;
};

AxisCovers coversOf(int sourceLength, Ratio ratio) {
    AxisCovers axis;
    const int length = scaledLength(sourceLength, ratio);
    axis.covers.reserve(length);
    for (int i = 0; i < length; ++i) {
        const int64_t begin = static_cast<int64_t>(i) * ratio.from;
        const int64_t end = begin + ratio.from;
        Cover cover{static_cast<int>(begin / ratio.to), 0, static_cast<int>(axis.weights.size())};
        for (int64_t j = cover.first; j < sourceLength && j * ratio.to < end; ++j) {
            const int64_t overlap = std::min(end, (j + 1) * ratio.to) - std::max(begin, j * ratio.to);
            axis.weights.push_back(static_cast<uint32_t>(overlap));
            ++cover.count;
        }
        axis.covers.push_back(cover);
    }
    return axis;
}

// Division by the sum of one pixel's shares, rounded to the nearest, as a
// multiplication: exact for every sum of 255 times the shares.
struct Divider {
    uint64_t reciprocal;
    uint32_t half;
};

Divider dividerOf(Ratio ratio) {
    const uint64_t total = static_cast<uint64_t>(ratio.from);
    return Divider{((uint64_t{1} << 32) + total - 1) / total, static_cast<uint32_t>(total / 2)};
}

uint8_t divide(uint32_t sum, const Divider& by) { return static_cast<uint8_t>(((sum + by.half) * by.reciprocal) >> 32); }

}  // namespace

int scaledLength(int length, Ratio ratio) {
    return static_cast<int>(static_cast<int64_t>(length) * ratio.to / ratio.from);
}

void scaleByArea(const Pixels& source, Ratio across, Ratio down, Pixels& result) {
    result.width = scaledLength(source.width, across);
    result.height = scaledLength(source.height, down);
    result.data.assign(static_cast<size_t>(result.width) * result.height, 0);
    scaleByArea(source, across, down, result.data.data());
}

void scaleByArea(const Pixels& source, Ratio across, Ratio down, uint32_t* result) {
    if (across.to == across.from && down.to == down.from) {
        std::memcpy(result, source.data.data(), source.data.size() * sizeof(uint32_t));
        return;
    }
    const AxisCovers columns = coversOf(source.width, across);
    const AxisCovers rows = coversOf(source.height, down);
    const Divider acrossDivider = dividerOf(across), downDivider = dividerOf(down);
    const int width = static_cast<int>(columns.covers.size());
    const int height = static_cast<int>(rows.covers.size());

    // Across first, every source row, channel by channel (four bytes a pixel).
    std::vector<uint8_t> narrowed(static_cast<size_t>(width) * source.height * 4);
    for (int y = 0; y < source.height; ++y) {
        const uint8_t* in = reinterpret_cast<const uint8_t*>(&source.data[static_cast<size_t>(y) * source.width]);
        uint8_t* out = &narrowed[static_cast<size_t>(y) * width * 4];
        for (int x = 0; x < width; ++x) {
            const Cover& cover = columns.covers[x];
            uint32_t sums[4] = {0, 0, 0, 0};
            for (int k = 0; k < cover.count; ++k) {
                const uint8_t* pixel = in + (cover.first + k) * 4;
                const uint32_t weight = columns.weights[cover.weightsAt + k];
                for (int c = 0; c < 4; ++c) sums[c] += pixel[c] * weight;
            }
            for (int c = 0; c < 4; ++c) out[x * 4 + c] = divide(sums[c], acrossDivider);
        }
    }

    // Then down, every result row, all its bytes at once.
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    std::vector<uint32_t> sums(rowBytes);
    for (int y = 0; y < height; ++y) {
        const Cover& cover = rows.covers[y];
        std::fill(sums.begin(), sums.end(), 0);
        for (int k = 0; k < cover.count; ++k) {
            const uint8_t* in = &narrowed[static_cast<size_t>(cover.first + k) * rowBytes];
            const uint32_t weight = rows.weights[cover.weightsAt + k];
            for (size_t i = 0; i < rowBytes; ++i) sums[i] += in[i] * weight;
        }
        uint8_t* out = reinterpret_cast<uint8_t*>(result + static_cast<size_t>(y) * width);
        for (size_t i = 0; i < rowBytes; ++i) out[i] = divide(sums[i], downDivider);
    }
}
