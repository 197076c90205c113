// Invariants of the files that ship beside the program and inside its
// resources: the tile sheet layout that the tile drawing copies from, the
// background patterns, the wave files, the icons, the About picture, the help
// sources and the home-page shortcut.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <utility>

#include "asset_files.h"

namespace {

using assets::Picture;
using assets::Rgb;
using assets::sourcePath;

constexpr int kFaceW = 96;
constexpr int kFaceH = 120;
const Rgb kWhite{255, 255, 255};
const Rgb kCard{0xEF, 0xEF, 0xEF};

// Sheet cells that hold a face: rows 0-3 in all nine columns, row 4 in 0-7.
std::vector<std::pair<int, int>> faceCells() {
    std::vector<std::pair<int, int>> cells;
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < (row == 4 ? 8 : 9); ++column)
            cells.emplace_back(column, row);
    return cells;
}

bool inFaceCell(int x, int y) {
    const int column = x / kFaceW;
    const int row = y / kFaceH;
    return row < 5 && column < 9 && !(row == 4 && column == 8);
}

bool inBodyBlock(int x, int y) {
    return (x >= 864 && x < 888 && y >= 360 && y < 504) ||
           (x >= 768 && x < 888 && y >= 480 && y < 504);
}

// Signed distance of a pixel centre from the edge of the tile body: positive
// inside. The right side runs from (864, 360) down to (888, 504) with its top
// slanting 45 degrees; the bottom side from (768, 480) to (888, 504) with its
// left end slanting.
double bodyDepth(int x, int y) {
    const double px = x + 0.5, py = y + 0.5, r2 = std::sqrt(2.0);
    const double right = std::min({px - 864, 888 - px, (py - 360 - (px - 864)) / r2,
                                   (480 + (px - 864) - py) / r2});
    const double bottom = std::min({py - 480, 504 - py, (px - 768 - (py - 480)) / r2,
                                    (864 + (py - 480) - px) / r2});
    return std::max(right, bottom);
}

bool isMidGrey(Rgb p) {
    return std::abs(p.r - p.g) <= 2 && std::abs(p.g - p.b) <= 2 && p.r >= 0x68 && p.r <= 0x9A;
}

class TileSheet : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        sheet_ = new Picture;
        loaded_ = assets::readBmp(sourcePath("resources/tiles.bmp"), *sheet_);
    }
    static void TearDownTestSuite() { delete sheet_; }
    void SetUp() override { ASSERT_TRUE(loaded_) << "resources/tiles.bmp is not a 24-bit BMP"; }
    static Picture* sheet_;
    static bool loaded_;
};

Picture* TileSheet::sheet_ = nullptr;
bool TileSheet::loaded_ = false;

TEST_F(TileSheet, IsA1024By768PictureOf24Bits) {
    EXPECT_EQ(sheet_->width, 1024);
    EXPECT_EQ(sheet_->height, 768);
    EXPECT_EQ(sheet_->bitsPerPixel, 24);
}

TEST_F(TileSheet, IsWhiteOutsideTheFacesAndTheBody) {
    int offenders = 0;
    for (int y = 0; y < sheet_->height; ++y)
        for (int x = 0; x < sheet_->width; ++x) {
            if (inFaceCell(x, y) || (inBodyBlock(x, y) && bodyDepth(x, y) > -1.5))
                continue;
            if (!(sheet_->at(x, y) == kWhite) && offenders++ < 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is not white";
        }
    EXPECT_EQ(offenders, 0);
}

TEST_F(TileSheet, BodyIsMidGreyInsideItsSlantedOutline) {
    int inside = 0;
    for (int y = 360; y < 504; ++y)
        for (int x = 768; x < 888; ++x) {
            if (!inBodyBlock(x, y) || bodyDepth(x, y) < 1.5)
                continue;
            ++inside;
            const Rgb p = sheet_->at(x, y);
            ASSERT_TRUE(isMidGrey(p)) << "(" << x << ", " << y << ") = " << p.r << "," << p.g
                                      << "," << p.b;
        }
    // Most of both 24-pixel-thick strips lies more than 1.5 pixels inside.
    EXPECT_GT(inside, 4000);
    // The corners cut off by the slants stay white.
    for (auto [x, y] : {std::pair{886, 362}, {870, 362}, {770, 502}, {780, 502}})
        EXPECT_EQ(sheet_->at(x, y), kWhite) << x << ", " << y;
}

TEST_F(TileSheet, EveryFaceIsACardWithABevelledRim) {
    for (auto [column, row] : faceCells()) {
        const int x = column * kFaceW, y = row * kFaceH;
        SCOPED_TRACE(testing::Message() << "face (" << column << ", " << row << ")");
        // The card colour just inside the rim, left and right, half way down.
        EXPECT_EQ(sheet_->at(x + 7, y + 60), kCard);
        EXPECT_EQ(sheet_->at(x + 88, y + 60), kCard);
        // Light on the top and left edges, dark on the right and bottom edges.
        EXPECT_GE(sheet_->at(x + 1, y + 60).r, 0xF0);
        EXPECT_GE(sheet_->at(x + 48, y + 1).r, 0xF0);
        EXPECT_LE(sheet_->at(x + 95, y + 60).r, 0x80);
        EXPECT_LE(sheet_->at(x + 48, y + 119).r, 0x80);
        // Rounded: the outermost corner pixel is left white.
        EXPECT_EQ(sheet_->at(x, y), kWhite);
        EXPECT_EQ(sheet_->at(x + 95, y + 119), kWhite);
        // Something is drawn at the centre (the blank face shows its card).
        EXPECT_FALSE(sheet_->at(x + 48, y + 60) == kWhite);
    }
}

TEST_F(TileSheet, EveryFaceDiffersClearlyFromEveryOther) {
    const auto cells = faceCells();
    for (size_t i = 0; i < cells.size(); ++i)
        for (size_t j = i + 1; j < cells.size(); ++j) {
            const int ax = cells[i].first * kFaceW, ay = cells[i].second * kFaceH;
            const int bx = cells[j].first * kFaceW, by = cells[j].second * kFaceH;
            int differing = 0;
            for (int dy = 0; dy < kFaceH; ++dy)
                for (int dx = 0; dx < kFaceW; ++dx) {
                    const Rgb a = sheet_->at(ax + dx, ay + dy), b = sheet_->at(bx + dx, by + dy);
                    if (std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)}) >
                        40)
                        ++differing;
                }
            EXPECT_GT(differing, 100) << "faces (" << cells[i].first << ", " << cells[i].second
                                      << ") and (" << cells[j].first << ", " << cells[j].second
                                      << ") look alike";
        }
}

// Mean absolute channel difference between column a and column b (or rows).
double lineDifference(const Picture& p, bool columns, int a, int b) {
    const int length = columns ? p.height : p.width;
    double sum = 0;
    for (int i = 0; i < length; ++i) {
        const Rgb u = columns ? p.at(a, i) : p.at(i, a);
        const Rgb v = columns ? p.at(b, i) : p.at(i, b);
        sum += std::abs(u.r - v.r) + std::abs(u.g - v.g) + std::abs(u.b - v.b);
    }
    return sum / (3.0 * length);
}

TEST(Backgrounds, PatternsAre24BitCalmAndTileWithoutSeams) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(sourcePath("resources/Background")))
        if (entry.path().extension() == ".bmp")
            names.insert(entry.path().filename().string());
    EXPECT_TRUE(names.count("marble.bmp")) << "the default pattern is missing";
    EXPECT_GE(names.size(), 4u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        Picture p;
        ASSERT_TRUE(assets::readBmp(sourcePath("resources/Background/" + name), p));
        ASSERT_GE(p.width, 16);
        ASSERT_GE(p.height, 16);
        // Repeated side by side, the last column meets the first: that step
        // must look like any step between neighbours inside the picture.
        for (bool columns : {true, false}) {
            const int n = columns ? p.width : p.height;
            double inner = 0;
            for (int i = 0; i + 1 < n; ++i)
                inner += lineDifference(p, columns, i, i + 1);
            inner /= n - 1;
            EXPECT_LE(lineDifference(p, columns, n - 1, 0), 2.0 * inner + 1.0)
                << (columns ? "left and right edges" : "top and bottom edges") << " do not meet";
        }
        // Calm enough for the tiles on top to stay readable.
        double sum = 0, squares = 0;
        for (const Rgb& q : p.pixels) {
            const double l = 0.299 * q.r + 0.587 * q.g + 0.114 * q.b;
            sum += l;
            squares += l * l;
        }
        const double mean = sum / p.pixels.size();
        EXPECT_LT(std::sqrt(squares / p.pixels.size() - mean * mean), 30.0);
        EXPECT_LT(mean, 0xEF - 40) << "too light: the light tiles would not stand out";
    }
}

TEST(Sounds, FiveDistinctShortPcmWaves) {
    struct Case {
        const char* name;
        double limit;
    };
    const Case cases[] = {{"error", 1.0},
                          {"level is completed", 2.0},
                          {"pair is completed", 1.0},
                          {"selection", 1.0},
                          {"unselection", 1.0}};
    std::vector<std::vector<int16_t>> seen;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        assets::Wave w;
        ASSERT_TRUE(assets::readWave(sourcePath(std::string("resources/Sound/") + c.name + ".wav"), w));
        EXPECT_EQ(w.format, 1);  // PCM
        EXPECT_EQ(w.bitsPerSample, 16);
        EXPECT_GE(w.channels, 1);
        EXPECT_LE(w.channels, 2);
        EXPECT_GE(w.sampleRate, 22050);
        EXPECT_GT(w.seconds(), 0.05);
        EXPECT_LT(w.seconds(), c.limit);
        int peak = 0;
        for (int16_t s : w.samples)
            peak = std::max(peak, std::abs(int(s)));
        EXPECT_GT(peak, 3000) << "nearly silent";
        EXPECT_LT(peak, 32767) << "clipped";
        for (const auto& other : seen)
            EXPECT_NE(other, w.samples);
        seen.push_back(w.samples);
    }
}

// Windows asks for 16 to 48 pixels at 100 to 200 % display scaling, and for
// 64 and 256 in Explorer's larger views.
TEST(Pictures, IconsHoldTheSizesOfEveryDisplayScale) {
    struct Icon { const char* name; std::set<int> sizes; };
    const Icon icons[] = {{"resources/kelvarin.ico", {16, 20, 24, 32, 40, 48, 64, 256}},
                          {"resources/small.ico", {16, 20, 24, 32, 40, 48}}};
    for (const Icon& icon : icons) {
        SCOPED_TRACE(icon.name);
        std::vector<assets::IconImage> images;
        ASSERT_TRUE(assets::readIconDirectory(sourcePath(icon.name), images));
        std::set<int> sizes;
        for (const auto& image : images) {
            EXPECT_EQ(image.width, image.height);
            sizes.insert(image.width);
        }
        EXPECT_EQ(sizes, icon.sizes);
    }
}

TEST(Pictures, AboutPictureIs203By61) {
    Picture p;
    ASSERT_TRUE(assets::readBmp(sourcePath("resources/about.bmp"), p));
    EXPECT_EQ(p.width, 203);
    EXPECT_EQ(p.height, 61);
    EXPECT_EQ(p.bitsPerPixel, 24);
}

std::string readText(const std::string& relative) {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(assets::readBytes(sourcePath(relative), bytes)) << relative;
    return std::string(bytes.begin(), bytes.end());
}

TEST(HomePage, ShortcutIsAnInternetShortcutWithCrLfLines) {
    const std::string text = readText("resources/orvane.url");
    EXPECT_EQ(text.rfind("[InternetShortcut]\r\n", 0), 0u);
    EXPECT_NE(text.find("\r\nURL=https://"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    for (size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1))
        EXPECT_EQ(text[i - 1], '\r') << "bare line feed at " << i;
}

TEST(Help, CompiledFileAndItsSourcesAgree) {
    EXPECT_EQ(readText("resources/Kelvarin.chm").substr(0, 4), "ITSF");
    // Every file of the project exists, and map id 1 is the tutorial topic.
    const std::string project = readText("resources/help/Kelvarin.hhp");
    const size_t files = project.find("[FILES]\n");
    ASSERT_NE(files, std::string::npos);
    size_t listed = 0;
    for (size_t at = files + 8; at < project.size() && project[at] != '[';) {
        const size_t end = project.find('\n', at);
        const std::string name = project.substr(at, end - at);
        at = end + 1;
        if (name.empty())
            continue;
        ++listed;
        EXPECT_TRUE(std::filesystem::exists(sourcePath("resources/help/" + name))) << name;
    }
    EXPECT_GE(listed, 10u);
    EXPECT_NE(project.find("Default topic=index.htm"), std::string::npos);
    EXPECT_NE(readText("resources/help/alias.h").find("IDH_TUTORIAL=tutorial.htm"),
              std::string::npos);
    EXPECT_NE(readText("resources/help/map.h").find("#define IDH_TUTORIAL 1\n"),
              std::string::npos);
}

}  // namespace
