#include "worksheets/rangesform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaro {
namespace {

TEST(RangeNumber, ReadsWholeNumbersWithinLongMaxOnly) {
  const struct {
    const char* text;
    std::optional<std::int32_t> value;
    const char* why;
  } rows[] = {
      {"12", 12, "a number"},
      {"  -7 ", -7, "blanks around it"},
      {"+5", 5, "a plus sign"},
      {"0", 0, "zero"},
      {"-2147483646", -2147483646, "the lowest bound"},
      {"2147483646", 2147483646, "the highest bound"},
      {"2147483647", std::nullopt, "Long_Max + 1 is beyond every range"},
      {"-2147483648", std::nullopt, "the lowest 32-bit number too"},
      {"99999999999", std::nullopt, "beyond 32 bits"},
      {"", std::nullopt, "empty"},
      {"   ", std::nullopt, "blanks only"},
      {"-", std::nullopt, "a sign alone"},
      {"--5", std::nullopt, "two signs"},
      {"1e3", std::nullopt, "not written out"},
      {"3/4", std::nullopt, "a fraction"},
      {"1 2", std::nullopt, "a blank inside"},
  };
  for (const auto& row : rows) EXPECT_EQ(RangeNumber(row.text), row.value) << row.why;
}

std::string Keys(const std::vector<RangeEntry>& entries) {
  std::string keys;
  for (const RangeEntry& e : entries) keys += e.key + (e.type == RangeType::Flag ? "? " : e.type == RangeType::Pair ? ".. " : " ");
  return keys;
}

TEST(RangesForm, ShowsTheFieldsOfTheKindWithTheirDefaultsOrValues) {
  EXPECT_EQ(Keys(RangeEntries(IntegerPairParams{}, {})), "min max euclid_steps ");
  EXPECT_EQ(Keys(RangeEntries(FractionPairParams{}, {})), "max_num max_den proper? ");
  EXPECT_EQ(Keys(RangeEntries(PolynomialSingleParams{}, {})),
            "degree.. coef.. lead.. int_roots? roots.. point.. ");
  EXPECT_EQ(Keys(RangeEntries(PolynomialPairParams{}, {})),
            "degree.. coef.. lead.. int_roots? roots.. common_factor? ");
  EXPECT_TRUE(RangeEntries(TextParams{}, {}).empty());

  Ranges given;
  given.max = 500;
  given.euclid_steps = 3;
  const std::vector<RangeEntry> pair = RangeEntries(IntegerPairParams{}, given);
  EXPECT_EQ(pair[0].lo, "1") << "min shows its default";
  EXPECT_EQ(pair[1].lo, "500");
  EXPECT_EQ(pair[2].lo, "3");
  EXPECT_EQ(RangeEntries(IntegerPairParams{}, {})[2].lo, "") << "euclid_steps: any, shown empty";
  const std::vector<RangeEntry> pol = RangeEntries(PolynomialSingleParams{}, {});
  EXPECT_EQ(pol[1].lo + " " + pol[1].hi, "-8 8");
  EXPECT_FALSE(pol[3].flag);
  EXPECT_EQ(pol[0].label, "Degree");
}

// The entries as shown, with one field typed over.
std::vector<RangeEntry> Typed(const ProblemParams& params, const std::string& key, const std::string& lo,
                              const std::string& hi = {}, bool flag = false) {
  std::vector<RangeEntry> entries = RangeEntries(params, {});
  for (RangeEntry& e : entries)
    if (e.key == key) {
      e.lo = lo;
      e.hi = hi;
      e.flag = flag;
    }
  return entries;
}

TEST(RangesForm, RefusesWhatDoesNotReadOrCannotHoldNamingTheField) {
  const struct {
    const char* why;
    ProblemParams params;
    std::vector<RangeEntry> entries;
    const char* message;
  } rows[] = {
      {"a word", IntegerSingleParams{}, Typed(IntegerSingleParams{}, "max", "ten"),
       "max must be a whole number from -2147483646 to 2147483646"},
      {"min emptied", IntegerListParams{}, Typed(IntegerListParams{}, "min", ""),
       "min must be a whole number from -2147483646 to 2147483646"},
      {"the end of a pair emptied", PolynomialPairParams{}, Typed(PolynomialPairParams{}, "coef", "-3", ""),
       "coef must be a whole number from -2147483646 to 2147483646"},
      {"min above max", IntegerSingleParams{}, Typed(IntegerSingleParams{}, "min", "11"),
       "max is below min (10 < 11)"},
      {"nine divisions", IntegerPairParams{}, Typed(IntegerPairParams{}, "euclid_steps", "9"),
       "euclid_steps must be from 1 to 8"},
      {"a degree above 9", PolynomialCombinedParams{}, Typed(PolynomialCombinedParams{}, "degree", "1", "10"),
       "degree must lie within 0 to 9"},
      {"a leading coefficient of 0 only", PolynomialSingleParams{}, Typed(PolynomialSingleParams{}, "lead", "0", "0"),
       "lead holds only 0, and a leading coefficient is never 0"},
      {"no numerator", FractionCombinedParams{}, Typed(FractionCombinedParams{}, "max_num", "0"),
       "max_num must be from 1 to 2147483646"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    const RangesEntered entered = RangesOfEntries(row.params, row.entries);
    EXPECT_FALSE(entered.ranges);
    EXPECT_EQ(RefusalText(entered.refusal), row.message);
  }
}

TEST(RangesForm, KeepsOnlyWhatDiffersFromTheDefaults) {
  const RangesEntered untouched = RangesOfEntries(PolynomialPairParams{}, RangeEntries(PolynomialPairParams{}, {}));
  ASSERT_TRUE(untouched.ranges);
  EXPECT_EQ(*untouched.ranges, Ranges{}) << "the defaults as shown: nothing to keep";

  const RangesEntered roots =
      RangesOfEntries(PolynomialPairParams{}, Typed(PolynomialPairParams{}, "int_roots", "", "", true));
  ASSERT_TRUE(roots.ranges);
  Ranges expected;
  expected.int_roots = true;
  EXPECT_EQ(*roots.ranges, expected);

  const RangesEntered steps = RangesOfEntries(IntegerPairParams{}, Typed(IntegerPairParams{}, "euclid_steps", " 2 "));
  ASSERT_TRUE(steps.ranges);
  EXPECT_EQ(steps.ranges->euclid_steps, 2);
  EXPECT_FALSE(steps.ranges->min);

  // What the form shows of kept ranges reads back to the same ranges.
  Ranges wide;
  wide.degree = IntRange{2, 5};
  wide.point = IntRange{-2146000000, 0};
  const RangesEntered again = RangesOfEntries(PolynomialSingleParams{}, RangeEntries(PolynomialSingleParams{}, wide));
  ASSERT_TRUE(again.ranges);
  EXPECT_EQ(*again.ranges, wide);
}

}  // namespace
}  // namespace tessaro
