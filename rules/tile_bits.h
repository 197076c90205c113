// Sets of tiles as the solver keeps them: one bit per tile, by the tile's
// number in the board's order, 144 bits.
#pragma once

#include <cstdint>

namespace solving {

struct TileBits {
    uint64_t w[3];
};

inline void addTile(TileBits& bits, int tile) { bits.w[tile >> 6] |= uint64_t(1) << (tile & 63); }
inline bool hasTile(const TileBits& bits, int tile) { return (bits.w[tile >> 6] >> (tile & 63)) & 1; }
inline bool meets(const TileBits& a, const TileBits& b) {
    return ((a.w[0] & b.w[0]) | (a.w[1] & b.w[1]) | (a.w[2] & b.w[2])) != 0;
}
inline bool isEmpty(const TileBits& a) { return (a.w[0] | a.w[1] | a.w[2]) == 0; }
inline TileBits both(const TileBits& a, const TileBits& b) {
    return TileBits{{a.w[0] & b.w[0], a.w[1] & b.w[1], a.w[2] & b.w[2]}};
}
inline void addAll(TileBits& into, const TileBits& more) {
    for (int w = 0; w < 3; ++w) into.w[w] |= more.w[w];
}
inline TileBits without(const TileBits& a, const TileBits& b) {
    return TileBits{{a.w[0] & ~b.w[0], a.w[1] & ~b.w[1], a.w[2] & ~b.w[2]}};
}
// Counted by hand: without a popcount instruction in the target, the
// compiler's own helper is a slow call.
inline int bitCount(uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ull);
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return int((x * 0x0101010101010101ull) >> 56);
}
inline int countOf(const TileBits& a) { return bitCount(a.w[0]) + bitCount(a.w[1]) + bitCount(a.w[2]); }
// Calls visit(tile) for every tile of the set, lowest first.
template <typename Visit>
inline void forEachTile(const TileBits& bits, Visit visit) {
    for (int word = 0; word < 3; ++word)
        for (uint64_t rest = bits.w[word]; rest != 0; rest &= rest - 1)
            visit(word * 64 + __builtin_ctzll(rest));
}

inline TileBits pairOf(int a, int b) {
    TileBits pair{};
    addTile(pair, a);
    addTile(pair, b);
    return pair;
}

}  // namespace solving
