#include <gtest/gtest.h>

#include "view/metrics.h"

namespace {

TEST(Metrics, TileMetricsAtEveryScale) {
    struct Row { double scale; int width, height, depth, edge; };
    const Row rows[] = {
        {50, 48, 60, 12, 3}, {62.5, 60, 75, 15, 3}, {75, 72, 90, 18, 4},
        {87.5, 84, 105, 21, 5}, {100, 96, 120, 24, 6}, {25, 24, 30, 6, 1},
    };
    for (const Row& r : rows) {
        const TileMetrics m = tileMetrics(r.scale);
        EXPECT_EQ(m.width, r.width) << r.scale;
        EXPECT_EQ(m.height, r.height) << r.scale;
        EXPECT_EQ(m.depth, r.depth) << r.scale;
        EXPECT_EQ(m.edge, r.edge) << r.scale;
    }
}

}  // namespace
