#include <gtest/gtest.h>

#include <vector>

#include "numbers/numbers.h"

namespace tessaro {
namespace {

TEST(Rnd, StaysInRangeAndRepeatsAfterTheSameSeed) {
  RandomizeWith(12345);
  std::vector<int32_t> first;
  bool seenLow = false, seenHigh = false;
  for (int i = 0; i < 2000; ++i) {
    int32_t v = Rnd(40);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 40);
    seenLow |= v == 0;
    seenHigh |= v == 39;
    first.push_back(v);
  }
  EXPECT_TRUE(seenLow && seenHigh);
  RandomizeWith(12345);
  for (int32_t v : first) ASSERT_EQ(Rnd(40), v);
  EXPECT_EQ(Rnd(1), 0);
  EXPECT_EQ(Rnd(0), 0);  // no division by zero
}

TEST(RatRandom, GivesReducedPositiveFractionsThatAreNotWhole) {
  RandomizeWith(7);
  for (int i = 0; i < 500; ++i) {
    Rational r;
    RatRandom(r);
    ASSERT_GE(r.Num, 1);
    ASSERT_LE(r.Num, 30);
    ASSERT_GE(r.Den, 2);
    ASSERT_LE(r.Den, 41);
    ASSERT_EQ(Hcd(r.Num, r.Den), 1) << RatText(r);
  }
}

}  // namespace
}  // namespace tessaro
