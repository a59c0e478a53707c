#include "scene/random_in_range.h"

#include <cstdlib>

namespace {
RandomGenerator randomGenerator = std::rand;
}

int randomInRange(int lo, int hi) {
    if (hi < lo)
        return lo;
    return lo + randomGenerator() % (hi - lo + 1);
}

void setRandomGenerator(RandomGenerator generator) {
    randomGenerator = generator != nullptr ? generator : std::rand;
}
