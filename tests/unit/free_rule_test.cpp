#include <gtest/gtest.h>

#include "fake_host.h"
#include "rules/free_rule.h"
#include "test_boards.h"

namespace {

struct FreeCase {
    const char* name;
    std::vector<Anchor> others;  // tiles around the one at (10, 10, 0)
    bool free;
};

TEST(FreeRule, NeighboursAndCover) {
    const FreeCase cases[] = {
        {"alone", {}, true},
        {"left only", {{8, 10, 0}}, true},
        {"right only", {{12, 10, 0}}, true},
        {"both sides", {{8, 10, 0}, {12, 10, 0}}, false},
        {"both sides, half a tile up and down", {{8, 9, 0}, {12, 11, 0}}, false},
        {"half-tile gap on the right", {{8, 10, 0}, {13, 10, 0}}, true},
        {"right neighbour two rows down does not touch", {{8, 10, 0}, {12, 12, 0}}, true},
        {"covered exactly", {{10, 10, 1}}, false},
        {"covered by a tile overlapping one footprint cell", {{11, 11, 1}}, false},
        {"covered from the upper left corner", {{9, 9, 1}}, false},
        {"a tile above but beside the footprint", {{12, 10, 1}}, true},
        {"only two layers up does not cover", {{10, 10, 2}}, true},
    };
    for (const FreeCase& c : cases) {
        auto app = newTestState();
        place(app->board, 0, 10, 10);
        for (const Anchor& a : c.others) place(app->board, a.z, a.y, a.x);
        EXPECT_EQ(isFree(app->board, 0, 10, 10), c.free) << c.name;
    }
}

TEST(FreeRule, TopLayerIsNeverCoveredAndEdgesCountAsEmpty) {
    auto app = newTestState();
    place(app->board, 4, 0, 0);
    place(app->board, 4, 29, 48);
    EXPECT_FALSE(isCoveredFromAbove(app->board, 4, 0, 0));
    EXPECT_TRUE(isFree(app->board, 4, 0, 0));
    EXPECT_FALSE(hasLeftNeighbour(app->board, 4, 0, 0));
    EXPECT_FALSE(hasRightNeighbour(app->board, 4, 48, 29));
    EXPECT_TRUE(isFree(app->board, 4, 48, 29));
}

}  // namespace
