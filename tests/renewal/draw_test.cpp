#include "renewal/draw.h"

#include "polynomials/polanalysis.h"
#include "polynomials/polarith.h"
#include "renewal/rangestest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

namespace tessaro {
namespace {

using namespace test;

constexpr int Seeds = 300;

TEST(DrawEuclidPair, TakesExactlyTheDivisionsAskedWithinTheRange) {
  const struct {
    const char* why;
    std::int32_t min, max;
  } rows[] = {
      {"the least room for eight divisions", 1, 55},
      {"small positive", 1, 100},
      {"across 0", -1000, 1000},
      {"lopsided across 0", -20, 3000},
      {"negative only", -500, -1},
      {"the widest", -2147483646, 2147483646},
  };
  for (const auto& row : rows) {
    for (int steps = 1; steps <= MaxEuclidSteps; ++steps) {
      if (std::max(std::abs(row.min), std::abs(row.max)) < LeastEuclidNumber(steps)) continue;
      SCOPED_TRACE(std::string(row.why) + ", " + std::to_string(steps) + " divisions");
      for (std::uint64_t seed = 0; seed < Seeds; ++seed) {
        Stream s(seed);
        const std::optional<IntegerPair> pair = DrawEuclidPair(s, row.min, row.max, steps);
        // A range that reaches 0 places every magnitude with one sign or the other: no draw
        // is thrown away.
        ASSERT_TRUE(pair) << "seed " << seed;
        ASSERT_GE(pair->a, row.min);
        ASSERT_LE(pair->a, row.max);
        ASSERT_GE(pair->b, row.min);
        ASSERT_LE(pair->b, row.max);
        ASSERT_NE(pair->b, 0);
        ASSERT_GE(std::llabs(pair->a), std::llabs(pair->b)) << "the larger first, as taught";
        ASSERT_EQ(Divisions(pair->a, pair->b), steps) << pair->a << ", " << pair->b;
      }
    }
  }
}

TEST(DrawEuclidPair, ReachesLargePairsAndSmallOnes) {
  std::set<std::int32_t> hcds;
  std::int64_t largest = 0;
  for (std::uint64_t seed = 0; seed < Seeds; ++seed) {
    Stream s(seed);
    const std::optional<IntegerPair> pair = DrawEuclidPair(s, 1, 1000000, 3);
    ASSERT_TRUE(pair);
    hcds.insert(Hcd(pair->a, pair->b));
    largest = std::max<std::int64_t>(largest, pair->a);
  }
  EXPECT_GT(hcds.size(), 50u) << "the hcd varies";
  EXPECT_GT(largest, 100000) << "the whole range is used";
}

Ranges PolRanges(IntRange degree, bool intRoots, IntRange roots = {-5, 5}) {
  Ranges r = DefaultRanges(PolynomialPairParams{});
  r.degree = degree;
  r.int_roots = intRoots;
  r.roots = roots;
  return r;
}

// What PolIntRoots finds, as root -> multiplicity; none when its search overflows.
std::optional<std::map<std::int32_t, int>> FoundRoots(const Polynomial& p) {
  RootList list{};
  if (PolIntRoots(p, list) < 0) return std::nullopt;
  std::map<std::int32_t, int> found;
  for (int i = 0; i < list.count; ++i) found[list.roots[i]] = list.multiplicities[i];
  return found;
}

TEST(DrawPolynomial, IntRootsGiveBackExactlyTheirRoots) {
  const struct {
    const char* why;
    IntRange degree, roots;
  } rows[] = {
      {"the default roots", {1, 8}, {-5, 5}},
      {"degree 9, many repeats", {9, 9}, {-2, 2}},
      {"far roots", {1, 3}, {-300, 300}},
      {"constants", {0, 0}, {-5, 5}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    const Ranges r = PolRanges(row.degree, true, row.roots);
    int built = 0;
    for (std::uint64_t seed = 0; seed < Seeds; ++seed) {
      Stream s(seed);
      const std::optional<DrawnPolynomial> d = DrawPolynomial(s, r);
      // Coefficients beyond Long_Max, or a search that overflows ("Not calculable"): renewal
      // draws those again.
      if (!d || !FoundRoots(d->p)) continue;
      ++built;
      const int degree = PolDegree(d->p);
      ASSERT_GE(degree, row.degree.lo);
      ASSERT_LE(degree, row.degree.hi);
      ASSERT_EQ(static_cast<int>(d->roots.size()), degree);
      std::map<std::int32_t, int> drawn;
      for (std::int32_t root : d->roots) {
        ASSERT_GE(root, row.roots.lo);
        ASSERT_LE(root, row.roots.hi);
        ++drawn[root];
      }
      ASSERT_EQ(*FoundRoots(d->p), drawn) << PolToText(d->p);
      const Rational lead = d->p[degree];
      ASSERT_EQ(lead.Den, 1);
      ASSERT_GE(lead.Num, r.lead->lo);
      ASSERT_LE(lead.Num, r.lead->hi);
    }
    EXPECT_GT(built, Seeds / 2) << "most draws fit 32 bits";
  }
}

// A factor drawn by DrawPolynomial: integer coefficients, the leading one from lead.
void ExpectFactorInRanges(const Polynomial& p, const Ranges& r) {
  const int degree = PolDegree(p);
  for (int k = 0; k <= degree; ++k) {
    ASSERT_EQ(p[k].Den, 1) << PolToText(p);
    const IntRange& range = k == degree ? *r.lead : *r.coef;
    ASSERT_GE(p[k].Num, range.lo) << PolToText(p);
    ASSERT_LE(p[k].Num, range.hi) << PolToText(p);
  }
}

TEST(DrawCommonFactorPair, SharesAFactorOfDegreeOneOrMore) {
  const struct {
    const char* why;
    Ranges ranges;
  } rows[] = {
      {"the default dice", PolRanges({1, 8}, false)},
      {"degrees from 0 still give degree 1", PolRanges({0, 2}, false)},
      {"integer roots", PolRanges({1, 5}, true)},
      {"lines with integer roots", PolRanges({1, 1}, true, {-9, 9})},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    int built = 0;
    for (std::uint64_t seed = 0; seed < Seeds; ++seed) {
      Stream s(seed);
      const std::optional<PolynomialPair> pair = DrawCommonFactorPair(s, row.ranges);
      Polynomial g{};
      // Coefficients or an hcd beyond Long_Max: renewal draws those again.
      if (!pair || PolHcd(pair->a.p, pair->b.p, g) != 1) continue;
      ++built;
      for (const Polynomial* p : {&pair->a.p, &pair->b.p}) {
        ASSERT_GE(PolDegree(*p), std::max(1, row.ranges.degree->lo));
        ASSERT_LE(PolDegree(*p), row.ranges.degree->hi);
      }
      ASSERT_GE(PolDegree(g), 1) << PolToText(pair->a.p) << " and " << PolToText(pair->b.p);
      // F divides both, and F and both quotients keep to the ranges.
      const Polynomial& f = pair->factor;
      ASSERT_GE(PolDegree(f), 1);
      for (const Polynomial* p : {&pair->a.p, &pair->b.p}) {
        Polynomial q{}, rest{};
        ASSERT_EQ(PolDivMod(*p, f, q, rest), 0) << PolToText(f) << " divides " << PolToText(*p);
        if (!*row.ranges.int_roots) {
          ExpectFactorInRanges(q, row.ranges);
          ExpectFactorInRanges(f, row.ranges);
        }
      }
    }
    EXPECT_GT(built, Seeds / 2);
  }
}

}  // namespace
}  // namespace tessaro
