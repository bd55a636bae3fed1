#include "numbers/random.h"

#include <chrono>
#include <random>

namespace tessaro {

namespace {

// The one generator of the program; windows live on one thread.
std::minstd_rand& Generator() {
  static std::minstd_rand generator;
  return generator;
}

}  // namespace

int32_t Rnd(int32_t n) {
  if (n < 1) return 0;
  // minstd_rand yields 31 bits; its upper 15 are the better mixed.
  int32_t value = static_cast<int32_t>((Generator()() >> 16) & 0x7FFF);
  return value % n;
}

void Randomize() {
  auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
  RandomizeWith(static_cast<uint32_t>(ticks ^ (ticks >> 32)));
}

void RandomizeWith(uint32_t seed) { Generator().seed(seed); }

}  // namespace tessaro
