// The program's one random source: a linear congruential generator whose
// draws both dealing and the move search take, in a fixed order.
#pragma once

#include <cstdint>

struct Random {
    uint32_t state;
};

void seedRandom(Random& random, uint32_t seed);

// The next draw, 0..32767.
int nextRandom(Random& random);
