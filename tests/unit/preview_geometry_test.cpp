#include <gtest/gtest.h>

#include <memory>

#include "sample_layouts.h"
#include "test_boards.h"
#include "view/preview_geometry.h"

namespace {

// A layout spans from its first face to the end of the last tile's body,
// and is centred in the box; raised tiles over column 0 or row 0 push it in.
TEST(PreviewGeometry, SizeAndCentringInTheBox) {
    auto single = std::make_unique<Board>();
    place(*single, 0, 0, 0);
    auto raised = std::make_unique<Board>();
    place(*raised, 0, 0, 0);
    place(*raised, 2, 3, 0);  // layer 2 in column 0, not in row 0
    auto flat = flatLayout();  // 48 x 12 half-tile cells on layer 0
    struct Row {
        const char* what;
        const Board& layout;
        double scale;
        int boxWidth, boxHeight;
        int width, height, x, y;
    } rows[] = {
        {"one tile: a 24 x 30 face and 6 of body", *single, 25, 100, 100, 30, 36, 35, 32},
        {"a box the layout just fills", *single, 25, 30, 36, 30, 36, 0, 0},
        {"a box too small starts at its corner", *single, 25, 29, 20, 30, 36, 0, 0},
        {"a layer-2 tile in column 0 moves the faces 12 right", *raised, 25, 100, 100, 42, 81, 41, 9},
        {"wider than the box, centred in height", *flat, 25, 467, 327, 582, 186, 0, 70},
        {"at 192 DPI: a 48 x 60 face and 12 of body", *single, 50, 100, 100, 60, 72, 20, 14},
        {"at 144 DPI the layer-2 tile moves the faces 18 right", *raised, 37.5, 100, 100, 63, 121, 36, 0},
    };
    for (const Row& r : rows) {
        const PixelSize size = previewSize(r.layout, r.scale);
        EXPECT_EQ(size.width, r.width) << r.what;
        EXPECT_EQ(size.height, r.height) << r.what;
        const PixelPoint origin = previewOrigin(r.layout, r.scale, r.boxWidth, r.boxHeight);
        EXPECT_EQ(origin.x, r.x) << r.what;
        EXPECT_EQ(origin.y, r.y) << r.what;
    }
}

// A picture that fits keeps its size; a larger one shrinks, proportions
// kept, by the ratio of the side that overflows more.
TEST(PreviewGeometry, LargerPicturesShrinkIntoTheBox) {
    struct Row {
        const char* what;
        int width, height, boxWidth, boxHeight;
        PixelRect place;
    } rows[] = {
        {"fits: centred at its size", 300, 200, 442, 327, {71, 63, 300, 200}},
        {"too wide: the width sets the ratio", 606, 252, 442, 327, {0, 72, 442, 183}},
        {"too tall: the height sets the ratio", 300, 396, 442, 327, {97, 0, 247, 327}},
        {"both: the side that overflows more", 900, 500, 450, 300, {0, 25, 450, 250}},
    };
    for (const Row& r : rows) {
        const PixelRect place = previewPlace(PixelSize{r.width, r.height}, r.boxWidth, r.boxHeight);
        EXPECT_EQ(place.x, r.place.x) << r.what;
        EXPECT_EQ(place.y, r.place.y) << r.what;
        EXPECT_EQ(place.width, r.place.width) << r.what;
        EXPECT_EQ(place.height, r.place.height) << r.what;
    }
}

}  // namespace
