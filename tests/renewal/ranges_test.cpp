#include "renewal/ranges.h"

#include "renewal/rangestest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaro {
namespace {

using namespace test;

// One problem of every kind but text, with the window's usual inputs.
std::vector<ProblemParams> EveryKind() {
  return {IntegerSingleParams{12, 2, 12},
          IntegerPairParams{7, 2, 2},
          IntegerListParams{{12, 18, 30}},
          IntegerCombinedParams{"a+b*c", {1, 2, 3}, 2},
          FractionPairParams{"1/2", "3/4"},
          FractionCombinedParams{"a+b", {"1/2", "3/4"}},
          PolynomialSingleParams{"x^2-1", "0"},
          PolynomialPairParams{"x^3-x", "x^2-1"},
          PolynomialCombinedParams{"A*B", {"x", "x+1"}}};
}

TEST(Ranges, EveryKindsDefaultsHoldAndComeFromItsDice) {
  for (const ProblemParams& params : EveryKind()) {
    SCOPED_TRACE(std::string(KindName(params)));
    const Ranges defaults = DefaultRanges(params);
    EXPECT_FALSE(CheckRanges(params, defaults)) << "the defaults of a kind always hold";
    EXPECT_FALSE(CheckRanges(params, Ranges{})) << "no field given: the defaults";
    EXPECT_EQ(WithDefaults(params, Ranges{}), defaults);
  }
  // The dice the windows throw: n1 and n2 1..10, the list 1..30, fractions 1..30 over
  // 2..41, polynomials of degree 1..8 led by 1..9 with the other coefficients in -8..8.
  const Ranges pair = DefaultRanges(IntegerPairParams{});
  EXPECT_EQ(pair.min, 1);
  EXPECT_EQ(pair.max, 10);
  EXPECT_FALSE(pair.euclid_steps) << "any number of divisions unless asked";
  EXPECT_EQ(DefaultRanges(IntegerListParams{}).max, 30);
  const Ranges fraction = DefaultRanges(FractionPairParams{});
  EXPECT_EQ(fraction.max_num, 30);
  EXPECT_EQ(fraction.max_den, 41);
  const Ranges pol = DefaultRanges(PolynomialPairParams{});
  EXPECT_EQ(pol.degree, (IntRange{1, 8}));
  EXPECT_EQ(pol.lead, (IntRange{1, 9}));
  EXPECT_EQ(pol.coef, (IntRange{-8, 8}));
  EXPECT_EQ(DefaultRanges(TextParams{}), Ranges{}) << "a text problem has no ranges";
}

// The keys a file's "ranges" object and the dialog offer for each kind.
TEST(Ranges, EachKindHasItsFields) {
  const struct {
    ProblemParams params;
    const char* keys;
  } rows[] = {
      {TextParams{}, ""},
      {IntegerSingleParams{}, "min max "},
      {IntegerPairParams{}, "min max euclid_steps "},
      {IntegerCombinedParams{}, "min max "},
      {FractionCombinedParams{}, "max_num max_den proper "},
      {PolynomialSingleParams{}, "degree coef lead int_roots roots point "},
      {PolynomialPairParams{}, "degree coef lead int_roots roots common_factor "},
      {PolynomialCombinedParams{}, "degree coef lead int_roots roots "},
  };
  for (const auto& row : rows) {
    std::string keys;
    ForEachRangeField([&](std::string_view key, auto) {
      if (HasRangeField(row.params, key)) keys += std::string(key) + " ";
    });
    EXPECT_EQ(keys, row.keys) << KindName(row.params);
  }
}

TEST(Ranges, GivenFieldsOverrideTheDefaults) {
  Ranges given;
  given.max = 500;
  given.euclid_steps = 4;
  const Ranges r = WithDefaults(IntegerPairParams{}, given);
  EXPECT_EQ(r.min, 1);
  EXPECT_EQ(r.max, 500);
  EXPECT_EQ(r.euclid_steps, 4);
}

struct RefusedRow {
  const char* why;
  ProblemParams params;
  Ranges ranges;
  const char* message;  // RefusalText, which starts with the field
};

TEST(Ranges, RefusesRangesThatCannotHoldNamingTheField) {
  Ranges point = Pols({1, 3});
  point.point = IntRange{4, -4};
  Ranges noFactor = Pols({0, 0});
  noFactor.common_factor = true;
  Ranges foreignProper;
  foreignProper.proper = true;
  Ranges foreignPoint;
  foreignPoint.point = IntRange{0, 1};
  Ranges roots = Pols({1, 3});
  roots.roots = IntRange{-2147483647, 0};
  const RefusedRow rows[] = {
      {"min above max", IntegerSingleParams{}, Ints(5, 3), "max is below min (3 < 5)"},
      {"min beyond Long_Max", IntegerListParams{}, Ints(-2147483647, 3),
       "min must be from -2147483646 to 2147483646"},
      {"max beyond Long_Max", IntegerCombinedParams{}, Ints(0, 2147483647),
       "max must be from -2147483646 to 2147483646"},
      {"b of a pair is never 0", IntegerPairParams{}, Ints(0, 0),
       "max leaves only 0 to draw, and b is never 0"},
      {"no division at all", IntegerPairParams{}, Ints(1, 100, 0),
       "euclid_steps must be from 1 to 8"},
      {"nine divisions", IntegerPairParams{}, Ints(1, 100, 9), "euclid_steps must be from 1 to 8"},
      {"five divisions need 13 (Lamé)", IntegerPairParams{}, Ints(1, 12, 5),
       "euclid_steps of 5 needs a number of 13 or more in magnitude; min and max allow at most "
       "12"},
      {"negative numbers count by magnitude", IntegerPairParams{}, Ints(-54, 0, 8),
       "euclid_steps of 8 needs a number of 55 or more in magnitude; min and max allow at most "
       "54"},
      {"euclid_steps is only for a pair", IntegerSingleParams{}, Ints(1, 100, 2),
       "euclid_steps is not a range of integer-single problems"},
      {"no numerator", FractionPairParams{}, Fractions(0, 10),
       "max_num must be from 1 to 2147483646"},
      {"a denominator 1 makes whole numbers", FractionCombinedParams{}, Fractions(10, 1),
       "max_den must be from 2 to 2147483646"},
      {"proper is a fraction field", PolynomialSingleParams{}, foreignProper,
       "proper is not a range of polynomial-single problems"},
      {"a degree above 9", PolynomialSingleParams{}, Pols({1, 10}),
       "degree must lie within 0 to 9"},
      {"a negative degree", PolynomialPairParams{}, Pols({-1, 3}), "degree must lie within 0 to 9"},
      {"degree backwards", PolynomialCombinedParams{}, Pols({5, 3}),
       "degree starts above its end (5 > 3)"},
      {"no integral of degree 9 or less", PolynomialSingleParams{}, Pols({9, 9}),
       "degree starts at 9, and the integral of a polynomial of degree 9 is beyond degree 9"},
      {"no product of degree 9 or less", PolynomialPairParams{}, Pols({5, 8}),
       "degree starts at 5, and the product of two polynomials of that degree is beyond degree "
       "9"},
      {"coef backwards", PolynomialSingleParams{}, Pols({1, 3}, {2, -2}),
       "coef starts above its end (2 > -2)"},
      {"a leading coefficient of 0", PolynomialPairParams{}, Pols({1, 3}, {-8, 8}, {0, 0}),
       "lead holds only 0, and a leading coefficient is never 0"},
      {"roots beyond Long_Max", PolynomialSingleParams{}, roots,
       "roots must lie within -2147483646 to 2147483646"},
      {"point backwards", PolynomialSingleParams{}, point, "point starts above its end (4 > -4)"},
      {"point is only for a single polynomial", PolynomialPairParams{}, foreignPoint,
       "point is not a range of polynomial-pair problems"},
      {"a common factor needs degree 1", PolynomialPairParams{}, noFactor,
       "common_factor needs a degree of 1 or more; degree goes up to 0"},
      {"a text problem has no ranges", TextParams{}, Ints(1, 2),
       "min is not a range of text problems"},
  };
  for (const RefusedRow& row : rows) {
    SCOPED_TRACE(row.why);
    const std::optional<RangeRefusal> refusal = CheckRanges(row.params, row.ranges);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(RefusalText(*refusal), row.message);
    EXPECT_EQ(std::string(row.message).rfind(refusal->field + " ", 0), 0u)
        << "the message starts with the field's key";
  }
}

TEST(Ranges, AcceptsTheEdgesThatHold) {
  Ranges constants = Pols({0, 0});
  Ranges widest = Pols({9, 9}, {-2147483646, 2147483646}, {-2147483646, 2147483646});
  widest.int_roots = true;
  widest.roots = IntRange{-2147483646, 2147483646};
  const struct {
    const char* why;
    ProblemParams params;
    Ranges ranges;
  } rows[] = {
      {"one value", IntegerSingleParams{}, Ints(0, 0)},
      {"the widest range", IntegerListParams{}, Ints(-2147483646, 2147483646)},
      {"eight divisions in 55", IntegerPairParams{}, Ints(1, 55, 8)},
      {"eight divisions in -55", IntegerPairParams{}, Ints(-55, -1, 8)},
      {"one division in 1", IntegerPairParams{}, Ints(1, 1, 1)},
      {"b may be negative only", IntegerPairParams{}, Ints(-1, 0)},
      {"one fraction: 1/2", FractionPairParams{}, Fractions(1, 2)},
      {"constants", PolynomialCombinedParams{}, constants},
      {"degree 9, the widest coefficients", PolynomialCombinedParams{}, widest},
      {"degree 8 has an integral", PolynomialSingleParams{}, Pols({8, 9})},
      {"4 + 4 is 8", PolynomialPairParams{}, Pols({4, 9})},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    const std::optional<RangeRefusal> refusal = CheckRanges(row.params, row.ranges);
    EXPECT_FALSE(refusal) << RefusalText(*refusal);
  }
}

// The least larger number of a pair taking n divisions, found by trying every pair.
TEST(Ranges, LeastEuclidNumberIsTheSmallestThatTakesThatManyDivisions) {
  for (int steps = 1; steps <= MaxEuclidSteps; ++steps) {
    int least = 0;
    for (int a = 1; least == 0 && a <= 100; ++a)
      for (int b = 1; b <= a; ++b)
        if (Divisions(a, b) == steps) {
          least = a;
          break;
        }
    EXPECT_EQ(LeastEuclidNumber(steps), least) << steps << " divisions";
  }
}

}  // namespace
}  // namespace tessaro
