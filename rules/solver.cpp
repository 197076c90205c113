#include "rules/solver.h"

#include <algorithm>
#include <cstdlib>

#include "rules/solver_search.h"

using namespace solving;

SolveResult solveBoard(const Board& board, int64_t nodeBudget, const std::atomic<bool>* cancel, int64_t movesFirst) {
    SolveResult result{};
    result.verdict = Verdict::Unknown;
    Tiles* tiles = static_cast<Tiles*>(std::malloc(sizeof(Tiles)));
    int16_t* tileAt = static_cast<int16_t*>(std::malloc(sizeof(int16_t) * kCells));
    if (tiles == nullptr || tileAt == nullptr || !indexTiles(board, *tiles, tileAt)) {
        std::free(tiles);
        std::free(tileAt);
        return result;
    }
    std::free(tileAt);

    // Lost from the start: a group with an odd number of tiles (pairs take
    // two), one that cannot be paired off, or a ring of settled pairs.
    TileBits all{};
    for (int tile = 0; tile < tiles->count; ++tile) addTile(all, tile);
    bool stuck = false;
    bool twosAndFours = true;
    for (int tile = 0; tile < tiles->count; ++tile) tiles->partner[tile] = -1;
    listMates(*tiles);
    for (int g = 0; g < tiles->groupCount; ++g) {
        const int n = countOf(tiles->groupTiles[g]);
        stuck = stuck || n % 2 != 0 || pairings(*tiles, tiles->groupTiles[g], tiles->partner) == 0;
        twosAndFours = twosAndFours && (n == 2 || n == 4);
    }
    for (int tile = 0; tile < tiles->count && !stuck; ++tile)
        stuck = tiles->partner[tile] > tile && inRing(*tiles, all, tile, tiles->partner[tile]);
    Ways ways;
    stuck = stuck || !startWays(*tiles, ways);
    if (stuck) {
        result.verdict = Verdict::NotWinnable;
        std::free(tiles);
        return result;
    }

    TileBits free{};
    uint64_t hash = 0;
    for (int tile = 0; tile < tiles->count; ++tile) {
        if (isFreeTile(*tiles, tile, all)) addTile(free, tile);
        hash ^= tiles->key[tile];
    }
    // At most one lost position is stored per node; calloc hands out zeroed
    // pages lazily, so a quick search pays only for what it touches.
    const int64_t budget = nodeBudget < 1 ? 1 : nodeBudget;
    uint64_t capacity = 1024;
    while (capacity < uint64_t(1) << 19 && int64_t(capacity) < budget + budget / 2) capacity *= 2;
    Search s{};
    s.tiles = tiles;
    s.dead = static_cast<uint64_t*>(std::calloc(capacity, sizeof(uint64_t)));
    s.deadMask = capacity - 1;
    s.deadRoom = int64_t(capacity / 4 * 3);
    s.pool = static_cast<Candidate*>(std::malloc(sizeof(Candidate) * poolSize(tiles->count)));
    s.clearing = static_cast<Clearing*>(std::malloc(sizeof(Clearing)));
    s.cancel = cancel;
    if (s.dead != nullptr && s.pool != nullptr && s.clearing != nullptr) {
        // Narrowing the ways once belongs to setting up, outside the budget:
        // it proves many lost deals at once and keeps the search over moves
        // from pairing tiles in ways that cannot win.
        bool won = false;
        bool decided = !narrowWays(s, ways, all, free);
        s.nodes = 0;
        // Most boards are won quickly by following the moves that free the
        // most. Short runs, each in a slightly shuffled order, beat one long
        // run that went wrong early; the lost positions found stay known.
        const int64_t movesBudget = twosAndFours ? std::min(budget, movesFirst) : budget;
        for (int64_t run = 1; !decided && !s.cancelled && s.nodes < movesBudget; ++run) {
            s.stopped = false;
            s.runLimit = std::min(movesBudget, s.nodes + runLength(run));
            s.jitterState = uint64_t(run - 1);
            s.pathLength = 0;
            won = searchMoves(s, all, free, hash, s.pool, all);
            decided = won || !s.stopped;
        }
        // The rest goes to the ways of pairing off, which refutes a lost
        // board far sooner than trying its moves in every order.
        if (!decided && !s.cancelled && twosAndFours) {
            s.stopped = false;
            s.runLimit = budget;
            s.pathLength = 0;
            won = searchWays(s, ways, all, free);
            decided = won || !s.stopped;
        }
        result.verdict = won ? Verdict::Winnable : decided ? Verdict::NotWinnable : Verdict::Unknown;
        if (won) {
            result.pairCount = s.pathLength / 2;
            for (int p = 0; p < result.pairCount; ++p)
                result.pairs[p] = Move{anchorOf(tiles->cell[s.path[2 * p]]), anchorOf(tiles->cell[s.path[2 * p + 1]])};
        }
    }
    result.nodes = s.nodes;
    std::free(s.dead);
    std::free(s.pool);
    std::free(s.clearing);
    std::free(tiles);
    return result;
}
