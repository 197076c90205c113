// Small readers for the asset tests: 24-bit BMP pictures, PCM wave files and
// the directory of an .ico file. They read exactly what the tests need and
// fail (return false) on anything else.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace assets {

inline std::string sourcePath(const std::string& relative) {
    return std::string(KELVARIN_SOURCE_DIR) + "/" + relative;
}

inline bool readBytes(const std::string& path, std::vector<uint8_t>& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

inline uint32_t le16(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8);
}

inline uint32_t le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}

struct Rgb {
    int r, g, b;
};

inline bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

// A picture with rows stored top to bottom.
struct Picture {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<Rgb> pixels;
    Rgb at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

// Reads an uncompressed 24-bit BMP, bottom-up or top-down.
inline bool readBmp(const std::string& path, Picture& out) {
    std::vector<uint8_t> b;
    if (!readBytes(path, b) || b.size() < 54 || b[0] != 'B' || b[1] != 'M')
        return false;
    const uint32_t offset = le32(b, 10);
    const int32_t width = int32_t(le32(b, 18));
    const int32_t rawHeight = int32_t(le32(b, 22));
    out.bitsPerPixel = int(le16(b, 28));
    const uint32_t compression = le32(b, 30);
    if (out.bitsPerPixel != 24 || compression != 0 || width <= 0 || rawHeight == 0)
        return false;
    const bool bottomUp = rawHeight > 0;
    const int32_t height = bottomUp ? rawHeight : -rawHeight;
    const size_t stride = (size_t(width) * 3 + 3) & ~size_t(3);
    if (offset + stride * size_t(height) > b.size())
        return false;
    out.width = width;
    out.height = height;
    out.pixels.resize(size_t(width) * height);
    for (int y = 0; y < height; ++y) {
        const size_t row = offset + stride * size_t(bottomUp ? height - 1 - y : y);
        for (int x = 0; x < width; ++x) {
            const size_t p = row + size_t(x) * 3;
            out.pixels[size_t(y) * width + x] = Rgb{b[p + 2], b[p + 1], b[p]};
        }
    }
    return true;
}

struct Wave {
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<int16_t> samples;  // interleaved
    double seconds() const {
        return channels && sampleRate ? double(samples.size()) / channels / sampleRate : 0.0;
    }
};

// Reads a RIFF WAVE file with a 16-bit PCM data chunk; other chunks are skipped.
inline bool readWave(const std::string& path, Wave& out) {
    std::vector<uint8_t> b;
    if (!readBytes(path, b) || b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
        return false;
    bool haveFormat = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        const std::string id(b.begin() + at, b.begin() + at + 4);
        const size_t size = le32(b, at + 4);
        const size_t body = at + 8;
        if (body + size > b.size())
            return false;
        if (id == "fmt " && size >= 16) {
            out.format = int(le16(b, body));
            out.channels = int(le16(b, body + 2));
            out.sampleRate = int(le32(b, body + 4));
            out.bitsPerSample = int(le16(b, body + 14));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || out.bitsPerSample != 16)
                return false;
            out.samples.resize(size / 2);
            for (size_t i = 0; i < out.samples.size(); ++i)
                out.samples[i] = int16_t(le16(b, body + 2 * i));
            return true;
        }
        at = body + size + (size & 1);
    }
    return false;
}

struct IconImage {
    int width;
    int height;
    int bitsPerPixel;
};

// Lists the images of an .ico file, checking that each lies inside the file
// and starts with a bitmap header of its stated size (or a PNG signature).
inline bool readIconDirectory(const std::string& path, std::vector<IconImage>& out) {
    std::vector<uint8_t> b;
    if (!readBytes(path, b) || b.size() < 6 || le16(b, 0) != 0 || le16(b, 2) != 1)
        return false;
    const size_t count = le16(b, 4);
    if (6 + 16 * count > b.size())
        return false;
    out.clear();
    for (size_t i = 0; i < count; ++i) {
        const size_t e = 6 + 16 * i;
        const int width = b[e] ? b[e] : 256;
        const int height = b[e + 1] ? b[e + 1] : 256;
        const size_t size = le32(b, e + 8);
        const size_t offset = le32(b, e + 12);
        if (offset + size > b.size() || size < 40)
            return false;
        const bool png = b[offset] == 0x89 && b[offset + 1] == 'P';
        if (!png && (le32(b, offset) != 40 || int(le32(b, offset + 4)) != width ||
                     int(le32(b, offset + 8)) != 2 * height))
            return false;
        out.push_back(IconImage{width, height, int(le16(b, e + 6))});
    }
    return true;
}

}  // namespace assets
