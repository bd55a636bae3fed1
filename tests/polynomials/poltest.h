#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "polynomials/polynomials.h"

namespace tessaro::test {

// A polynomial written in the program's own text form.
inline Polynomial Pol(std::string_view text) {
  Polynomial p;
  EXPECT_TRUE(PolFromText(text, p)) << text;
  return p;
}

// Same value coefficient by coefficient, whatever the denominators look like.
inline bool SameValue(const Polynomial& a, const Polynomial& b) {
  for (int k = 0; k <= MaxDegree; ++k) {
    if ((a[k].Num == 0) != (b[k].Num == 0)) return false;
    if (a[k].Num != 0 && int64_t{a[k].Num} * b[k].Den != int64_t{b[k].Num} * a[k].Den) {
      return false;
    }
  }
  return true;
}

}  // namespace tessaro::test
