#pragma once

// Ranges written shortly, and Euclid's algorithm counted apart from the code under test.

#include "renewal/ranges.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <utility>

namespace tessaro::test {

// The divisions of Euclid's algorithm on the magnitudes, larger first, in 64 bits.
inline int Divisions(std::int64_t a, std::int64_t b) {
  a = std::llabs(a);
  b = std::llabs(b);
  if (a < b) std::swap(a, b);
  int n = 0;
  for (; b != 0; ++n) {
    const std::int64_t r = a % b;
    a = b;
    b = r;
  }
  return n;
}

inline Ranges Ints(std::int32_t min, std::int32_t max, std::optional<std::int32_t> steps = {}) {
  Ranges r;
  r.min = min;
  r.max = max;
  r.euclid_steps = steps;
  return r;
}

inline Ranges Fractions(std::int32_t maxNum, std::int32_t maxDen, bool proper = false) {
  Ranges r;
  r.max_num = maxNum;
  r.max_den = maxDen;
  r.proper = proper;
  return r;
}

inline Ranges Pols(IntRange degree, IntRange coef = {-8, 8}, IntRange lead = {1, 9}) {
  Ranges r;
  r.degree = degree;
  r.coef = coef;
  r.lead = lead;
  return r;
}

inline Ranges IntRoots(Ranges r) {
  r.int_roots = true;
  return r;
}

inline Ranges CommonFactor(Ranges r) {
  r.common_factor = true;
  return r;
}

}  // namespace tessaro::test
