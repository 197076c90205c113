// The move search and the tick run on every pair and every 25 ms, Undo and
// Redo at the player's pace through a whole game: they must not touch the
// heap. This file counts every allocation of the test program.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "fake_host.h"
#include "game/history.h"
#include "game/tick.h"
#include "game/undo.h"
#include "rules/deal.h"
#include "rules/moves.h"
#include "test_boards.h"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

TEST(Allocation, MoveSearchAndTickUseNoHeap) {
    auto app = newTestState();
    for (int i = 0; i < kTileCount; ++i) place(app->puzzle, 0, (i / 16) * 2, (i % 16) * 3);
    dealTiles(app->random, app->tileSet, app->board, app->puzzle);
    startAppearing(app->board);
    cellAt(app->board, 0, 0, 0).effect = EffectVanishing;
    cellAt(app->board, 0, 0, 0).opacity = 100;
    fakeHost().calls.reserve(1000);  // the fake's own notes must not count

    const long before = allocations;
    Move move;
    int found = 0;
    for (int tick = 0; tick < 40; ++tick) {
        animationTick(*app);
        found += findMoves(app->random, app->board, move);
    }
    EXPECT_EQ(allocations - before, 0);
    EXPECT_GT(found, 0);
    EXPECT_GT(fakeHost().count(HostCall::Repaint), 0) << "the tick did work";
}

TEST(Allocation, UndoAndRedoUseNoHeap) {
    auto app = newTestState();
    placeRow(app->board, 0, 0, 4, 2, TypeWinds, 1);  // the pair at columns 0 and 2 is taken
    app->gameActive = 1;
    recordStep(app->history, HistoryStep{{{0, TypeWinds, 1}, {2, TypeWinds, 1}}});
    fakeHost().calls.reserve(1000);

    const long before = allocations;
    undoStep(*app);
    const int afterUndo = countTiles(app->board);
    redoStep(*app);
    EXPECT_EQ(allocations - before, 0);
    EXPECT_EQ(afterUndo, 4);
    EXPECT_EQ(countTiles(app->board), 2);
}

}  // namespace
