#include "rules/random.h"

void seedRandom(Random& random, uint32_t seed) { random.state = seed; }

int nextRandom(Random& random) {
    random.state = random.state * 214013u + 2531011u;
    return static_cast<int>((random.state >> 16) & 0x7FFF);
}
