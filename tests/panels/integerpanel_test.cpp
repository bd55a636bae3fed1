#include "panels/integerpanel.h"

#include "numbers/conversionerror.h"
#include "numbers/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace tessaro {
namespace {

constexpr const char* Over = " > LONG_MAX";

struct TwoCase {
  std::int32_t n1, n2;
  const char *sum, *diff, *quot, *rem, *hcd, *lcm;
  const char* why;
};

TEST(TwoIntResults, StaysExactAtTheThirtyTwoBitEdges) {
  const TwoCase cases[] = {
      {INT32_MIN, -1, Over, Over, Over, "0", "1", Over, "the one quotient beyond 32 bits"},
      {INT32_MIN, 1, Over, Over, "-2147483648", "0", "1", Over, "a quotient that still fits"},
      {INT32_MIN, 0, Over, Over, "-", "-", Over, "0", "hcd 2147483648 does not fit"},
      {INT32_MIN, INT32_MIN, Over, "0", "1", "0", Over, Over, "itself"},
      {2147483647, 1, Over, "2147483646", "2147483647", "0", "1", Over,
       "the largest int: a quotient, but an LCM past Long_Max"},
      {0, 0, "0", "0", "-", "-", "0", "0", "an LCM with 0 is 0, not an overflow"},
      {-4, 6, "2", "-10", "0", "-4", "2", "12", "magnitudes"},
  };
  for (const TwoCase& c : cases) {
    const TwoIntTexts t = TwoIntResults(c.n1, c.n2, 2);
    EXPECT_EQ(t.Sum, c.sum) << c.why;
    EXPECT_EQ(t.Diff, c.diff) << c.why;
    EXPECT_EQ(t.Quot, c.quot) << c.why;
    EXPECT_EQ(t.Rem, c.rem) << c.why;
    EXPECT_EQ(t.Hcd, c.hcd) << c.why;
    EXPECT_EQ(t.Lcm, c.lcm) << c.why;
    EXPECT_EQ(t.Divided, c.n2 != 0) << c.why;
  }
}

struct SelectionCase {
  std::vector<std::int32_t> values;
  const char* hcd;
  const char* lcm;
  const char* why;
};

TEST(SelectionResults, CarriesZeroAndOverflowThroughTheWholeSelection) {
  const SelectionCase cases[] = {
      {{12, 18, 30}, "6", "180", "the plain case"},
      {{65536, 65537, 2}, "1", ">Long_Max", "an overflow stays an overflow"},
      {{65536, 65537, 0}, "1", "0", "a zero makes the LCM 0 even after an overflow"},
      {{0, 5}, "5", "0", "a zero first"},
      {{INT32_MIN, 0}, ">Long_Max", "0", "hcd 2147483648"},
      {{INT32_MIN, 0, 6}, "2", "0", "a later number brings the hcd back"},
      {{INT32_MIN, 4}, "4", ">Long_Max", "|-2147483648| is beyond Long_Max"},
  };
  for (const SelectionCase& c : cases) {
    const SelectionTexts t = SelectionResults(c.values);
    EXPECT_EQ(t.Hcd, c.hcd) << c.why;
    EXPECT_EQ(t.Lcm, c.lcm) << c.why;
  }
}

TEST(ReadBasis, AcceptsTwoToTwoHundredOne) {
  const std::pair<const char*, BasisCheck> cases[] = {
      {"", BasisCheck::Empty},     {"2", BasisCheck::Valid},    {"201", BasisCheck::Valid},
      {"1", BasisCheck::Refused},  {"202", BasisCheck::Refused}, {"-16", BasisCheck::Refused},
      {"0", BasisCheck::Refused},
  };
  for (const auto& [text, check] : cases) {
    std::int32_t basis = 0;
    EXPECT_EQ(ReadBasis(text, basis), check) << text;
  }
  EXPECT_EQ(BasisRefusal("-16"), "-16 isn't a valid basis");
}

TEST(ReadBasis, ThrowsTheConversionErrorForATextThatIsNoInteger) {
  // Each would pass IntOfText, or fails it: a basis is written in decimal digits.
  for (const char* text : {"1 6", "x10", "$10", " 12", "abc", "-", "99999999999"}) {
    std::int32_t basis = 0;
    EXPECT_THROW(ReadBasis(text, basis), ConversionError) << text;
  }
}

TEST(DrawListNumber, NeverRepeatsAStoredNumber) {
  RandomizeWith(7);
  std::vector<std::int32_t> stored;
  for (std::int32_t v = 1; v <= 22; ++v) stored.push_back(v);
  for (int i = 0; i < 500; ++i) {
    const std::int32_t v = DrawListNumber(stored);
    EXPECT_GE(v, 23);
    EXPECT_LE(v, 200);
  }
}

}  // namespace
}  // namespace tessaro
