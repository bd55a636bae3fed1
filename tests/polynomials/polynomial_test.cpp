#include "poltest.h"

namespace tessaro::test {
namespace {

TEST(PolText, PrintsTheOneTextForm) {
  const struct {
    std::string_view typed, shown, why;
  } cases[] = {
      {"3x^2-x+1/2", "3x^2-x+1/2", "units before x lose their 1, a fraction is written whole"},
      {"-x^9+2/3x", "-x^9+2/3x", "negative leading term, no '+' before it"},
      {"-1", "-1", "a constant keeps its 1"},
      {"5/3", "5/3", "constant fraction"},
      {"0", "0", "zero polynomial"},
      {"x", "x", "only x"},
      {"-x", "-x", "only -x"},
      {"1", "1", "the constant 1"},
      {"2/4x", "2/4x", "typed coefficients stay unreduced"},
      {"x^2+x^2", "x^2", "a later term replaces an earlier one"},
      {"1/2x+x", "x", "the replacing term is 1 whole, not 1 over the old denominator"},
      {"x^12", "x+2", "the exponent is one character"},
      {"3x^0", "3", "x^0 is the constant term"},
      {"x^2-3x", "x^2-3x", "the sign belongs to the next coefficient"},
      {"3/-4x^2+3/-4", "3/-4x^2+3/-4", "a negative denominator prints as typed and reads back"},
      {"0/5x+7", "7", "a zero with any denominator prints nothing"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PolToText(Pol(c.typed)), c.shown) << c.why;
  }
}

TEST(PolText, RefusesUnreadableTexts) {
  const struct {
    std::string_view text, why;
  } cases[] = {
      {"", "empty"},
      {"1+x", "a constant only after the last x-term"},
      {"X", "upper case"},
      {"3 x", "space"},
      {"x+1/0", "denominator 0"},
      {"1/0x", "denominator 0 in a coefficient"},
      {"0/0", "0/0"},
      {"2147483647x", "coefficient beyond Long_Max"},
      {"-2147483648", "constant beyond Long_Max"},
      {"1/2147483647x", "denominator beyond Long_Max"},
      {"1/2/3", "RatFromText refuses it"},
      {"2y", "another letter"},
  };
  for (const auto& c : cases) {
    Polynomial p;
    EXPECT_FALSE(PolFromText(c.text, p)) << c.why;
  }
}

TEST(PolText, ExponentAndOutOfRangeLiteralsRaiseTheConversionMessage) {
  for (const std::string_view text : {"x^", "x^a", "x^-1", "x+", "x^2+99999999999"}) {
    Polynomial p;
    EXPECT_THROW(PolFromText(text, p), ConversionError) << text;
  }
}

TEST(PolText, LimitsWithinLongMaxAreRead) {
  Polynomial p = Pol("-2147483646x^9+1/2147483646");
  EXPECT_EQ(p[9].Num, -2147483646);
  EXPECT_EQ(p[0].Den, 2147483646);
  EXPECT_EQ(PolToText(p), "-2147483646x^9+1/2147483646");
}

TEST(IntPolText, SignsUnitsAndZero) {
  EXPECT_EQ(IntPolToText({-1, 0, 1}), "x^2-1");
  EXPECT_EQ(IntPolToText({0, -1, 0, 0, 0, 0, 0, 0, 0, -3}), "-3x^9-x");
  EXPECT_EQ(IntPolToText({}), "0");
  EXPECT_EQ(IntPolToText({-2147483647 - 1}), "-2147483648");
}

TEST(PolDegree, ZeroAndConstantsBothHaveDegreeZero) {
  EXPECT_EQ(PolDegree(Pol("0")), 0);
  EXPECT_FALSE(PolIsNonZero(Pol("0")));
  EXPECT_EQ(PolDegree(Pol("5")), 0);
  EXPECT_TRUE(PolIsNonZero(Pol("5")));
  EXPECT_EQ(PolDegree(Pol("x^9+1")), 9);
  EXPECT_EQ(IntPolDegree({0, 0, 0, 0, 0, 0, 0, 0, 0, 4}), 9);
}

TEST(PolToIntScaled, ScalesByTheLcmOfTheDenominators) {
  const struct {
    std::string_view p, scaled, why;
  } cases[] = {
      {"1/2x+1/3", "3x+2", "LCM 6"},
      {"4x+2", "4x+2", "integers stay"},
      {"3/-4x+1/2", "-3x+2", "negative denominator"},
      {"x^2+0/65537x+1/65536", "65536x^2+1", "a zero's denominator is not scaled in"},
  };
  for (const auto& c : cases) {
    IntPolynomial ip;
    ASSERT_TRUE(PolToIntScaled(Pol(c.p), ip)) << c.why;
    EXPECT_EQ(IntPolToText(ip), c.scaled) << c.why;
  }
}

TEST(PolToIntScaled, ReportsOverflowWithAZeroResult) {
  const struct {
    std::string_view p, why;
  } cases[] = {
      {"1/65536x+1/65537", "LCM of the denominators above Long_Max"},
      {"2000000000x+1/2", "scaled coefficient above Long_Max"},
  };
  for (const auto& c : cases) {
    IntPolynomial ip{1, 2, 3};
    EXPECT_FALSE(PolToIntScaled(Pol(c.p), ip)) << c.why;
    EXPECT_EQ(IntPolToText(ip), "0") << c.why;
  }
  IntPolynomial ip;
  Polynomial p = Pol("x");
  p[0] = Rational{1, 0};
  EXPECT_FALSE(PolToIntScaled(p, ip)) << "denominator 0 built by hand";
}

TEST(PolFromInt, CopiesTheCoefficients) {
  Polynomial p;
  PolFromInt({-8, 0, 3}, p);
  EXPECT_EQ(PolToText(p), "3x^2-8");
}

TEST(IntPolRandom, HasExactlyTheDegreeAndSmallCoefficients) {
  for (int n = 1; n <= 8; ++n) {
    for (int draw = 0; draw < 50; ++draw) {
      IntPolynomial ip;
      IntPolRandom(n, ip);
      ASSERT_EQ(IntPolDegree(ip), n);
      EXPECT_GE(ip[n], 1);
      EXPECT_LE(ip[n], 9);
      for (int k = 0; k < n; ++k) {
        EXPECT_GE(ip[k], -8);
        EXPECT_LE(ip[k], 8);
      }
    }
  }
}

}  // namespace
}  // namespace tessaro::test
