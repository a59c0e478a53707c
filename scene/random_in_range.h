#pragma once

// A random integer between lo and hi, both inclusive: lo + rand() % (hi - lo + 1).
// Gives lo when hi < lo.
int randomInRange(int lo, int hi);

// The generator behind randomInRange: std::rand, seeded at start-up. Tests may
// replace it to fix the start pose; null restores std::rand.
using RandomGenerator = int (*)();
void setRandomGenerator(RandomGenerator generator);
