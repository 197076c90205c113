// Speed of the engine's hot paths: the move search after every pair, one
// deal, the 25 ms tick with and without running effects, and Undo and Redo.
#include <benchmark/benchmark.h>

#include "fake_host.h"
#include "game/history.h"
#include "game/tick.h"
#include "game/undo.h"
#include "rules/deal.h"
#include "rules/moves.h"
#include "rules/random.h"
#include "test_boards.h"

namespace {

// A four-layer pyramid of 144 positions on the half-tile grid, as full as a
// classic board: 12 x 8, 8 x 4, 6 x 2 and 2 x 2 tiles (96 + 32 + 12 + 4).
void pyramidLayout(Layout& layout) {
    clearBoard(layout);
    struct Block { int z, columns, rows, x, y; };
    const Block blocks[] = {{0, 12, 8, 0, 0}, {1, 8, 4, 4, 4}, {2, 6, 2, 6, 6}, {3, 2, 2, 10, 6}};
    for (const Block& b : blocks)
        for (int r = 0; r < b.rows; ++r)
            for (int c = 0; c < b.columns; ++c) place(layout, b.z, b.y + 2 * r, b.x + 2 * c);
}

void BM_FindMovesFullBoard(benchmark::State& state) {
    auto app = newTestState();
    pyramidLayout(app->puzzle);
    seedRandom(app->random, 1);
    dealTiles(app->random, app->tileSet, app->board, app->puzzle);
    Move move;
    for (auto _ : state) benchmark::DoNotOptimize(findMoves(app->random, app->board, move));
}
BENCHMARK(BM_FindMovesFullBoard);

// The worst case: 144 identical free tiles, 10,296 pairs.
void BM_FindMovesAllFreeIdentical(benchmark::State& state) {
    auto app = newTestState();
    for (int i = 0; i < kTileCount; ++i) place(app->board, 0, (i / 16) * 2, (i % 16) * 3, TypeWinds, 1);
    Move move;
    for (auto _ : state) benchmark::DoNotOptimize(findMoves(app->random, app->board, move));
}
BENCHMARK(BM_FindMovesAllFreeIdentical);

void BM_DealTiles(benchmark::State& state) {
    auto app = newTestState();
    pyramidLayout(app->puzzle);
    for (auto _ : state) {
        dealTiles(app->random, app->tileSet, app->board, app->puzzle);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DealTiles);

void BM_TickIdle(benchmark::State& state) {
    auto app = newTestState();
    pyramidLayout(app->puzzle);
    dealTiles(app->random, app->tileSet, app->board, app->puzzle);
    for (auto _ : state) animationTick(*app);
}
BENCHMARK(BM_TickIdle);

// Every cell appearing plus a vanishing pair: the busiest tick there is.
void BM_TickWithEffects(benchmark::State& state) {
    auto app = newTestState();
    pyramidLayout(app->puzzle);
    dealTiles(app->random, app->tileSet, app->board, app->puzzle);
    for (auto _ : state) {
        state.PauseTiming();
        startAppearing(app->board);
        for (int i : {0, 2}) {
            app->board.cells[i].effect = EffectVanishing;
            app->board.cells[i].opacity = 96;
        }
        fakeHost().reset();
        state.ResumeTiming();
        animationTick(*app);
    }
}
BENCHMARK(BM_TickWithEffects);

// One Undo and one Redo after `pairs` pairs taken through the tick: the time
// must not grow with the depth of the history. Redo's share is the move
// search that decides whether the game goes on.
void BM_UndoRedo(benchmark::State& state) {
    auto app = newTestState();
    pyramidLayout(app->puzzle);
    seedRandom(app->random, 1);
    dealTiles(app->random, app->tileSet, app->board, app->puzzle);
    app->gameActive = 1;
    Move move;
    while (app->history.cursor < state.range(0) && findMoves(app->random, app->board, move) != 0) {
        for (const Anchor& tile : {move.first, move.second}) {
            cellAt(app->board, tile.z, tile.y, tile.x).effect = EffectVanishing;
            cellAt(app->board, tile.z, tile.y, tile.x).opacity = 100;
        }
        for (int tick = 0; tick < 25; ++tick) animationTick(*app);
    }
    int steps = 0;
    for (auto _ : state) {
        undoStep(*app);
        redoStep(*app);
        if (++steps % 1024 == 0) fakeHost().reset();  // the fake's notes would grow
    }
    state.counters["depth"] = app->history.cursor;
}
BENCHMARK(BM_UndoRedo)->Arg(1)->Arg(30);

}  // namespace

BENCHMARK_MAIN();
