#include "poltest.h"

namespace tessaro::test {
namespace {

TEST(PolAddSub, AddCoefficientwiseAndReportOverflow) {
  Polynomial r;
  EXPECT_EQ(PolAdd(Pol("x^2+1/2"), Pol("-x^2+1/3x+1/2"), r), 1);
  EXPECT_EQ(PolToText(r), "1/3x+1");
  EXPECT_EQ(PolSub(Pol("x+1/2"), Pol("x+1/2"), r), 1);
  EXPECT_EQ(PolToText(r), "0");
  EXPECT_EQ(PolAdd(Pol("0/65536x"), Pol("0/65537x+1"), r), 1) << "zeros carry no LCM";
  EXPECT_EQ(PolToText(r), "1");

  r = Pol("7");
  EXPECT_EQ(PolAdd(Pol("2000000000x"), Pol("2000000000x"), r), -1);
  EXPECT_EQ(PolSub(Pol("2000000000"), Pol("-2000000000"), r), -1);
  EXPECT_EQ(PolAdd(Pol("1/65536"), Pol("1/65537"), r), -1) << "LCM of denominators";
  EXPECT_EQ(PolToText(r), "7") << "nothing written on overflow";
}

TEST(PolMul, MultipliesUpToDegreeNine) {
  const struct {
    std::string_view a, b;
    int code;
    std::string_view m, why;
  } cases[] = {
      {"x+1", "x-1", 1, "x^2-1", "plain product"},
      {"x^5", "x^5", 0, "unchanged", "degree 10 refused"},
      {"x^9", "0", 1, "0", "a zero factor never trips the limit"},
      {"1/2x", "2/3x^8", 1, "1/3x^9", "fractions, degree 9 exactly"},
      {"46341x", "46341", -1, "unchanged", "coefficient product above Long_Max"},
      {"1500000000x+1500000000", "x+1", -1, "unchanged", "the sum 3000000000x overflows"},
  };
  for (const auto& c : cases) {
    Polynomial m = Pol("7");
    EXPECT_EQ(PolMul(Pol(c.a), Pol(c.b), m), c.code) << c.why;
    EXPECT_EQ(PolToText(m), c.code == 1 ? c.m : "7") << c.why;
  }
  Polynomial a = Pol("x+1");
  ASSERT_EQ(PolMul(a, a, a), 1) << "output may be an input";
  EXPECT_EQ(PolToText(a), "x^2+2x+1");
}

TEST(PolDivMod, QuotientRemainderAndCode) {
  const struct {
    std::string_view a, b;
    int code;
    std::string_view q, r, why;
  } cases[] = {
      {"x^2-1", "x-1", 0, "x+1", "0", "exact"},
      {"x^2+1", "x-1", 1, "x+1", "2", "remainder"},
      {"2x", "3x^2", 1, "0", "2x", "divisor of higher degree"},
      {"0", "x+1", 0, "0", "0", "zero dividend"},
      {"x^3+1/2", "2", 0, "1/2x^3+1/4", "0", "constant divisor"},
      {"x+1", "0", -2, "0", "0", "division by the zero polynomial refused"},
      {"x^9", "1/2147483646x+1", -1, "0", "0", "quotient coefficient overflow"},
      {"2000000000x+2000000000", "x-1", -1, "0", "0", "remainder subtraction overflow"},
  };
  for (const auto& c : cases) {
    Polynomial q = Pol("7");
    Polynomial r = Pol("7");
    EXPECT_EQ(PolDivMod(Pol(c.a), Pol(c.b), q, r), c.code) << c.why;
    EXPECT_EQ(PolToText(q), c.q) << c.why;
    EXPECT_EQ(PolToText(r), c.r) << c.why;
  }
}

TEST(PolProportional, FindsTheRatio) {
  Rational k;
  EXPECT_TRUE(PolProportional(Pol("2x+4"), Pol("x+2"), k));
  EXPECT_EQ(RatText(k), "2");
  EXPECT_FALSE(PolProportional(Pol("2x+4"), Pol("x+3"), k));
  EXPECT_FALSE(PolProportional(Pol("x+1"), Pol("x"), k)) << "zero in B only";
  EXPECT_FALSE(PolProportional(Pol("x^2"), Pol("x"), k)) << "degrees differ";
  EXPECT_TRUE(PolProportional(Pol("0"), Pol("0"), k));
  EXPECT_EQ(k.Den, 0) << "the ratio of two zeros is unset";
}

TEST(PolNormalize, PositiveLeadNoCommonFactor) {
  const struct {
    std::string_view g, normal, why;
  } cases[] = {
      {"-2x-4", "x+2", "negative lead, common factor 2"},
      {"1/2x+1/3", "1/2x+1/3", "denominators are left alone"},
      {"6x^2+4/5", "3x^2+2/5", "numerators only"},
      {"-7", "1", "any constant"},
      {"0", "1", "even zero"},
      {"3/-4x+1", "-3/-4x-1", "a negative denominator counts for the sign"},
  };
  for (const auto& c : cases) {
    Polynomial g = Pol(c.g);
    PolNormalize(g);
    EXPECT_EQ(PolToText(g), c.normal) << c.why;
  }
}

TEST(PolHcd, EuclidProportionalAndZeroOperands) {
  const struct {
    std::string_view a, b, hcd, why;
  } cases[] = {
      {"x^2-1", "x^2+2x+1", "x+1", "common root"},
      {"2x^2-2", "4x+4", "x+1", "normalised"},
      {"x+1", "x+2", "1", "coprime"},
      {"3x-1", "x+1", "1", "coprime"},
      {"2x+4", "4x+8", "2x+4", "proportional with k = 1/2: A as it is"},
      {"-2x-4", "-2x-4", "-2x-4", "proportional with k = 1: not normalised"},
      {"0", "x+2", "x+2", "zero operand"},
      {"x", "0", "x", "zero divisor never divided by"},
      {"0", "0", "0", "both zero"},
      {"0", "5", "1", "0 does not divide 5"},
      {"5", "0", "1", "the same the other way round"},
  };
  for (const auto& c : cases) {
    Polynomial g;
    ASSERT_EQ(PolHcd(Pol(c.a), Pol(c.b), g), 1) << c.why;
    EXPECT_EQ(PolToText(g), c.hcd) << c.why;
  }
  Polynomial g = Pol("7");
  EXPECT_EQ(PolHcd(Pol("x^9+2147483646"), Pol("2147483646x^8+1/2147483646"), g), 0)
      << "overflow in the Euclidean steps";
  EXPECT_EQ(PolToText(g), "7");
}

TEST(PolLcm, MultipleAndRefusals) {
  const struct {
    std::string_view a, b;
    int code;
    std::string_view lcm, why;
  } cases[] = {
      {"x-1", "x+1", 1, "x^2-1", "coprime"},
      {"x^2-1", "x+1", 1, "x^2-1", "b divides a"},
      {"x+1", "0", 1, "0", "LCM(A, 0) = 0"},
      {"0", "x+1", 1, "0", "LCM(0, A) = 0"},
      {"0", "0", 1, "0", "both zero"},
      {"x^6+1", "x^6+2", 0, "", "degree 12"},
  };
  for (const auto& c : cases) {
    Polynomial l;
    EXPECT_EQ(PolLcm(Pol(c.a), Pol(c.b), l), c.code) << c.why;
    if (c.code == 1) {
      EXPECT_EQ(PolToText(l), c.lcm) << c.why;
    }
  }
  Polynomial l;
  EXPECT_EQ(PolLcm(Pol("50000x+1"), Pol("50000x+3"), l), -1) << "product coefficient overflow";
}

TEST(PolPow, PowersAndFailures) {
  const struct {
    std::string_view p;
    int n, code;
    std::string_view power, why;
  } cases[] = {
      {"x+1", 3, 0, "x^3+3x^2+3x+1", "binomial"},
      {"2/4x", 1, 0, "2/4x", "n = 1 gives P itself"},
      {"x+1", 0, 1, "", "n below 1"},
      {"x^5", 2, 1, "", "degree 10"},
      {"2", 31, 1, "", "2^31 overflows"},
      {"2", 30, 0, "1073741824", "2^30 fits"},
      {"1", 2000000000, 0, "1", "huge n on 1 answers at once"},
      {"-1", 2000000001, 0, "-1", "odd power of -1"},
      {"2/-2", 2000000000, 0, "1", "even power of -1, typed unreduced"},
      {"0", 2000000000, 0, "0", "zero"},
  };
  for (const auto& c : cases) {
    Polynomial out;
    EXPECT_EQ(PolPow(Pol(c.p), c.n, out), c.code) << c.why;
    if (c.code == 0) {
      EXPECT_EQ(PolToText(out), c.power) << c.why;
    }
  }
}

}  // namespace
}  // namespace tessaro::test
