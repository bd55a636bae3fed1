#include <gtest/gtest.h>

#include "numbers/numbers.h"

namespace tessaro {
namespace {

TEST(FloatText, RoundsTo15DigitsAndSwitchesToScientific) {
  struct Case { long double x; const char* expected; const char* why; };
  const Case cases[] = {
      {0, "0", "zero"},                                {3.5L, "3.5", "plain"},
      {-7.0L / 2, "-3.5", "negative"},                 {2, "2", "no point for a whole"},
      {1.0L / 3, "0.333333333333333", "15 digits"},    {2.0L / 3, "0.666666666666667", "rounded"},
      {0.0001L, "0.0001", "smallest fixed"},           {0.00001L, "1E-5", "below 0.0001"},
      {-1.0L / 30000, "-3.33333333333333E-5", "negative scientific"},
      {999999999999999.0L, "999999999999999", "15 integer digits"},
      {1e15L, "1E15", "16 integer digits"},            {9.9999999999999999L, "10", "rounds up"},
      {123456.789L, "123456.789", "trailing zeros dropped"},
  };
  for (const Case& c : cases) EXPECT_EQ(FloatText(c.x), c.expected) << c.why;
}

TEST(FloatTextDec, CutsDecimalsAndKeepsTheExponent) {
  struct Case { long double x; int d; const char* expected; const char* why; };
  const Case cases[] = {
      {2.0L / 3, 2, "0.66", "cut, not rounded"},  {-7.0L / 2, 2, "-3.5", "fewer decimals"},
      {6.0L / 3, 2, "2", "no point"},            {10.0L / 4, 9, "2.5", "room to spare"},
      {1.0L / 3, 4, "0.3333", "four decimals"},  {1.0L / 30000, 2, "3.33E-5", "exponent kept"},
      {2.0L / 3, 0, "0", "no decimals, no point"},
  };
  for (const Case& c : cases) EXPECT_EQ(FloatTextDec(c.x, c.d), c.expected) << c.why;
}

}  // namespace
}  // namespace tessaro
