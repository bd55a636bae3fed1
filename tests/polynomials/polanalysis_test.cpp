#include <algorithm>
#include <numeric>
#include <random>

#include "polynomials/divisors.h"
#include "poltest.h"

namespace tessaro::test {
namespace {

TEST(PolValueAt, ExactValueOrOverflow) {
  const struct {
    std::string_view p;
    Rational x;
    bool ok;
    std::string_view value, why;
  } cases[] = {
      {"x^2-1", {1, 2}, true, "-3/4", "fraction point"},
      {"x^3+7", {0, 5}, true, "7", "zero point, any denominator"},
      {"2/4", {5, 1}, true, "1/2", "a constant, reduced"},
      {"x^9-x", {-1, 1}, true, "0", "negative point, odd powers"},
      {"x^2", {46341, 1}, false, "", "the power passes Long_Max"},
      {"2x", {1073741824, 1}, false, "", "the product passes Long_Max"},
      {"x+2000000000", {2000000000, 1}, false, "", "the sum passes Long_Max"},
      {"x", {1, 0}, false, "", "a point with denominator 0"},
  };
  for (const auto& c : cases) {
    Rational value{99, 1};
    EXPECT_EQ(PolValueAt(Pol(c.p), c.x, value), c.ok) << c.why;
    if (c.ok) {
      EXPECT_EQ(RatText(value), c.value) << c.why;
    }
  }
}

TEST(PolDerivativeIntegral, ResultsAndRefusals) {
  Polynomial r;
  ASSERT_EQ(PolDerivative(Pol("1/3x^3+x"), r), 1);
  EXPECT_EQ(PolToText(r), "x^2+1");
  ASSERT_EQ(PolDerivative(Pol("5"), r), 1);
  EXPECT_EQ(PolToText(r), "0");
  ASSERT_EQ(PolIntegral(Pol("x^2+1"), r), 1);
  EXPECT_EQ(PolToText(r), "1/3x^3+x");
  ASSERT_EQ(PolIntegral(Pol("0"), r), 1);
  EXPECT_EQ(PolToText(r), "0");

  r = Pol("7");
  EXPECT_EQ(PolIntegral(Pol("x^9"), r), 0) << "degree 10";
  EXPECT_EQ(PolDerivative(Pol("1073741824x^2"), r), -1) << "2 * 1073741824";
  EXPECT_EQ(PolIntegral(Pol("1/1073741824x"), r), -1) << "denominator 2 * 1073741824";
  EXPECT_EQ(PolToText(r), "7") << "nothing written on failure";
}

TEST(IntPolValueAt, ValueOrTheOverflowMarker) {
  const struct {
    IntPolynomial ip;
    int32_t v, value;
    std::string_view why;
  } cases[] = {
      {{-1, 0, 1}, 1, 0, "root"},
      {{5, 3}, 0, 5, "zero point"},
      {{1, 1073741822}, 2, 2147483645, "just below Long_Max"},
      {{2, 1073741822}, 2, IntPolOverflow, "reaches Long_Max"},
      {{-2000, 1, 0, 1}, 2000, IntPolOverflow, "2000^3 overflows: dropping it gave a false root"},
  };
  for (const auto& c : cases) EXPECT_EQ(IntPolValueAt(c.ip, c.v), c.value) << c.why;
}

TEST(IntPolDeflate, QuotientOrOverflow) {
  IntPolynomial q;
  ASSERT_TRUE(IntPolDeflate({-6, 1, 1}, 2, q));
  EXPECT_EQ(IntPolToText(q), "x+3");
  q = {7};
  EXPECT_FALSE(IntPolDeflate({0, 0, 0, 1}, 100000, q)) << "10^10 in the quotient";
  EXPECT_EQ(IntPolToText(q), "7");
}

TEST(IntPolContent, HcdOfTheCoefficients) {
  EXPECT_EQ(IntPolContent({6, -4, 0, 2}), 2);
  EXPECT_EQ(IntPolContent({0, 0, -7}), 7);
  EXPECT_EQ(IntPolContent({}), 0);
}

TEST(PolIntRoots, RootsAndAFactorizationEqualToP) {
  const struct {
    std::string_view p;
    int count;
    std::string_view roots, factorization, why;
  } cases[] = {
      {"x^2-1", 2, "-1, 1", "(x+1) (x-1)", "-r before r"},
      {"6x^2-6", 2, "-1, 1", "6(x+1) (x-1)", "content in front"},
      {"x^4", 1, "0, 0, 0, 0", "x^4", "only the root 0"},
      {"x^3-x", 3, "0, -1, 1", "x (x+1) (x-1)", "0 first"},
      {"x^3-3x^2+4", 2, "-1, 2, 2", "(x+1) (x-2)^2", "multiplicity"},
      {"x^3-x^2+x-1", 1, "1", "(x-1) (x^2+1) ", "cofactor with its spaces"},
      {"x^2+1", 0, "  - none -  ", "x^2+1", "no root"},
      {"2x-1", 0, "  - none -  ", "2x-1", "1/2 is not an integer root"},
      {"2x^2+2", 0, "  - none -  ", "2(x^2+1)", "content around the cofactor"},
      {"5", 0, "  - none -  ", "5", "constant"},
      {"6", 0, "  - none -  ", "6", "constant with content"},
      {"1", 0, "  - none -  ", "", "the constant 1"},
      {"1/2x^2-1/2", 2, "-1, 1", "1/2(x+1) (x-1)", "scaled: 1/2 in front"},
      {"-x^2+1", 2, "-1, 1", "-(x+1) (x-1)", "negative constant cofactor"},
      {"-x^2-1", 0, "  - none -  ", "-(x^2+1)", "negative cofactor"},
      {"-6x^2+6", 2, "-1, 1", "-6(x+1) (x-1)", "negative content"},
      {"-2x+1", 0, "  - none -  ", "-(2x-1)", "negative cofactor of degree 1"},
      {"5/3", 0, "  - none -  ", "5/3", "fraction constant"},
      {"-1", 0, "  - none -  ", "-1", "the constant -1 stands alone"},
      {"2/3x^3-2/3x^2", 2, "0, 0, 1", "2/3x^2 (x-1)", "fraction before x"},
      {"0", 0, "  - all -  ", "0", "zero polynomial ends at once"},
  };
  for (const auto& c : cases) {
    RootList list;
    EXPECT_EQ(PolIntRoots(Pol(c.p), list), c.count) << c.why;
    const TwoS texts = RootsText(list);
    EXPECT_EQ(texts.roots, c.roots) << c.why;
    EXPECT_EQ(texts.factorization, c.factorization) << c.why;
  }
}

TEST(PolIntRoots, OverflowIsNotCalculable) {
  const struct {
    std::string_view p, why;
  } cases[] = {
      {"x^3+x-2000", "2000^3 passes Long_Max: no false root 2000"},
      {"1/65536x+1/65537", "the scaling overflows"},
      {"x^9+x+2147483646", "a candidate's value overflows"},
  };
  for (const auto& c : cases) {
    RootList list;
    EXPECT_EQ(PolIntRoots(Pol(c.p), list), -1) << c.why;
  }
}

TEST(PolIntRoots, LargeConstantTermsEndQuickly) {
  // A plain trial of every s up to the constant term would take seconds here.
  RootList list;
  EXPECT_EQ(PolIntRoots(Pol("x+2147483629"), list), 1) << "the last candidate but one";
  EXPECT_EQ(list.roots[0], -2147483629);
  EXPECT_EQ(PolIntRoots(Pol("x-2147483629"), list), -1) << "-2147483629 is tried first";
  EXPECT_EQ(PolIntRoots(Pol("x^2+2147483646"), list), -1) << "192 divisors, then overflow";
  EXPECT_EQ(PolIntRoots(Pol("2147483646"), list), 0);
}

TEST(RootsText, ListBuiltByHandKeepsTheContentRule) {
  RootList list;
  list.count = 2;
  list.roots = {-3, 2};
  list.multiplicities = {1, 2};
  list.content = 4;
  list.cofactor = {1};
  EXPECT_EQ(RootsText(list).roots, "-3, 2, 2");
  EXPECT_EQ(RootsText(list).factorization, "4(x+3) (x-2)^2");
}

TEST(DivisorsAscending, SameCandidatesInTheSameOrderAsAPlainTrial) {
  const auto plain = [](int32_t e) {
    std::vector<int32_t> divisors;
    for (int32_t s = 1; s <= e; ++s) {
      if (e % s == 0) divisors.push_back(s);
    }
    return divisors;
  };
  std::mt19937 random(4);
  std::vector<int32_t> values(1000);
  std::iota(values.begin(), values.end(), 1);
  for (int i = 0; i < 100; ++i) values.push_back(std::uniform_int_distribution(1, 300000)(random));
  for (const int32_t e : values) ASSERT_EQ(DivisorsAscending(e), plain(e)) << e;

  EXPECT_EQ(DivisorsAscending(2147483629), (std::vector<int32_t>{1, 2147483629})) << "prime";
  const std::vector<int32_t> many = DivisorsAscending(2147483646);
  EXPECT_EQ(many.size(), 192u) << "2 * 3^2 * 7 * 11 * 31 * 151 * 331";
  EXPECT_TRUE(std::is_sorted(many.begin(), many.end()));
  for (const int32_t s : many) EXPECT_EQ(2147483646 % s, 0);
  EXPECT_TRUE(DivisorsAscending(0).empty());
}

}  // namespace
}  // namespace tessaro::test
