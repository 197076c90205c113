#include "rules/solver_search.h"

namespace solving {
namespace {

void setAllFourPartners(Tiles& tiles, const Ways& ways) {
    for (int g = 0; g < tiles.groupCount; ++g)
        if (ways.of[g] != 0) setFourPartners(tiles, tiles.four[g], ways.of[g]);
}

// Whether the board `all`, which passes mayAllGo taking its tiles as in
// `base`, still passes with the partners the tiles of group g have now: the
// same order holds until a tile of g can no longer go where it went, and the
// rest is worked out from there. Counts a look when it has to.
bool stillClears(Search& s, const Clearing& base, int g, const TileBits& all) {
    const Tiles& tiles = *s.tiles;
    TileBits present = all;
    for (int k = 0; k < base.count; ++k) {
        const int tile = base.tile[k];
        if (tiles.group[tile] == g && !meets(without(tiles.fourPartners[tile], pairOf(tile, tile)), base.freeAt[k])) {
            s.nodes += kLookNodes;
            return mayAllGoFrom(tiles, all, present, base.freeAt[k], both(present, tiles.groupTiles[g]), nullptr);
        }
        present.w[tile >> 6] &= ~(uint64_t(1) << (tile & 63));
    }
    return true;
}

// With each tile's partner settled, takes pairs whenever both tiles are free;
// with the partners fixed, an order that clears the board exists exactly
// when this one does. True when the board ends empty.
bool takeSettledPairs(Search& s, const TileBits& all, TileBits free) {
    const Tiles& tiles = *s.tiles;
    TileBits present = all;
    for (bool took = true; took;) {
        took = false;
        forEachTile(free, [&](int tile) {
            if (!hasTile(present, tile)) return;
            const TileBits& partners = tiles.fourPartners[tile];
            const TileBits mate = isEmpty(partners) ? both(tiles.groupTiles[tiles.group[tile]], present) : partners;
            const TileBits ready = without(both(mate, both(free, present)), pairOf(tile, tile));
            if (isEmpty(ready)) return;
            int other = -1;
            forEachTile(ready, [&](int t) { other = t; });
            const TileBits pair = pairOf(tile, other);
            takePair(s, tile, other);
            present = without(present, pair);
            addAll(free, freedBy(tiles, pair, present, free));
            took = true;
        });
    }
    return isEmpty(present);
}

}  // namespace

bool startWays(Tiles& tiles, Ways& ways) {
    for (int g = 0; g < tiles.groupCount; ++g) {
        ways.of[g] = 0;
        if (countOf(tiles.groupTiles[g]) != 4) continue;
        int n = 0;
        forEachTile(tiles.groupTiles[g], [&](int tile) { tiles.four[g][n++] = tile; });
        ways.of[g] = uint8_t(apartWays(tiles, tiles.four[g]));
        if (ways.of[g] == 0) return false;
    }
    setAllFourPartners(tiles, ways);
    return true;
}

bool narrowWays(Search& s, Ways& ways, const TileBits& all, const TileBits& free) {
    Tiles& tiles = *s.tiles;
    Clearing& base = *s.clearing;
    s.nodes += kLookNodes;
    if (!mayAllGoFrom(tiles, all, all, free, all, &base)) return false;
    for (bool narrowed = true; narrowed;) {
        narrowed = false;
        for (int g = 0; g < tiles.groupCount; ++g) {
            if (wayCount(ways.of[g]) < 2) continue;
            const uint8_t before = ways.of[g];
            for (int w = 0; w < 3; ++w) {
                if (((ways.of[g] >> w) & 1) == 0) continue;
                setFourPartners(tiles, tiles.four[g], 1 << w);
                if (!stillClears(s, base, g, all)) {
                    ways.of[g] &= uint8_t(~(1 << w));
                    ++s.failures[g];
                }
            }
            setFourPartners(tiles, tiles.four[g], ways.of[g]);
            if (ways.of[g] == 0) return false;
            if (ways.of[g] == before) continue;
            // Each way left passed alone, so the board passes with all of
            // them; its order of clearing is another now.
            narrowed = true;
            s.nodes += kLookNodes;
            mayAllGoFrom(tiles, all, all, free, all, &base);
        }
    }
    return true;
}

// Depth-first over the ways of pairing off the groups of four, narrowing
// after each choice. It picks the group whose ways failed most often per way
// left: the choices that matter come first, so a lost board is refuted in a
// few levels. When every group has one way left, the pairs decide.
bool searchWays(Search& s, const Ways& from, const TileBits& all, const TileBits& free) {
    if (s.cancel && s.cancel->load(std::memory_order_relaxed)) s.cancelled = true;
    if (s.nodes >= s.runLimit || s.cancelled) {
        s.stopped = true;
        return false;
    }
    Tiles& tiles = *s.tiles;
    Ways ways = from;
    bool won = false;
    if (narrowWays(s, ways, all, free)) {
        int pick = -1;
        for (int g = 0; g < tiles.groupCount; ++g) {
            const int n = wayCount(ways.of[g]);
            if (n >= 2 && (pick < 0 || (s.failures[g] + 1) * wayCount(ways.of[pick]) > (s.failures[pick] + 1) * n))
                pick = g;
        }
        const int pathLength = s.pathLength;
        if (pick < 0) {
            won = takeSettledPairs(s, all, free);
            if (!won) s.pathLength = pathLength;
        }
        for (int w = 0; w < 3 && pick >= 0 && !won && !s.stopped; ++w) {
            if (((ways.of[pick] >> w) & 1) == 0) continue;
            Ways choice = ways;
            choice.of[pick] = uint8_t(1 << w);
            setAllFourPartners(tiles, choice);
            won = searchWays(s, choice, all, free);
        }
    }
    if (!won) setAllFourPartners(tiles, from);
    return won;
}

}  // namespace solving
