#include "renewal/renew.h"

#include "panels/failuretexts.h"
#include "polynomials/polanalysis.h"
#include "polynomials/polarith.h"
#include "renewal/rangestest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace tessaro {
namespace {

using namespace test;

constexpr int Seeds = 200;

// ---- What a renewed problem must satisfy, kind by kind ----

void ExpectInt(std::int32_t v, const Ranges& r) {
  EXPECT_GE(v, *r.min);
  EXPECT_LE(v, *r.max);
}

void ExpectDifferent(const std::vector<std::int32_t>& v) {
  EXPECT_EQ(std::set<std::int32_t>(v.begin(), v.end()).size(), v.size());
}

void ExpectFraction(const std::string& text, const Ranges& r) {
  Rational f;
  ASSERT_TRUE(RatFromText(text, f)) << text;
  EXPECT_GE(f.Num, 1) << text;
  EXPECT_LE(f.Num, *r.max_num) << text;
  EXPECT_GE(f.Den, 2) << text << ": never 0, never whole";
  EXPECT_LE(f.Den, *r.max_den) << text;
  EXPECT_EQ(Hcd(f.Num, f.Den), 1) << text;
  if (*r.proper) {
    EXPECT_LT(f.Num, f.Den) << text;
  }
}

// With a common factor and no int_roots, lead and coef bound the factors, not A and B.
Polynomial ExpectPolynomial(const std::string& text, const Ranges& r, bool products = false) {
  Polynomial p{};
  EXPECT_TRUE(PolFromText(text, p)) << text;
  const int degree = PolDegree(p);
  EXPECT_GE(degree, r.degree->lo) << text;
  EXPECT_LE(degree, r.degree->hi) << text;
  EXPECT_NE(p[degree].Num, 0) << text;
  if (products) return p;
  EXPECT_GE(p[degree].Num, r.lead->lo) << text;
  EXPECT_LE(p[degree].Num, r.lead->hi) << text;
  if (*r.int_roots) {
    // Every root an integer of the range: the search finds roots whose multiplicities fill
    // the whole degree.
    RootList roots{};
    EXPECT_GE(PolIntRoots(p, roots), 0) << text;
    int found = 0;
    for (int i = 0; i < roots.count; ++i) {
      EXPECT_GE(roots.roots[i], r.roots->lo) << text;
      EXPECT_LE(roots.roots[i], r.roots->hi) << text;
      found += roots.multiplicities[i];
    }
    EXPECT_EQ(found, degree) << text;
  } else {
    for (int k = 0; k < degree; ++k) {
      EXPECT_GE(p[k].Num, r.coef->lo) << text;
      EXPECT_LE(p[k].Num, r.coef->hi) << text;
    }
  }
  return p;
}

// `after` is `before` with fresh numbers within `r` (the ranges with their defaults).
void ExpectRenewed(const ProblemParams& before, const ProblemParams& after, const Ranges& r) {
  ASSERT_EQ(before.index(), after.index()) << "the same kind";
  if (auto* b = std::get_if<IntegerSingleParams>(&before)) {
    const auto& a = std::get<IntegerSingleParams>(after);
    ExpectInt(a.n, r);
    EXPECT_EQ(a.exponent, b->exponent);
    EXPECT_EQ(a.basis, b->basis);
  } else if (auto* b = std::get_if<IntegerPairParams>(&before)) {
    const auto& a = std::get<IntegerPairParams>(after);
    ExpectInt(a.a, r);
    ExpectInt(a.b, r);
    EXPECT_NE(a.b, 0);
    EXPECT_EQ(a.decimals, b->decimals);
    if (r.euclid_steps) {
      EXPECT_EQ(Divisions(a.a, a.b), *r.euclid_steps) << a.a << ", " << a.b;
    }
  } else if (auto* b = std::get_if<IntegerListParams>(&before)) {
    const auto& a = std::get<IntegerListParams>(after);
    ASSERT_EQ(a.numbers.size(), b->numbers.size());
    for (std::int32_t v : a.numbers) ExpectInt(v, r);
    ExpectDifferent(a.numbers);
  } else if (auto* b = std::get_if<IntegerCombinedParams>(&before)) {
    const auto& a = std::get<IntegerCombinedParams>(after);
    EXPECT_EQ(a.expression, b->expression);
    EXPECT_EQ(a.decimals, b->decimals);
    ASSERT_EQ(a.numbers.size(), b->numbers.size());
    for (std::int32_t v : a.numbers) ExpectInt(v, r);
    ExpectDifferent(a.numbers);
  } else if (std::holds_alternative<FractionPairParams>(before)) {
    const auto& a = std::get<FractionPairParams>(after);
    ExpectFraction(a.f1, r);
    ExpectFraction(a.f2, r);
    EXPECT_NE(a.f1, a.f2);
  } else if (auto* b = std::get_if<FractionCombinedParams>(&before)) {
    const auto& a = std::get<FractionCombinedParams>(after);
    EXPECT_EQ(a.expression, b->expression);
    ASSERT_EQ(a.fractions.size(), b->fractions.size());
    for (const std::string& f : a.fractions) ExpectFraction(f, r);
    EXPECT_EQ(std::set<std::string>(a.fractions.begin(), a.fractions.end()).size(),
              a.fractions.size());
  } else if (std::holds_alternative<PolynomialSingleParams>(before)) {
    const auto& a = std::get<PolynomialSingleParams>(after);
    ExpectPolynomial(a.p, r);
    const std::int32_t x = std::stoi(a.x);
    EXPECT_EQ(std::to_string(x), a.x);
    EXPECT_GE(x, r.point->lo);
    EXPECT_LE(x, r.point->hi);
  } else if (std::holds_alternative<PolynomialPairParams>(before)) {
    const auto& a = std::get<PolynomialPairParams>(after);
    const bool products = *r.common_factor && !*r.int_roots;
    const Polynomial pa = ExpectPolynomial(a.a, r, products);
    const Polynomial pb = ExpectPolynomial(a.b, r, products);
    if (*r.common_factor) {
      Polynomial g{};
      ASSERT_EQ(PolHcd(pa, pb, g), 1);
      EXPECT_GE(PolDegree(g), 1) << a.a << " and " << a.b << " share a factor";
    }
  } else if (auto* b = std::get_if<PolynomialCombinedParams>(&before)) {
    const auto& a = std::get<PolynomialCombinedParams>(after);
    EXPECT_EQ(a.expression, b->expression);
    ASSERT_EQ(a.polynomials.size(), b->polynomials.size());
    for (const std::string& p : a.polynomials) ExpectPolynomial(p, r);
  } else {
    FAIL() << "a kind without checks";
  }
}

struct KindRow {
  const char* why;
  ProblemParams params;
  Ranges ranges;
};

std::vector<KindRow> KindRows() {
  Ranges lowerPols = Pols({1, 3});
  lowerPols.coef = IntRange{-2, 2};
  lowerPols.lead = IntRange{-3, -1};
  return {
      {"N within the two-integer dice", IntegerSingleParams{12, 2, 12}, {}},
      {"N^9 and N! refuse many N", IntegerSingleParams{5, 9, 7}, Ints(-20, 200)},
      {"a pair within the dice", IntegerPairParams{7, 2, 3}, {}},
      {"a pair across 0", IntegerPairParams{7, 2, 9}, Ints(-50, 50)},
      {"b of -1 or 1", IntegerPairParams{7, 2, 9}, Ints(-1, 1)},
      {"five divisions", IntegerPairParams{7, 2, 2}, Ints(1, 1000, 5)},
      {"eight divisions, negative too", IntegerPairParams{7, 2, 2}, Ints(-100, 100, 8)},
      {"a full list in 1..30", IntegerListParams{std::vector<std::int32_t>(23, 0)}, {}},
      {"a list as long as its range", IntegerListParams{std::vector<std::int32_t>(23, 0)},
       Ints(-11, 11)},
      {"a list whose LCM often overflows", IntegerListParams{{1, 2, 3, 4, 5}},
       Ints(-1000, 1000)},
      {"a combined operation that may divide by 0", IntegerCombinedParams{"a/b+c", {1, 2, 3}, 4},
       Ints(-5, 5)},
      {"the widest numbers", IntegerCombinedParams{"a-b", {1, 2}, 2},
       Ints(-2147483646, 2147483646)},
      {"fractions of the dice", FractionPairParams{"1/2", "3/4"}, {}},
      {"only halves and thirds", FractionPairParams{"1/2", "3/4"}, Fractions(2, 3)},
      {"numerators far above the denominators", FractionPairParams{"1/2", "3/4"},
       Fractions(1000, 3)},
      {"proper with few denominators", FractionCombinedParams{"a+b", {"1/2", "1/3"}},
       Fractions(1000, 3, true)},
      {"proper fractions", FractionPairParams{"1/2", "3/4"}, Fractions(100, 12, true)},
      {"a full fraction list", FractionCombinedParams{"a*b-c", std::vector<std::string>(22, "1/2")},
       {}},
      {"a short proper list", FractionCombinedParams{"a/b", {"1/2", "1/3"}},
       Fractions(5, 6, true)},
      {"the polynomial dice", PolynomialSingleParams{"x^2-1", "0"}, {}},
      {"integer roots", PolynomialSingleParams{"x^2-1", "0"}, IntRoots(Pols({1, 8}))},
      {"constants", PolynomialSingleParams{"x^2-1", "0"}, Pols({0, 0})},
      {"a pair of the dice", PolynomialPairParams{"x", "x"}, {}},
      {"a pair with a common factor", PolynomialPairParams{"x", "x"}, CommonFactor(Pols({1, 5}))},
      {"a common root", PolynomialPairParams{"x", "x"}, CommonFactor(IntRoots(Pols({1, 4})))},
      {"a polynomial list", PolynomialCombinedParams{"A*B+C", {"x", "x", "x"}}, lowerPols},
      {"a list with integer roots", PolynomialCombinedParams{"A-B", {"x", "x"}},
       IntRoots(Pols({2, 4}))},
  };
}

TEST(Renew, EveryKindDrawsWithinItsRangesAndMakesTheWindowsTexts) {
  for (const KindRow& row : KindRows()) {
    SCOPED_TRACE(row.why);
    const Ranges r = WithDefaults(row.params, row.ranges);
    std::set<std::string> questions;
    for (std::uint64_t seed = 0; seed < Seeds; ++seed) {
      SCOPED_TRACE("seed " + std::to_string(seed));
      Stream stream(seed);
      const Renewal renewal = Renew(row.params, row.ranges, stream);
      ASSERT_EQ(renewal.outcome, RenewOutcome::Renewed) << renewal.message;
      ASSERT_GE(renewal.draws, 1);
      ExpectRenewed(row.params, renewal.params, r);
      const MadeProblem made = MakeProblem(renewal.params);
      ASSERT_TRUE(made.texts);
      EXPECT_EQ(renewal.texts.Enun, made.texts->Enun);
      EXPECT_EQ(renewal.texts.Resp, made.texts->Resp);
      EXPECT_FALSE(HoldsFailureText(renewal.texts.Resp)) << renewal.texts.Resp;
      if (HasFailure()) return;
      questions.insert(renewal.texts.Enun);
    }
    EXPECT_GE(questions.size(), 4u) << "seeds give other numbers";
  }
}

TEST(Renew, LeavesATextProblemAsItIs) {
  Stream stream(1);
  const Renewal renewal = Renew(TextParams{}, Ranges{}, stream);
  EXPECT_EQ(renewal.outcome, RenewOutcome::Kept);
  EXPECT_TRUE(std::holds_alternative<TextParams>(renewal.params));
  EXPECT_EQ(renewal.draws, 0);
  EXPECT_EQ(Stream(1).Next(), stream.Next()) << "nothing drawn";
}

TEST(Renew, TakesTheSameFractionTwiceOnlyWhenTheRangesHoldNoOther) {
  Stream stream(5);
  const Renewal renewal = Renew(FractionPairParams{"1/3", "2/3"}, Fractions(1, 2), stream);
  ASSERT_EQ(renewal.outcome, RenewOutcome::Renewed);
  EXPECT_EQ(std::get<FractionPairParams>(renewal.params).f1, "1/2");
  EXPECT_EQ(std::get<FractionPairParams>(renewal.params).f2, "1/2");
}

struct RefusalRow {
  const char* why;
  ProblemParams params;
  Ranges ranges;
  const char* field;
  const char* message;
  int draws;
};

TEST(Renew, SaysWhichRangeToChangeWhenNoDrawHolds) {
  const RefusalRow rows[] = {
      {"a range refused before drawing", IntegerSingleParams{}, Ints(5, 3), "max",
       "max is below min (3 < 5)", 0},
      {"too few numbers for the list", IntegerListParams{{1, 2, 3, 4, 5}}, Ints(1, 3), "max",
       "min to max (1 to 3) holds fewer than the 5 different numbers of the list. Widen min and "
       "max.",
       0},
      {"every N^9 overflows", IntegerSingleParams{5, 9, 12}, Ints(200, 300), "max",
       "No new numbers after 1000 draws: every draw gave a result the program cannot show (an "
       "overflow or \"Not calculable\") within min and max (200 to 300). Narrow min and max.",
       MaxDraws},
      {"eight divisions need a smaller b than min allows", IntegerPairParams{}, Ints(50, 60, 8),
       "min",
       "No new numbers after 1000 draws: no pair within min and max (50 to 60) takes exactly 8 "
       "divisions of Euclid's algorithm. Widen min and max, or lower euclid_steps.",
       MaxDraws},
      {"an expression that always divides by 0", IntegerCombinedParams{"a/(b-b)", {1, 2}, 2},
       {}, "max",
       "No new numbers after 1000 draws: the program refused every draw (expression cannot be "
       "calculated) within min and max (1 to 30). Change min and max.",
       MaxDraws},
      {"two fractions for a list of five", FractionCombinedParams{"a", {"1", "2", "3", "4", "5"}},
       Fractions(1, 3), "max_den",
       "No new numbers after 1000 draws: max_num and max_den (1 and 3) leave too few different "
       "fractions for a list of 5. Widen max_num and max_den.",
       MaxDraws},
      {"every sum of huge fractions overflows", FractionPairParams{},
       Fractions(2147483646, 2147483646), "max_den",
       "No new numbers after 1000 draws: every draw gave a result the program cannot show (an "
       "overflow or \"Not calculable\"). Narrow max_num and max_den (2147483646 and "
       "2147483646).",
       MaxDraws},
      {"the integral of degree 9 is refused before drawing", PolynomialSingleParams{},
       Pols({9, 9}), "degree",
       "degree starts at 9, and the integral of a polynomial of degree 9 is beyond degree 9", 0},
      {"a product of three of degree 4 or more", PolynomialCombinedParams{"A*B*C", {"x", "x", "x"}},
       Pols({4, 9}), "degree",
       "No new numbers after 1000 draws: every draw gave a result of degree above 9 (\"Degree "
       "of result >9\"). Lower the top of degree (now 9).",
       MaxDraws},
      {"a power of degree above 9", PolynomialCombinedParams{"A^10", {"x"}}, {}, "degree",
       "No new numbers after 1000 draws: every draw gave a result of degree above 9 (\"Degree "
       "of result >9\"). Lower the top of degree (now 8).",
       MaxDraws},
  };
  for (const RefusalRow& row : rows) {
    SCOPED_TRACE(row.why);
    Stream stream(11);
    const Renewal renewal = Renew(row.params, row.ranges, stream);
    EXPECT_EQ(renewal.outcome, RenewOutcome::Refused);
    EXPECT_EQ(renewal.field, row.field);
    EXPECT_EQ(renewal.message, row.message);
    EXPECT_EQ(renewal.draws, row.draws);
    EXPECT_EQ(KindName(renewal.params), KindName(row.params)) << "the problem stays";
  }
}

// ---- Lists, seeds and versions ----

std::vector<RenewalInput> Sheet() {
  std::vector<RenewalInput> sheet;
  for (const KindRow& row : KindRows()) sheet.push_back({row.params, row.ranges});
  sheet.push_back({TextParams{}, {}});
  return sheet;
}

std::vector<std::string> Texts(const std::vector<Renewal>& problems) {
  std::vector<std::string> texts;
  for (const Renewal& p : problems) texts.push_back(p.texts.Enun + "|" + p.texts.Resp);
  return texts;
}

TEST(RenewAll, TheSameSeedGivesTheSameProblemsAnotherSeedOthers) {
  const std::vector<RenewalInput> sheet = Sheet();
  const std::vector<Renewal> first = RenewAll(sheet, 2024);
  EXPECT_EQ(Texts(first), Texts(RenewAll(sheet, 2024)));
  const std::vector<std::string> other = Texts(RenewAll(sheet, 2025));
  int differing = 0;
  for (std::size_t i = 0; i < other.size(); ++i) differing += other[i] != Texts(first)[i];
  EXPECT_GT(differing, static_cast<int>(sheet.size()) / 2);
  EXPECT_EQ(first.back().outcome, RenewOutcome::Kept);
}

// Problem i draws from its own stream: renewing it alone gives what renewing the sheet gives.
TEST(RenewAll, EachProblemDrawsFromItsOwnStream) {
  const std::vector<RenewalInput> sheet = Sheet();
  const std::vector<Renewal> all = RenewAll(sheet, 77, 3);
  for (std::uint32_t i = 0; i < sheet.size(); ++i) {
    Stream stream(StreamSeed(77, 3, i));
    const Renewal alone = Renew(sheet[i].params, sheet[i].ranges, stream);
    EXPECT_EQ(alone.texts.Enun, all[i].texts.Enun) << i;
  }
}

// Worked out from the generator's model: N is the first draw of 1..10 of stream (7, 0, 0),
// a and b the first two of stream (7, 0, 1). The same on every build.
TEST(RenewAll, PinnedNumbersForAFixedSeed) {
  const std::vector<Renewal> out =
      RenewAll({{IntegerSingleParams{12, 2, 12}, {}}, {IntegerPairParams{7, 2, 2}, {}}}, 7);
  EXPECT_EQ(std::get<IntegerSingleParams>(out[0].params).n, 7);
  EXPECT_EQ(std::get<IntegerPairParams>(out[1].params).a, 1);
  EXPECT_EQ(std::get<IntegerPairParams>(out[1].params).b, 10);
  EXPECT_EQ(out[1].texts.Enun,
            "If a= 1  b= 10 calculate:\r\na\xC2\xB7" "b, a/b, hcd(a,b), LCM(a,b)\r\n");
}

TEST(MakeVersions, LettersEachVersionAndKeepsTheEarlierOnesWhenMoreAreMade) {
  const std::vector<RenewalInput> sheet = Sheet();
  const Versions three = MakeVersions(sheet, 3, 9);
  ASSERT_TRUE(three.refusal.empty());
  ASSERT_EQ(three.versions.size(), 3u);
  EXPECT_EQ(three.versions[0].code, "A");
  EXPECT_EQ(three.versions[2].code, "C");
  const Versions two = MakeVersions(sheet, 2, 9);
  for (int v = 0; v < 2; ++v)
    EXPECT_EQ(Texts(two.versions[v].problems), Texts(three.versions[v].problems));
  EXPECT_EQ(Texts(three.versions[1].problems), Texts(RenewAll(sheet, 9, 2)));
  EXPECT_NE(Texts(three.versions[0].problems), Texts(three.versions[1].problems));
  EXPECT_NE(Texts(three.versions[0].problems), Texts(RenewAll(sheet, 9))) << "not the sheet's own";
  EXPECT_EQ(MakeVersions({sheet.front()}, 26, 9).versions.back().code, "Z");
}

TEST(MakeVersions, AProblemThatCannotBeRenewedRefusesThemAll) {
  std::vector<RenewalInput> sheet = Sheet();
  sheet.insert(sheet.begin() + 2, {IntegerListParams{{1, 2, 3, 4, 5}}, Ints(1, 3)});
  const Versions v = MakeVersions(sheet, 5, 1);
  EXPECT_TRUE(v.versions.empty());
  EXPECT_EQ(v.refusedProblem, 2);
  EXPECT_EQ(v.refusal,
            "Problem 3: min to max (1 to 3) holds fewer than the 5 different numbers of the "
            "list. Widen min and max.");
}

TEST(MakeVersions, RefusesACountOutsideTwoToTwentySix) {
  for (int count : {-1, 0, 1, 27}) {
    const Versions v = MakeVersions(Sheet(), count, 1);
    EXPECT_TRUE(v.versions.empty()) << count;
    EXPECT_EQ(v.refusal, "The number of versions must be from 2 to 26.") << count;
  }
  EXPECT_EQ(VersionCode(0), "");
  EXPECT_EQ(VersionCode(27), "");
}

}  // namespace
}  // namespace tessaro
