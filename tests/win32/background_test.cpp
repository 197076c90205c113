// The background brush: the pattern image when it loads and is chosen, the
// solid colour otherwise, without a word to the player.
#include "win32/background.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

#include "dib_surface.h"

namespace {

// A 2 x 2 24-bit bitmap file: red, green on top; blue, white below.
void writePattern(const std::string& path) {
    const unsigned char file[] = {
        'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                    // file header
        40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,      // info header
        16, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0,  // bottom row: blue, white (BGR)
        0, 0, 0xFF, 0, 0xFF, 0, 0, 0,        // top row: red, green
    };
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file), sizeof file);
}

struct BackgroundTest : ::testing::Test {
    char previous[MAX_PATH] = {};
    std::string folder;
    TestApp test = newTestApp();
    AppState& app = *test.app;
    DibSurface target = createDib(4, 4);

    void SetUp() override {
        GetCurrentDirectoryA(MAX_PATH, previous);
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "kelvarin-background-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder.c_str(), nullptr);
        CreateDirectoryA((folder + "\\Background").c_str(), nullptr);
        writePattern(folder + "\\Background\\tiny.bmp");
        SetCurrentDirectoryA(folder.c_str());
        app.view.colorBack = RGB(10, 20, 30);
    }
    void TearDown() override {
        SetCurrentDirectoryA(previous);
        DeleteFileA((folder + "\\Background\\tiny.bmp").c_str());
        RemoveDirectoryA((folder + "\\Background").c_str());
        RemoveDirectoryA(folder.c_str());
        if (test.platform->backgroundBrush != nullptr) DeleteObject(test.platform->backgroundBrush);
        releaseDib(target);
    }

    // Fills the whole target with the rebuilt brush.
    void fill(int backType, const char* image) {
        app.view.backType = backType;
        std::strcpy(app.view.backImage, image);
        rebuildBackground(app);
        const RECT all{0, 0, 4, 4};
        FillRect(target.surface.dc, &all, test.platform->backgroundBrush);
    }
};

TEST_F(BackgroundTest, PatternRepeatsFromTheTopLeftCorner) {
    fill(1, "tiny.bmp");
    EXPECT_EQ(pixelAt(target, 0, 0), 0xFF0000u);
    EXPECT_EQ(pixelAt(target, 1, 0), 0x00FF00u);
    EXPECT_EQ(pixelAt(target, 0, 1), 0x0000FFu);
    EXPECT_EQ(pixelAt(target, 3, 3), 0xFFFFFFu);
}

TEST_F(BackgroundTest, SolidColourWhenChosenOrWhenTheImageDoesNotLoad) {
    const struct {
        int backType;
        const char* image;
    } cases[] = {{0, "tiny.bmp"}, {1, "missing.bmp"}, {1, ""}};
    for (const auto& c : cases) {
        fill(c.backType, c.image);
        EXPECT_EQ(pixelAt(target, 2, 1), 0x0A141Eu) << c.backType << " " << c.image;
    }
}

}  // namespace
