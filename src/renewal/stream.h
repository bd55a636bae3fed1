#pragma once

// The random numbers of renewal: a generator of our own (SplitMix64), so that a sheet and
// its seed give the same numbers with every compiler, standard library and machine.
//
// Streams. Every problem of every version draws from a stream of its own, seeded by
//   StreamSeed(seed, version, problem)
//     = Mix(Mix(Mix(seed + G) + (version + 1)·G) + (problem + 1)·G)
// where G = 0x9E3779B97F4A7C15 (the SplitMix64 increment), Mix the SplitMix64 finaliser and
// all sums wrap modulo 2^64. Version 0 is the sheet's own problems (New numbers); the versions
// A, B, C, ... are 1, 2, 3, ... Problem is the problem's index in the sheet, from 0. Renewing
// one problem therefore never moves the numbers of another, and adding a version never moves
// those of the versions before it.

#include <cstdint>

namespace tessaro {

// The SplitMix64 finaliser: a bijection of 64-bit values that mixes every bit into every bit.
std::uint64_t Mix64(std::uint64_t z);

// The seed of the stream of one problem of one version (see above).
std::uint64_t StreamSeed(std::uint64_t seed, std::uint32_t version, std::uint32_t problem);

// The seed a window takes for its next New numbers, so that each press draws afresh and the
// file still records the seed its numbers came from.
std::uint64_t NextSeed(std::uint64_t seed);

class Stream {
 public:
  explicit Stream(std::uint64_t seed) : state_(seed) {}

  // The next 64 bits: SplitMix64, state += G, output Mix64(state).
  std::uint64_t Next();

  // Uniform in 0 .. n-1 for n >= 1 (0 for n = 0). Unbiased: outputs below 2^64 mod n are
  // thrown away, so the rest is a whole number of copies of 0 .. n-1.
  std::uint64_t Below(std::uint64_t n);

  // Uniform in lo .. hi inclusive (lo for hi < lo).
  std::int64_t Between(std::int64_t lo, std::int64_t hi);

  // True with probability 1/2.
  bool Coin();

 private:
  std::uint64_t state_;
};

}  // namespace tessaro
