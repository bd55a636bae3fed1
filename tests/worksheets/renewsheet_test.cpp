#include "worksheets/renewsheet.h"

#include "worksheets/sheetfile.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tessaro {
namespace {

SheetProblem Made(const ProblemParams& params, Ranges ranges = {}, bool working = false) {
  return {params, *MakeProblem(params).texts, working, ranges};
}

// A problem of each family, one with a working, one with ranges, and a text problem.
Worksheet Week() {
  Worksheet sheet;
  sheet.title = "Week 3";
  sheet.seed = 5;
  Ranges euclid;
  euclid.min = 10;
  euclid.max = 500;
  euclid.euclid_steps = 4;
  Ranges roots;
  roots.int_roots = true;
  roots.degree = IntRange{2, 3};
  sheet.problems = {Made(IntegerPairParams{84, 36, 2}, euclid, true),
                    {TextParams{}, {"Name a prime.", "7"}, false, {}},
                    Made(FractionPairParams{"1/2", "3/4"}),
                    Made(PolynomialSingleParams{"x^2-1", "2"}, roots)};
  return sheet;
}

TEST(RenewSheet, AnEditIsTextsOtherThanTheParamsMake) {
  SheetProblem p = Made(IntegerListParams{{12, 18}});
  EXPECT_FALSE(TextsEdited(p));
  p.texts.Enun += "Show your work.";
  EXPECT_TRUE(TextsEdited(p));
  p = Made(IntegerListParams{{12, 18}});
  p.texts.Resp = "hcd 6";
  EXPECT_TRUE(TextsEdited(p)) << "the answer counts too";
  EXPECT_FALSE(TextsEdited({TextParams{}, {"q", "a"}, false, {}})) << "a text problem has no numbers to lose";
}

TEST(RenewSheet, NewNumbersRenewEveryProblemWithinItsRangesKeepingTheRest) {
  const Worksheet week = Week();
  const SheetDraw drawn = WithNewNumbers(week, 42);
  ASSERT_TRUE(drawn.sheet) << drawn.refusal;
  const Worksheet& s = *drawn.sheet;
  EXPECT_EQ(s.seed, 42u) << "the file keeps the seed its numbers came from";
  ASSERT_EQ(s.problems.size(), 4u);
  for (std::size_t i : {0u, 2u, 3u}) {
    SCOPED_TRACE(i);
    EXPECT_NE(s.problems[i].params, week.problems[i].params);
    EXPECT_EQ(s.problems[i].texts, *MakeProblem(s.problems[i].params).texts);
    EXPECT_EQ(s.problems[i].ranges, week.problems[i].ranges);
    EXPECT_EQ(s.problems[i].working, week.problems[i].working);
  }
  EXPECT_EQ(s.problems[1], week.problems[1]) << "a text problem stays";
  const auto& pair = std::get<IntegerPairParams>(s.problems[0].params);
  EXPECT_GE(std::min(pair.a, pair.b), 10);
  EXPECT_LE(std::max(pair.a, pair.b), 500);
  EXPECT_EQ(pair.decimals, 2) << "what is not drawn stays";

  // Problem i draws from the stream (seed, 0, i) whatever the other problems are.
  Worksheet other = week;
  other.problems[0] = Made(IntegerSingleParams{3, 2, 12});
  EXPECT_EQ(WithNewNumbers(other, 42).sheet->problems[2], s.problems[2]);
  EXPECT_EQ(RenewProblem(week, 2, 42).params, s.problems[2].params);
}

TEST(RenewSheet, TheSameSheetAndSeedGiveTheSameFileAndAnotherSeedAnotherOne) {
  const Worksheet week = Week();
  const std::string once = SheetJson(*WithNewNumbers(week, 42).sheet);
  EXPECT_EQ(SheetJson(*WithNewNumbers(week, 42).sheet), once);
  EXPECT_NE(SheetJson(*WithNewNumbers(week, 43).sheet), once);
  const std::string versions = SheetJson(*WithVersions(week, 3, 42).sheet);
  EXPECT_EQ(SheetJson(*WithVersions(week, 3, 42).sheet), versions);
  EXPECT_NE(SheetJson(*WithVersions(week, 3, 43).sheet), versions);
}

TEST(RenewSheet, VersionsAreLetteredEachWithItsOwnNumbers) {
  const Worksheet week = Week();
  const SheetDraw drawn = WithVersions(week, 4, 42);
  ASSERT_TRUE(drawn.sheet) << drawn.refusal;
  const Worksheet& s = *drawn.sheet;
  EXPECT_EQ(s.seed, 42u);
  EXPECT_EQ(s.problems, week.problems) << "the sheet's own problems stay";
  ASSERT_EQ(s.versions.size(), 4u);
  EXPECT_EQ(VersionSpan(s.versions), "A to D");
  std::set<std::string> fractions;
  for (std::size_t v = 0; v < s.versions.size(); ++v) {
    SCOPED_TRACE(s.versions[v].code);
    EXPECT_EQ(s.versions[v].code, std::string(1, static_cast<char>('A' + v)));
    const std::vector<SheetProblem>& ps = s.versions[v].problems;
    ASSERT_EQ(ps.size(), 4u);
    EXPECT_EQ(ps[1], week.problems[1]) << "a text problem is the same in every version";
    EXPECT_TRUE(ps[0].working) << "the working goes with the problem";
    EXPECT_EQ(ps[0].ranges, Ranges{}) << "ranges belong to the sheet's problem";
    EXPECT_EQ(ps[3].texts, *MakeProblem(ps[3].params).texts);
    // Version v draws from the streams (seed, v, i): its own numbers, not the sheet's.
    Stream stream(StreamSeed(42, static_cast<std::uint32_t>(v + 1), 2));
    EXPECT_EQ(ps[2].params, Renew(week.problems[2].params, {}, stream).params);
    fractions.insert(std::get<FractionPairParams>(ps[2].params).f1 + " " +
                     std::get<FractionPairParams>(ps[2].params).f2);
  }
  EXPECT_EQ(fractions.size(), 4u) << "four versions, four pairs of fractions";

  // More versions leave the earlier ones as they were.
  const SheetDraw more = WithVersions(week, 6, 42);
  ASSERT_TRUE(more.sheet);
  for (std::size_t v = 0; v < 4; ++v) EXPECT_EQ(more.sheet->versions[v], s.versions[v]);

  // Versions replace the versions a sheet had.
  EXPECT_EQ(WithVersions(s, 2, 7).sheet->versions.size(), 2u);
}

TEST(RenewSheet, AProblemThatCannotBeRenewedRefusesTheWholeDraw) {
  Worksheet sheet = Week();
  // 200^9 and more are beyond Long_Max: every draw overflows.
  Ranges overflow;
  overflow.min = 200;
  overflow.max = 300;
  sheet.problems.push_back(Made(IntegerSingleParams{5, 9, 12}, overflow));
  const SheetDraw renewed = WithNewNumbers(sheet, 42);
  EXPECT_FALSE(renewed.sheet);
  EXPECT_EQ(renewed.refusedProblem, 4);
  EXPECT_EQ(renewed.refusal.rfind("Problem 5: No new numbers after 1000 draws: ", 0), 0u) << renewed.refusal;
  EXPECT_NE(renewed.refusal.find("min and max (200 to 300)"), std::string::npos) << renewed.refusal;

  const SheetDraw versions = WithVersions(sheet, 3, 42);
  EXPECT_FALSE(versions.sheet);
  EXPECT_EQ(versions.refusedProblem, 4);
  EXPECT_EQ(versions.refusal.rfind("Problem 5: No new numbers", 0), 0u) << versions.refusal;

  for (int count : {1, 27}) {
    const SheetDraw refused = WithVersions(Week(), count, 1);
    EXPECT_FALSE(refused.sheet);
    EXPECT_EQ(refused.refusal, "The number of versions must be from 2 to 26.");
  }
}

TEST(RenewSheet, VersionSpanNamesTheFirstAndTheLast) {
  EXPECT_EQ(VersionSpan({}), "");
  EXPECT_EQ(VersionSpan({{"A", {}}}), "A");
  EXPECT_EQ(VersionSpan({{"A", {}}, {"B", {}}}), "A to B");
}

}  // namespace
}  // namespace tessaro
