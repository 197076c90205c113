#include <gtest/gtest.h>

#include "view/area_scale.h"

namespace {

uint32_t grey(int v) { return 0xFF000000u | static_cast<uint32_t>(v) * 0x010101u; }

TEST(AreaScale, EachPixelIsTheMeanOfTheAreaItCovers) {
    struct Case {
        const char* what;
        int width, height;
        std::vector<uint32_t> source;
        Ratio across, down;
        int resultWidth, resultHeight;
        std::vector<uint32_t> expected;
    };
    const uint32_t blue = 0xFF0000FF, red = 0xFFFF0000;
    const Case cases[] = {
        {"halved: pairs averaged, .5 rounded up", 4, 1, {grey(0), grey(100), grey(200), grey(255)},
         {1, 2}, {1, 1}, 2, 1, {grey(50), grey(228)}},
        {"three quarters: shares 3+1, 2+2, 1+3", 4, 1, {grey(0), grey(100), grey(200), grey(255)},
         {3, 4}, {1, 1}, 3, 1, {grey(25), grey(150), grey(241)}},
        {"down, two thirds, a row left over", 1, 4, {grey(0), grey(90), grey(180), grey(30)},
         {1, 1}, {2, 3}, 1, 2, {grey(30), grey(150)}},
        {"the channels stay apart", 2, 1, {blue, red}, {1, 2}, {1, 1}, 1, 1, {0xFF800080}},
        {"at 1:1 nothing changes", 2, 2, {grey(1), grey(2), grey(3), grey(4)}, {5, 5}, {7, 7}, 2, 2,
         {grey(1), grey(2), grey(3), grey(4)}},
        {"doubled: each pixel in four", 2, 1, {grey(10), grey(20)}, {2, 1}, {2, 1}, 4, 2,
         {grey(10), grey(10), grey(20), grey(20), grey(10), grey(10), grey(20), grey(20)}},
        {"both ways: a 2 x 2 block to one", 2, 2, {grey(0), grey(40), grey(80), grey(120)}, {1, 2}, {1, 2}, 1, 1,
         {grey(60)}},
    };
    for (const Case& c : cases) {
        const Pixels source{c.width, c.height, c.source};
        Pixels result{};
        scaleByArea(source, c.across, c.down, result);
        EXPECT_EQ(result.width, c.resultWidth) << c.what;
        EXPECT_EQ(result.height, c.resultHeight) << c.what;
        EXPECT_EQ(result.data, c.expected) << c.what;
    }
}

}  // namespace
