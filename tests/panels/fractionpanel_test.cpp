#include "panels/fractionpanel.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaro {
namespace {

struct EntryRow {
  bool simplify;
  const char *num, *den;
  FractionEntry outcome;
  const char *asTyped, *simplified, *listed;  // listed: the item's text, "" when refused
  const char* why;
};

constexpr bool Simplify = true;
constexpr bool AsTyped = false;

TEST(EnterFraction, ShowsThePairAsTypedAndSimplifiedAndStoresItAsChosen) {
  const EntryRow rows[] = {
      {Simplify, "2", "4", FractionEntry::Added, "2/4", "1/2", "1/2", "simplified into the list"},
      {AsTyped, "2", "4", FractionEntry::Added, "2/4", "1/2", "2/4", "kept as typed"},
      {AsTyped, "3", "-4", FractionEntry::Added, "3/-4", "-3/4", "3/-4",
       "negative denominator kept as typed"},
      {Simplify, "3", "-4", FractionEntry::Added, "3/-4", "-3/4", "-3/4",
       "sign moved to the numerator"},
      {Simplify, "4", "2", FractionEntry::Added, "4/2", "2", "2", "a whole number shows alone"},
      {AsTyped, "4", "2", FractionEntry::Added, "4/2", "2", "4/2", "a whole number kept as typed"},
      {Simplify, "0", "-5", FractionEntry::Added, "0", "0", "0", "every zero prints as 0"},
      {Simplify, "3", "0", FractionEntry::ZeroDenominator, "", "", "", "zero denominator"},
      // The sign of the reduced form must move to the numerator within Long_Max.
      {Simplify, "1", "-2147483648", FractionEntry::DoesNotFit, "", "", "",
       "-1/2147483648: the denominator passes Long_Max"},
      {AsTyped, "1", "-2147483648", FractionEntry::DoesNotFit, "", "", "",
       "refused even when kept as typed: every operation reduces it"},
      {Simplify, "-2147483648", "-1", FractionEntry::DoesNotFit, "", "", "",
       "2147483648 as numerator"},
      {Simplify, "2147483647", "-1", FractionEntry::DoesNotFit, "", "", "",
       "-2147483647 is one past Long_Max"},
      {Simplify, "2147483646", "-1", FractionEntry::Added, "2147483646/-1", "-2147483646",
       "-2147483646", "exactly Long_Max"},
      {Simplify, "2", "-2147483648", FractionEntry::Added, "2/-2147483648", "-1/1073741824",
       "-1/1073741824", "reduced before the sign moves"},
      {AsTyped, "-2147483648", "-2", FractionEntry::Added, "-2147483648/-2", "1073741824",
       "-2147483648/-2", "reduces to 1073741824"},
      {AsTyped, "0", "-2147483648", FractionEntry::Added, "0", "0", "0", "a zero is always 0"},
      {AsTyped, "2147483647", "1", FractionEntry::Added, "2147483647", "2147483647",
       "2147483647", "a positive denominator has no sign to move"},
  };
  for (const EntryRow& row : rows) {
    SCOPED_TRACE(row.why);
    FractionList list = MakeFractionList();
    const EnteredFraction entry = EnterFraction(list, row.num, row.den, row.simplify);
    EXPECT_EQ(entry.Outcome, row.outcome);
    EXPECT_EQ(entry.AsTyped, row.asTyped);
    EXPECT_EQ(entry.Simplified, row.simplified);
    const std::vector<std::string> texts = FractionListTexts(list.Items());
    EXPECT_EQ(texts, *row.listed ? std::vector<std::string>{row.listed}
                                 : std::vector<std::string>{});
  }
}

TEST(EnterFraction, RefusesOnlyAnExactRepeatOfAStoredPair) {
  FractionList list = MakeFractionList();
  EXPECT_EQ(EnterFraction(list, "2", "4", Simplify).Outcome, FractionEntry::Added);
  EXPECT_EQ(EnterFraction(list, "2", "4", Simplify).Outcome, FractionEntry::Added)
      << "the stored pair is 1/2, so the typed 2/4 is new";
  EXPECT_EQ(EnterFraction(list, "1", "2", Simplify).Outcome, FractionEntry::AlreadyListed);
  EXPECT_EQ(FractionListTexts(list.Items()), (std::vector<std::string>{"1/2", "1/2"}));

  FractionList typed = MakeFractionList();
  EnterFraction(typed, "2", "4", AsTyped);
  EXPECT_EQ(EnterFraction(typed, "2", "4", AsTyped).Outcome, FractionEntry::AlreadyListed);
  EXPECT_EQ(EnterFraction(typed, "1", "2", AsTyped).Outcome, FractionEntry::Added)
      << "same value, another pair";
}

TEST(EnterFraction, HoldsTwentyTwoAndRefusesTheNextAfterItsOtherChecks) {
  FractionList list = MakeFractionList();
  for (int i = 1; i <= 22; ++i)
    ASSERT_EQ(EnterFraction(list, std::to_string(i), "23", Simplify).Outcome, FractionEntry::Added);
  EXPECT_EQ(list.Letter(21), 'v');
  EXPECT_EQ(EnterFraction(list, "1", "29", Simplify).Outcome, FractionEntry::ListFull);
  EXPECT_EQ(list.Rules().fullText, "List full (22 fractions)");
  EXPECT_EQ(EnterFraction(list, "1", "23", Simplify).Outcome, FractionEntry::AlreadyListed)
      << "a repeat says nothing, even on a full list";
  EXPECT_EQ(EnterFraction(list, "1", "0", Simplify).Outcome, FractionEntry::ZeroDenominator);
  EXPECT_EQ(list.Size(), 22u);
}

TEST(BinaryOperations, GivesEveryResultOrNotCalculable) {
  const struct {
    const char *f1, *f2;
    std::array<std::string, 4> cells;
    const char *read1, *read2, *why;
  } rows[] = {
      {"1/2", "3/4", {"5/4", "-1/4", "3/8", "2/3"}, "1/2", "3/4", "the worked example"},
      {"2", "-4/6", {"4/3", "8/3", "-4/3", "-3"}, "2", "-4/6",
       "a whole number and an operand read unreduced"},
      {"+3", "3/-4", {"9/4", "15/4", "-9/4", "-4"}, "3", "3/-4", "a sign read as a number"},
      {"1/2", "0", {"1/2", "1/2", "0", "Not calculable"}, "1/2", "0",
       "quotient by a zero fraction"},
      {"2000000000", "2000000000", {"Not calculable", "0", "Not calculable", "1"}, "2000000000",
       "2000000000", "sum and product overflow"},
      {"1/65536", "1/65537", {"Not calculable", "Not calculable", "Not calculable", "65537/65536"},
       "1/65536", "1/65537", "the common denominator overflows"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    const BinaryResults r = BinaryOperations(row.f1, row.f2);
    ASSERT_EQ(r.Outcome, BinaryOutcome::Done);
    EXPECT_EQ(r.Cells, row.cells);
    EXPECT_EQ(r.F1, row.read1);
    EXPECT_EQ(r.F2, row.read2);
  }
}

TEST(BinaryOperations, RefusesTextsThatAreNoUsableFractions) {
  const struct {
    const char *f1, *f2;
    BinaryOutcome outcome;
    const char* why;
  } rows[] = {
      {"abc", "3/4", BinaryOutcome::NotFractions, "letters"},
      {"1/2", "", BinaryOutcome::NotFractions, "empty"},
      {"1/2/3", "1", BinaryOutcome::NotFractions, "two bars"},
      {" 1/2", "1", BinaryOutcome::NotFractions, "a blank"},
      {"0.5", "1", BinaryOutcome::NotFractions, "a decimal point"},
      {"1/0", "3/4", BinaryOutcome::ZeroDenominator, "zero denominator in f1"},
      {"1/2", "-7/0", BinaryOutcome::ZeroDenominator, "zero denominator in f2"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    const BinaryResults r = BinaryOperations(row.f1, row.f2);
    EXPECT_EQ(r.Outcome, row.outcome);
    EXPECT_EQ(r.Cells, (std::array<std::string, 4>{}));
    EXPECT_EQ(r.F1, "");
  }
  EXPECT_THROW(BinaryOperations("1/2", "99999999999"), ConversionError);
}

}  // namespace
}  // namespace tessaro
