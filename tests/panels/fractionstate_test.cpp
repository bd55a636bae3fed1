#include "panels/fractionstate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaro {
namespace {

using Texts = std::vector<std::string>;

FractionState WithList(const Texts& fractions, bool simplify = true) {
  FractionState state;
  for (const std::string& f : fractions) {
    const std::size_t bar = f.find('/');
    const std::string den = bar == std::string::npos ? "1" : f.substr(bar + 1);
    EXPECT_EQ(state.Enter(f.substr(0, bar), den, simplify).Outcome, FractionEntry::Added) << f;
  }
  return state;
}

TEST(FractionState, CombinedOperationSubstitutesEachFractionAsAWhole) {
  FractionState state = WithList({"1/2", "3/4", "3/-4", "5"}, false);
  const struct {
    const char *typed, *replaced, *value, *why;
  } rows[] = {
      {"a/b", "(1/2)/(3/4)", "2/3", "a quotient of fractions keeps both bars"},
      {"b^2", "(3/4)^2", "9/16", "the whole fraction is raised"},
      {"a+b", "(1/2)+(3/4)", "5/4", "the worked example"},
      {"c*d", "(3/-4)*5", "-15/4", "a negative denominator as listed; a whole number bare"},
      {"1/2+1/3", "1/2+1/3", "5/6", "plain fractions need no list"},
      {"A+e", "A+e", nullptr, "upper case and letters past the list stay as typed"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    EXPECT_EQ(state.Replaced(row.typed), row.replaced);
    const std::optional<std::string> value = state.Combined(row.typed);
    if (row.value) {
      ASSERT_TRUE(value.has_value());
      EXPECT_EQ(*value, row.value);
    } else {
      EXPECT_FALSE(value.has_value());
    }
  }
}

// What a problem repeats: only an operation that succeeded replaces the last one.
TEST(FractionState, KeepsTheLastBinaryOperationsThatGaveResults) {
  FractionState state;
  EXPECT_FALSE(state.LastPair());
  state.Binary("abc", "1/2");
  EXPECT_FALSE(state.LastPair()) << "a text that is not a fraction";
  state.Binary("2/4", "+3");
  ASSERT_TRUE(state.LastPair());
  EXPECT_EQ(state.LastPair()->f1, "2/4") << "read, not reduced";
  EXPECT_EQ(state.LastPair()->f2, "3");
  EXPECT_EQ(state.LastPair()->cells[0], "7/2");

  const struct {
    const char *f1, *f2, *why;
  } refused[] = {
      {"5/7", "x", "f2 not a fraction"},
      {"5/7", "2/0", "a zero denominator"},
      {"", "", "both empty"},
  };
  for (const auto& r : refused) {
    SCOPED_TRACE(r.why);
    state.Binary(r.f1, r.f2);
    EXPECT_EQ(state.LastPair()->f1, "2/4");
    EXPECT_EQ(state.LastPair()->f2, "3");
  }
  EXPECT_THROW(state.Binary("5/7", "99999999999"), ConversionError);
  EXPECT_EQ(state.LastPair()->f1, "2/4");
  state.Binary("5/7", "1");
  EXPECT_EQ(state.LastPair()->f1, "5/7");
  EXPECT_EQ(state.LastPair()->cells[3], "5/7");
}

TEST(FractionState, KeepsTheLastCombinedOperationWithTheListItWasEvaluatedOver) {
  FractionState state = WithList({"1/2", "3/4"});
  EXPECT_FALSE(state.LastCombined());
  EXPECT_FALSE(state.Combined("0.5"));
  EXPECT_FALSE(state.LastCombined()) << "a failed operation is kept for nothing";
  ASSERT_TRUE(state.Combined("a+b"));

  const auto expectKept = [&] {
    ASSERT_TRUE(state.LastCombined());
    EXPECT_EQ(state.LastCombined()->expression, "a+b");
    EXPECT_EQ(state.LastCombined()->fractions, (Texts{"1/2", "3/4"}));
    EXPECT_EQ(state.LastCombined()->replaced, "(1/2)+(3/4)");
    EXPECT_EQ(state.LastCombined()->value, "5/4");
  };
  expectKept();
  EXPECT_FALSE(state.Combined("0.5"));
  expectKept();
  EXPECT_FALSE(state.Combined("a/0"));
  expectKept();
  EXPECT_THROW(state.Combined("99999999999+1"), ConversionError);
  expectKept();
  EXPECT_TRUE(state.Clear());
  expectKept();
  EXPECT_FALSE(state.Combined("a+b")) << "no a nor b on the emptied list";
  expectKept();
}

TEST(FractionState, SelectionIsOneItemAndIsForgottenByAnErase) {
  FractionState state = WithList({"1/2", "3/4", "5/6"});
  state.Select(1);
  state.Select(2);
  EXPECT_EQ(state.List().SelectedIndices(), (std::vector<std::size_t>{2})) << "one at a time";
  state.Select(3);
  EXPECT_FALSE(state.Selected()) << "no item d";
  state.Select(1);
  ASSERT_TRUE(state.Erase(1));
  EXPECT_EQ(state.ListTexts(), (Texts{"1/2", "5/6"}));
  EXPECT_FALSE(state.Selected());
  EXPECT_TRUE(state.Clear());
  EXPECT_FALSE(state.Clear()) << "an empty list is not cleared again";
}

}  // namespace
}  // namespace tessaro
