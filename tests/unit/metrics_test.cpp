#include <gtest/gtest.h>

#include "view/metrics.h"

namespace {

TEST(Metrics, TileMetricsAtEveryScale) {
    struct Row { int dpi; double scale; int width, height, depth, edge; };
    const Row rows[] = {
        {96, 50, 48, 60, 12, 3}, {96, 62.5, 60, 75, 15, 3}, {96, 75, 72, 90, 18, 4},
        {96, 87.5, 84, 105, 21, 5}, {96, 100, 96, 120, 24, 6}, {96, 25, 24, 30, 6, 1},
        {120, 62.5, 75, 93, 18, 4}, {120, 100, 120, 150, 30, 7}, {144, 100, 144, 180, 36, 9},
        {144, 25, 36, 45, 9, 2}, {192, 87.5, 168, 210, 42, 10}, {192, 100, 192, 240, 48, 12},
    };
    for (const Row& r : rows) {
        const TileMetrics m = tileMetrics(deviceScale(r.scale, r.dpi));
        EXPECT_EQ(m.width, r.width) << r.dpi << " " << r.scale;
        EXPECT_EQ(m.height, r.height) << r.dpi << " " << r.scale;
        EXPECT_EQ(m.depth, r.depth) << r.dpi << " " << r.scale;
        EXPECT_EQ(m.edge, r.edge) << r.dpi << " " << r.scale;
    }
}

}  // namespace
