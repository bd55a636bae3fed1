#pragma once

#include <cstdint>

namespace tessaro {

// A 15-bit pseudo-random value (0..32767) mod n, so 0..n-1; 0 for n < 1.
int32_t Rnd(int32_t n);

// Seeds the one generator behind Rnd from the clock.
void Randomize();

// Seeds it with a fixed value, for reproducible sequences.
void RandomizeWith(uint32_t seed);

}  // namespace tessaro
