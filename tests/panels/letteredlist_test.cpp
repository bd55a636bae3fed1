#include "panels/letteredlist.h"

#include "numbers/rational.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace tessaro {
namespace {

struct RulesRow {
  const char* list;
  ListRules rules;
  std::size_t capacity;
  const char* firstLetters;  // the letters of the first 17 items
  char lastLetter;           // the letter of the last item a full list holds
  const char* fullText;
  bool duplicates;
};

TEST(LetteredList, EachWindowHasItsCapacityLettersAndRefusal) {
  const RulesRow rows[] = {
      {"integers", IntegerListRules(), 23, "abcdefghijklmnopq", 'w', "List full (23 numbers)", false},
      {"fractions", FractionListRules(), 22, "abcdefghijklmnopq", 'v', "List full (22 fractions)",
       false},
      // Q is skipped: the 17th polynomial is R, and the 24th Y.
      {"polynomials", PolynomialListRules(), 24, "ABCDEFGHIJKLMNOPR", 'Y',
       "List full (24 polynomials)", true},
  };
  for (const RulesRow& row : rows) {
    SCOPED_TRACE(row.list);
    LetteredList<int> list(row.rules);
    for (std::size_t i = 0; i < row.capacity; ++i)
      ASSERT_EQ(list.Add(static_cast<int>(i)), ListAdd::Added);
    EXPECT_EQ(list.UsedLetters().substr(0, 17), row.firstLetters);
    EXPECT_EQ(list.Letter(row.capacity - 1), row.lastLetter);
    EXPECT_EQ(list.Add(1000), ListAdd::Full) << "one more than the capacity";
    EXPECT_EQ(list.Size(), row.capacity);
    EXPECT_EQ(list.Rules().fullText, row.fullText);
    list.Erase(0);
    EXPECT_EQ(list.Add(0), ListAdd::Added);
    EXPECT_EQ(list.Add(0), row.duplicates ? ListAdd::Full : ListAdd::Duplicate)
        << "a duplicate is refused before the full list is";
  }
}

TEST(LetteredList, DuplicatesFollowTheListsEquality) {
  // Fractions are the same only with the same numerator and denominator: 1/2 and 2/4 differ.
  LetteredList<Rational> fractions(FractionListRules(), [](const Rational& a, const Rational& b) {
    return a.Num == b.Num && a.Den == b.Den;
  });
  EXPECT_EQ(fractions.Add({1, 2}), ListAdd::Added);
  EXPECT_EQ(fractions.Add({2, 4}), ListAdd::Added);
  EXPECT_EQ(fractions.Add({1, 2}), ListAdd::Duplicate);
  EXPECT_EQ(fractions.Size(), 2u);

  LetteredList<std::string> polynomials(PolynomialListRules());
  EXPECT_EQ(polynomials.Add("x+1"), ListAdd::Added);
  EXPECT_EQ(polynomials.Add("x+1"), ListAdd::Added) << "the polynomial list takes repeats";
}

TEST(LetteredList, EraseGivesTheLettersAfreshAndClearsTheSelection) {
  LetteredList<std::int32_t> list(IntegerListRules());
  for (std::int32_t v : {10, 20, 30, 40}) list.Add(v);
  list.Select(1);
  list.Select(3);
  list.SetCurrent(3);
  ASSERT_TRUE(list.Erase(1));
  EXPECT_EQ(list.Items(), (std::vector<std::int32_t>{10, 30, 40}));
  EXPECT_EQ(list.UsedLetters(), "abc") << "30 is b now, 40 is c";
  EXPECT_TRUE(list.SelectedIndices().empty());
  EXPECT_FALSE(list.Current().has_value());
  EXPECT_FALSE(list.Erase(3)) << "no item d";
  EXPECT_EQ(list.Size(), 3u);
}

TEST(LetteredList, SelectionHoldsSeveralItemsAndOneCurrent) {
  LetteredList<std::int32_t> list(IntegerListRules());
  for (std::int32_t v : {12, 18, 30}) list.Add(v);
  list.Select(0);
  list.Select(2);
  EXPECT_EQ(list.SelectedItems(), (std::vector<std::int32_t>{12, 30}));
  list.Select(0, false);
  EXPECT_EQ(list.SelectedItems(), (std::vector<std::int32_t>{30}));
  list.SelectOnly(1);
  EXPECT_EQ(list.SelectedIndices(), (std::vector<std::size_t>{1}));
  EXPECT_EQ(list.Current(), 1u);
  list.SetCurrent(7);
  EXPECT_FALSE(list.Current().has_value()) << "no item at 7";
  list.Clear();
  EXPECT_TRUE(list.Empty());
  EXPECT_TRUE(list.SelectedIndices().empty());
  EXPECT_EQ(list.UsedLetters(), "");
}

}  // namespace
}  // namespace tessaro
