#include "renewal/stream.h"

namespace tessaro {

namespace {

constexpr std::uint64_t Golden = 0x9E3779B97F4A7C15ULL;

}  // namespace

std::uint64_t Mix64(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

std::uint64_t StreamSeed(std::uint64_t seed, std::uint32_t version, std::uint32_t problem) {
  std::uint64_t s = Mix64(seed + Golden);
  s = Mix64(s + (std::uint64_t{version} + 1) * Golden);
  return Mix64(s + (std::uint64_t{problem} + 1) * Golden);
}

std::uint64_t NextSeed(std::uint64_t seed) { return Mix64(seed + Golden); }

std::uint64_t Stream::Next() {
  state_ += Golden;
  return Mix64(state_);
}

std::uint64_t Stream::Below(std::uint64_t n) {
  if (n == 0) return 0;
  // 2^64 mod n, computed in 64 bits as (2^64 - n) mod n.
  const std::uint64_t threshold = (0 - n) % n;
  for (;;) {
    const std::uint64_t x = Next();
    if (x >= threshold) return x % n;
  }
}

std::int64_t Stream::Between(std::int64_t lo, std::int64_t hi) {
  if (hi <= lo) return lo;
  // The span of two 32-bit bounds, or of any bounds below 2^63 apart, fits 64 bits.
  const std::uint64_t span = static_cast<std::uint64_t>(hi) - static_cast<std::uint64_t>(lo) + 1;
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(lo) + Below(span));
}

bool Stream::Coin() { return (Next() >> 63) != 0; }

}  // namespace tessaro
