#include <algorithm>

#include "rules/solver_search.h"

namespace solving {
namespace {

// The shortest run of searchMoves, in positions.
constexpr int64_t kRunNodes = 100;

// The table keeps 0 for an empty slot; a set that hashes to 0 is kept as 1.
inline uint64_t slotKey(uint64_t hash) { return hash == 0 ? 1 : hash; }

bool knownDead(const Search& s, uint64_t hash) {
    hash = slotKey(hash);
    for (uint64_t slot = hash & s.deadMask;; slot = (slot + 1) & s.deadMask) {
        if (s.dead[slot] == hash) return true;
        if (s.dead[slot] == 0) return false;
    }
}

void markDead(Search& s, uint64_t hash) {
    if (s.deadRoom == 0) return;  // full: the search goes on, only slower
    hash = slotKey(hash);
    uint64_t slot = hash & s.deadMask;
    while (s.dead[slot] != 0) slot = (slot + 1) & s.deadMask;
    s.dead[slot] = hash;
    --s.deadRoom;
}

uint64_t hashWithout(const Tiles& tiles, uint64_t hash, const TileBits& taken) {
    forEachTile(taken, [&](int tile) { hash ^= tiles.key[tile]; });
    return hash;
}

}  // namespace

bool searchMoves(Search& s, const TileBits& left, const TileBits& free, uint64_t hash, Candidate* candidates,
                 const TileBits& settled) {
    if (isEmpty(left)) return true;
    if (knownDead(s, hash)) return false;
    if (!isEmpty(settled) && !mayAllGo(*s.tiles, left, free, settled)) {
        markDead(s, hash);
        return false;
    }
    if ((s.nodes & 1023) == 0 && s.cancel && s.cancel->load(std::memory_order_relaxed)) s.cancelled = true;
    if (++s.nodes > s.runLimit || s.cancelled) {
        s.stopped = true;
        return false;
    }
    const Tiles& tiles = *s.tiles;

    // A group whose tiles are all free can be taken away at once: removing
    // tiles never blocks another, so any win keeps working without them.
    const int pathLength = s.pathLength;
    TileBits forced{};
    TileBits forcedSettles{};
    int count = 0;
    for (int g = 0; g < tiles.groupCount; ++g) {
        const TileBits freeInGroup = both(free, tiles.groupTiles[g]);
        if (isEmpty(freeInGroup)) continue;
        const int freeCount = countOf(freeInGroup);
        const TileBits inGroup = both(left, tiles.groupTiles[g]);
        if (freeCount == countOf(inGroup)) {
            int pending = -1;
            forEachTile(freeInGroup, [&](int tile) {
                if (pending < 0) {
                    pending = tile;
                } else {
                    takePair(s, pending, tile);
                    pending = -1;
                }
            });
            addAll(forced, freeInGroup);
            continue;
        }
        // Three of four free, one of them in nobody's way: the other two can
        // go at once. Whichever free tile a win pairs the fourth with, the
        // idle one can stand in for it, and keeping it till then blocks
        // nothing.
        if (freeCount == 3 && countOf(inGroup) == 4) {
            int idle = -1;
            forEachTile(freeInGroup, [&](int tile) {
                if (idle < 0 && !meets(tiles.affects[tile], left)) idle = tile;
            });
            if (idle >= 0) {
                int ends[2], n = 0;
                forEachTile(freeInGroup, [&](int tile) {
                    if (tile != idle) ends[n++] = tile;
                });
                takePair(s, ends[0], ends[1]);
                addAll(forcedSettles, without(inGroup, freeInGroup));
                addTile(forcedSettles, idle);
                addTile(forced, ends[0]);
                addTile(forced, ends[1]);
                continue;
            }
        }
        if (freeCount < 2 || !isEmpty(forced)) continue;
        forEachTile(freeInGroup, [&](int a) {
            forEachTile(freeInGroup, [&](int b) {
                if (b <= a) return;
                const TileBits pair = pairOf(a, b);
                const TileBits rest = without(inGroup, pair);
                const TileBits after = without(left, pair);
                if (countOf(rest) == 2 && !isEmpty(tiles.fourPartners[a]) && !hasTile(tiles.fourPartners[a], b)) return;
                if (pairings(tiles, rest, nullptr) == 0) return;
                // The child's slot in the table of lost positions, fetched
                // early: that lookup is otherwise a cache miss per node.
                __builtin_prefetch(&s.dead[slotKey(hash ^ tiles.key[a] ^ tiles.key[b]) & s.deadMask]);
                int score = countOf(freedBy(tiles, pair, after, free));
                if (s.jitterState != 0) score += int(nextKey(s.jitterState) % 32);
                candidates[count++] = Candidate{uint8_t(a), uint8_t(b), int16_t(score)};
            });
        });
    }
    if (!isEmpty(forced)) {
        const TileBits after = without(left, forced);
        TileBits freeAfter = without(free, forced);
        addAll(freeAfter, freedBy(tiles, forced, after, free));
        if (searchMoves(s, after, freeAfter, hashWithout(tiles, hash, forced), candidates, forcedSettles)) return true;
        s.pathLength = pathLength;
        if (!s.stopped) markDead(s, hash);
        return false;
    }

    // Best first; a stable insertion sort keeps equal scores in board order.
    for (int i = 1; i < count; ++i) {
        const Candidate c = candidates[i];
        int j = i;
        for (; j > 0 && candidates[j - 1].score < c.score; --j) candidates[j] = candidates[j - 1];
        candidates[j] = c;
    }
    for (int i = 0; i < count; ++i) {
        const TileBits pair = pairOf(candidates[i].first, candidates[i].second);
        const TileBits after = without(left, pair);
        // Checked only here, as it is dear: most candidates of a won
        // position are never tried.
        const TileBits rest = both(after, tiles.groupTiles[tiles.group[candidates[i].first]]);
        const TileBits settles = countOf(rest) == 2 ? rest : TileBits{};
        if (!isEmpty(settles)) {
            int ends[2], n = 0;
            forEachTile(rest, [&](int t) { ends[n++] = t; });
            if (inRing(tiles, after, ends[0], ends[1])) continue;
        }
        TileBits freeAfter = without(free, pair);
        addAll(freeAfter, freedBy(tiles, pair, after, free));
        takePair(s, candidates[i].first, candidates[i].second);
        if (searchMoves(s, after, freeAfter, hashWithout(tiles, hash, pair), candidates + count, settles)) return true;
        s.pathLength = pathLength;
        if (s.stopped) return false;
    }
    markDead(s, hash);
    return false;
}

// Room for the candidates of every level at once: a level with m tiles left
// holds at most m (m - 1) / 2 pairs, and each level takes at least two tiles.
int64_t poolSize(int tileCount) {
    int64_t size = 1;
    for (int m = tileCount; m >= 2; m -= 2) size += int64_t(m) * (m - 1) / 2;
    return size;
}

// The restart schedule 1, 1, 2, 1, 1, 2, 4, 1, 1, 2, ... in units of kRunNodes.
int64_t runLength(int64_t run) {
    for (;;) {
        int64_t size = 1;
        while (size < run) size = 2 * size + 1;
        if (size == run) return kRunNodes * ((size + 1) / 2);
        run -= size / 2;
    }
}

}  // namespace solving
