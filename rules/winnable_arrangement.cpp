#include "rules/winnable_arrangement.h"

#include <memory>
#include <utility>

#include "rules/solver.h"
#include "rules/solver_tiles.h"

using namespace solving;

namespace {

// Work the search may do before it gives up, counted in tests of a position:
// about 100 ms on a current desktop, where a shipped puzzle needs a few
// thousand.
constexpr int64_t kWorkBudget = 2500000;

// Positions one run of the search visits before it starts afresh with new
// choices: a run that went wrong early rarely comes right by backtracking.
constexpr int64_t kRunNodes = 4 * kTileCount;

// Positions searched by the solver that confirms an arrangement. A board
// built to be won is usually confirmed within a few hundred; one it cannot
// decide in time stands, since the way it was built proves it.
constexpr int64_t kConfirmBudget = 1000;

constexpr int kFailedSlots = 1 << 14;

// The positions numbered in the board's order, with what lies under each.
struct Planner {
    Tiles tiles;
    TileBits all;
    TileBits below[kTileCount];
    TileBits sides[kTileCount];  // the positions it touches on its left or right
    TileBits rowEnds;            // the positions with nothing on their left or on their right
    uint64_t failed[kFailedSlots];  // hashes of laid sets that lead nowhere; 0 = empty
    int64_t work;
    int64_t runEnd;  // the node count at which the current run stops
    int64_t nodes;
    bool stopped;  // the run or the whole search ran out
    uint8_t laid[kTileCount];  // in the order laid, two per pair
};

bool knownFailed(const Planner& p, uint64_t hash) {
    for (uint64_t slot = hash;; ++slot) {
        const uint64_t seen = p.failed[slot & (kFailedSlots - 1)];
        if (seen == 0) return false;
        if (seen == hash) return true;
    }
}

// A full table only forgets: the search then repeats itself, and the work
// budget still ends it.
void noteFailed(Planner& p, uint64_t hash) {
    for (int probe = 0; probe < 64; ++probe) {
        uint64_t& slot = p.failed[(hash + probe) & (kFailedSlots - 1)];
        if (slot == 0) {
            slot = hash;
            return;
        }
    }
}

// Whether the positions of `part`, none laid yet, could be laid one by one
// among `laid`: the last of them to be laid has all its neighbours laid, so
// one of them must lack a neighbour on one side. Looks at the whole row (and
// the rows it joins half a tile up or down) that `part` belongs to.
bool rowMayFill(const Planner& p, TileBits part, const TileBits& laid) {
    TileBits reached = part;
    while (!isEmpty(part)) {
        TileBits next{};
        forEachTile(part, [&](int tile) { addAll(next, p.sides[tile]); });
        part = without(without(next, laid), reached);
        addAll(reached, part);
    }
    return meets(reached, p.rowEnds);
}

// Whether `tile` may stand in `laid` (which holds it): it rests on what is
// laid, and the positions beside it not yet laid could still be laid free.
// Then it is free itself: nothing lies on it yet, and it cannot be hemmed in,
// since the one of its neighbours laid second would have hemmed it in first.
bool mayStand(Planner& p, int tile, const TileBits& laid) {
    ++p.work;
    const Tiles& t = p.tiles;
    if (!isEmpty(without(p.below[tile], laid))) return false;
    bool blocked = false;
    forEachTile(without(p.sides[tile], laid), [&](int other) {
        blocked = blocked || (meets(t.left[other], laid) && meets(t.right[other], laid)) ||
                  !rowMayFill(p, pairOf(other, other), laid);
    });
    return !blocked;
}

// Whether the positions not yet laid could still be laid on `laid`, seen the
// other way round: from the full board, could play take them all, down to
// `laid`? Tiles taken one at a time, all that are free at once in each round,
// must all go; and since the two tiles of a pair are free together, a tile
// that can only go in round r needs r pairs, so there must be two tiles for
// every round, and two free ones in the first.
bool mayFollow(Planner& p, const TileBits& laid) {
    TileBits present = p.all;
    TileBits left = without(p.all, laid);
    const int count = countOf(left);
    TileBits going{};
    forEachTile(left, [&](int tile) {
        if (isFreeTile(p.tiles, tile, present)) addTile(going, tile);
    });
    for (int rounds = 1; !isEmpty(going); ++rounds) {
        ++p.work;
        if ((rounds == 1 && countOf(going) < 2) || count < 2 * rounds) return false;
        present = without(present, going);
        left = without(left, going);
        // Only what the tiles just gone held back can go next.
        TileBits touched{};
        forEachTile(going, [&](int tile) { addAll(touched, p.tiles.affects[tile]); });
        going = TileBits{};
        forEachTile(both(touched, left), [&](int tile) {
            if (isFreeTile(p.tiles, tile, present)) addTile(going, tile);
        });
    }
    return isEmpty(left);
}

// Lays pairs on `laid` until every position holds one; true when done.
bool layFrom(Random& random, Planner& p, const TileBits& laid, int count, uint64_t hash) {
    if (count == p.tiles.count) return true;
    if (knownFailed(p, hash)) return false;
    if (++p.nodes > p.runEnd || p.work > kWorkBudget) {
        p.stopped = true;
        return false;
    }
    uint8_t candidates[kTileCount];
    int n = 0;
    for (int tile = 0; tile < p.tiles.count; ++tile) {
        if (hasTile(laid, tile)) continue;
        TileBits with = laid;
        addTile(with, tile);
        if (mayStand(p, tile, with)) candidates[n++] = uint8_t(tile);
    }
    for (int i = n - 1; i > 0; --i) std::swap(candidates[i], candidates[nextRandom(random) % (i + 1)]);

    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            const int a = candidates[i], b = candidates[j];
            TileBits with = laid;
            addTile(with, a);
            addTile(with, b);
            if (!mayStand(p, a, with) || !mayStand(p, b, with) || !mayFollow(p, with)) continue;
            p.laid[count] = uint8_t(a);
            p.laid[count + 1] = uint8_t(b);
            if (layFrom(random, p, with, count + 2, hash ^ p.tiles.key[a] ^ p.tiles.key[b])) return true;
            if (p.stopped) return false;
        }
    if (hash != 0) noteFailed(p, hash);
    return false;
}

// Runs of the search until one lays every position, the search is exhausted
// (the positions cannot be cleared) or the work budget is spent.
Arrangement plan(Random& random, Planner& p) {
    if (!mayFollow(p, TileBits{})) return Arrangement::CannotBeCleared;
    for (;;) {
        p.stopped = false;
        p.nodes = 0;
        p.runEnd = kRunNodes;
        if (layFrom(random, p, TileBits{}, 0, 0)) return Arrangement::Arranged;
        if (!p.stopped) return Arrangement::CannotBeCleared;
        if (p.work > kWorkBudget) return Arrangement::GaveUp;
    }
}

// Shuffles the faces and puts each next to one it matches: faces[2k] and
// faces[2k + 1] pair off. False when some face has no match left.
bool pairFaces(Random& random, Cell* faces, int count) {
    for (int i = count - 1; i > 0; --i) std::swap(faces[i], faces[nextRandom(random) % (i + 1)]);
    for (int i = 0; i < count; i += 2) {
        int j = i + 1;
        while (j < count && !tilesMatch(faces[i], faces[j])) ++j;
        if (j == count) return false;
        std::swap(faces[i + 1], faces[j]);
    }
    return true;
}

}  // namespace

Arrangement arrangeToWin(Random& random, Board& board, ClearingOrder* order) {
    auto p = std::make_unique<Planner>();
    auto tileAt = std::make_unique<int16_t[]>(kCells);
    if (!indexTiles(board, p->tiles, tileAt.get())) return Arrangement::GaveUp;
    const int count = p->tiles.count;

    Cell faces[kTileCount];
    for (int tile = 0; tile < count; ++tile) {
        const Cell& cell = board.cells[p->tiles.cell[tile]];
        faces[tile] = Cell{cell.type, cell.number, 0, 0, 0};
    }
    if (!pairFaces(random, faces, count)) return Arrangement::CannotBeCleared;

    for (int tile = 0; tile < count; ++tile) {
        addTile(p->all, tile);
        addAll(p->sides[tile], p->tiles.left[tile]);
        addAll(p->sides[tile], p->tiles.right[tile]);
        forEachTile(p->tiles.above[tile], [&](int upper) { addTile(p->below[upper], tile); });
        if (isEmpty(p->tiles.left[tile]) || isEmpty(p->tiles.right[tile])) addTile(p->rowEnds, tile);
    }
    const Arrangement planned = plan(random, *p);
    if (planned != Arrangement::Arranged) return planned;

    Cell before[kTileCount];
    for (int k = 0; k < count; ++k) {
        Cell& cell = board.cells[p->tiles.cell[p->laid[k]]];
        before[k] = cell;
        cell.type = faces[k].type;
        cell.number = faces[k].number;
    }
    if (solveBoard(board, kConfirmBudget).verdict == Verdict::NotWinnable) {
        for (int k = 0; k < count; ++k) board.cells[p->tiles.cell[p->laid[k]]] = before[k];
        return Arrangement::GaveUp;
    }
    if (order != nullptr) {
        // The pair laid last is taken first.
        order->pairCount = count / 2;
        for (int k = 0; k < count / 2; ++k) {
            const uint8_t* pair = p->laid + count - 2 - 2 * k;
            order->pairs[k] = Move{anchorOf(p->tiles.cell[pair[0]]), anchorOf(p->tiles.cell[pair[1]])};
        }
    }
    return Arrangement::Arranged;
}
