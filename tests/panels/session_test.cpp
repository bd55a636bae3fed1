#include "panels/session.h"

#include "panels/fractionstate.h"
#include "panels/integerstate.h"
#include "panels/polynomialstate.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tessaro {
namespace {

using Rows = std::vector<std::size_t>;
using Texts = std::vector<std::string>;
constexpr std::optional<std::size_t> None = std::nullopt;

// n distinct texts made by `item`, in order.
template <class Item>
Texts Many(int n, Item item) {
  Texts texts;
  for (int i = 0; i < n; ++i) texts.push_back(item(i));
  return texts;
}

Texts FirstOf(const Texts& texts, std::size_t n) { return Texts(texts.begin(), texts.begin() + n); }

TEST(RowMap, SelectionFollowsTheItemsThatJoined) {
  const struct {
    const char* why;
    Texts items;  // "-" is refused
    Rows selected;
    std::optional<std::size_t> current;
    Rows selectedAfter;
    std::optional<std::size_t> currentAfter;
  } cases[] = {
      {"nothing refused: the rows stay", {"a", "b", "c"}, {0, 2}, 2, {0, 2}, 2},
      {"a refused item moves the later ones up", {"a", "-", "c", "d"}, {2, 3}, 3, {1, 2}, 2},
      {"a refused item that was selected is no longer", {"a", "-", "c"}, {0, 1}, 1, {0}, None},
      {"rows beyond the items are dropped", {"a", "b"}, {1, 2, 99}, 5, {1}, None},
      {"a row named twice counts once, in order", {"a", "b", "c"}, {2, 0, 2}, 0, {0, 2}, 0},
      {"no items, no selection", {}, {0}, 0, {}, None},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Texts offered;
    const RowMap rows = RowMap::Enter(c.items, [&](const std::string& text) {
      offered.push_back(text);
      return text != "-";
    });
    EXPECT_EQ(offered, c.items) << "every item is offered, in order";
    EXPECT_EQ(rows(c.selected), c.selectedAfter);
    EXPECT_EQ(rows(c.current), c.currentAfter);
  }
}

TEST(FitDecimals, KeepsOneToNineAndOtherwiseGivesTheDefault) {
  const struct {
    const char* why;
    std::int64_t remembered;
    std::int32_t fitted;
  } cases[] = {
      {"the least", 1, 1},   {"the most", 9, 9},    {"the default itself", 2, 2},
      {"none", 0, 2},        {"one too many", 10, 2}, {"negative", -3, 2},
      {"beyond 32 bits", 4294967298LL, 2},
  };
  for (const auto& c : cases) EXPECT_EQ(FitDecimals(c.remembered), c.fitted) << c.why;
  EXPECT_EQ(FitDecimals(IntegerDecimals{0, 7}), (IntegerDecimals{2, 7}));
}

TEST(RememberedInteger, TakesWhatNTakesAndRefusesTheRest) {
  const struct {
    const char* text;
    std::optional<std::int32_t> value;
  } cases[] = {
      {"12", 12},
      {"-2147483648", -2147483647 - 1},
      {"2147483647", 2147483647},
      {"007", 7},
      {"", None},             // nothing typed
      {"abc", None},          // no digits
      {"12a", None},          // a digit run with more after it
      {"+", None},            // a lone sign
      {"2147483648", None},   // one past 32 bits
      {"99999999999", None},  // far past them
      {" 5", None},           // N takes no blanks
      {"1/2", None},          // a fraction is no integer
  };
  for (const auto& c : cases) EXPECT_EQ(RememberedInteger(c.text), c.value) << c.text;
}

TEST(SplitFraction, SplitsAtTheFirstBar) {
  const struct {
    const char* text;
    const char* numerator;
    const char* denominator;
  } cases[] = {
      {"3/4", "3", "4"},   {"3/-4", "3", "-4"}, {"7", "7", "1"},
      {"1/2/3", "1", "2/3"}, {"/", "", ""},     {"", "", "1"},
  };
  for (const auto& c : cases) {
    const FractionItemTexts split = SplitFraction(c.text);
    EXPECT_EQ(split.numerator, c.numerator) << c.text;
    EXPECT_EQ(split.denominator, c.denominator) << c.text;
  }
}

// ---- Integers

TEST(IntegerSession, ComesBackWithItsSelectionAndItsResults) {
  IntegerShared before;
  for (std::int32_t v : {12, -18, 2147483647, 0, 30}) before.Add(v);
  before.Pick({0, 1, 4}, 4);
  const ListSession session = before.Session();
  EXPECT_EQ(session, (ListSession{{"12", "-18", "2147483647", "0", "30"}, {0, 1, 4}, 4}));

  IntegerShared after;
  IntegerWindowState window(after);
  after.Restore(session);
  EXPECT_EQ(after.Session(), session);
  EXPECT_EQ(after.Hcd(), before.Hcd());
  EXPECT_EQ(after.Lcm(), before.Lcm());
  EXPECT_EQ(after.ListSection(), before.ListSection()) << "the selection's problem is on offer";
  EXPECT_EQ(window.Rows().size(), 5u) << "a window open on the list shows the items";
}

TEST(IntegerSession, DropsWhatNoLongerFits) {
  const Texts thirty = Many(30, [](int i) { return std::to_string(i * 7); });
  const struct {
    const char* why;
    ListSession remembered;
    ListSession restored;
  } cases[] = {
      {"30 numbers are cut to the 23 a list holds; a selection past them goes",
       {thirty, {0, 22, 25}, 25},
       {FirstOf(thirty, 23), {0, 22}, None}},
      {"texts N refuses are dropped, the later items move up",
       {{"12", "abc", "12a", "", "+", "99999999999", "-2147483648", "7"}, {1, 6, 7}, 7},
       {{"12", "-2147483648", "7"}, {1, 2}, 2}},
      {"a repeat is dropped as a typed one is", {{"5", "5", "6"}, {2}, 2}, {{"5", "6"}, {1}, 1}},
      {"a selection beyond the list is dropped", {{"1", "2"}, {3, 100}, 9}, {{"1", "2"}, {}, None}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    IntegerShared shared;
    shared.Add(99);  // what the list held before is replaced
    shared.Restore(c.remembered);
    EXPECT_EQ(shared.Session(), c.restored);
  }
}

// ---- Fractions

TEST(FractionSession, KeepsEachPairAsStored) {
  FractionState before;
  // 0/5 shows as 0 and 2/4 beside 1/2 is another item: the pairs, not their texts, come back.
  for (auto [n, d] : {std::pair{"0", "5"}, {"0", "1"}, {"3", "-4"}, {"2", "4"}, {"1", "2"},
                      {"7", "1"}})
    ASSERT_EQ(before.Enter(n, d, false).Outcome, FractionEntry::Added);
  before.Select(3);
  const ListSession session = before.Session();
  EXPECT_EQ(session, (ListSession{{"0/5", "0/1", "3/-4", "2/4", "1/2", "7/1"}, {3}, 3}));

  FractionState after;
  after.Restore(session);
  EXPECT_EQ(after.Session(), session);
  EXPECT_EQ(after.ListTexts(), before.ListTexts());
  EXPECT_EQ(after.Selected(), std::optional<std::size_t>(3));
}

TEST(FractionSession, DropsWhatTheWindowWouldRefuse) {
  const Texts thirty = Many(30, [](int i) { return std::to_string(i + 1) + "/3"; });
  const struct {
    const char* why;
    ListSession remembered;
    ListSession restored;
  } cases[] = {
      {"30 fractions are cut to the 22 a list holds", {thirty, {}, 21}, {FirstOf(thirty, 22), {21}, 21}},
      {"a zero denominator, a text that is no pair of integers, a pair that does not reduce "
       "within Long_Max",
       {{"1/0", "x/2", "1/2/3", "/", "", "1/-2147483648", "2/3"}, {6}, 6},
       {{"2/3"}, {0}, 0}},
      {"a whole number is n/1", {{"5"}, {}, None}, {{"5/1"}, {}, None}},
      {"a repeat is dropped and the selected item keeps its pick",
       {{"1/2", "1/2", "3/4"}, {2}, 2},
       {{"1/2", "3/4"}, {1}, 1}},
      {"the selected item was dropped", {{"1/0", "3/4"}, {0}, 0}, {{"3/4"}, {}, None}},
      {"a selection beyond the list is dropped", {{"3/4"}, {4}, 4}, {{"3/4"}, {}, None}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    FractionState state;
    state.Enter("9", "8", false);
    state.Restore(c.remembered);
    EXPECT_EQ(state.Session(), c.restored);
  }
}

// ---- Polynomials

TEST(PolynomialSession, ComesBackWithTheOperandsChoices) {
  PolynomialState before;
  for (const char* text : {"3x^2-x+1/2", "2/4x", "0", "x^9-1", "2/4x"}) {
    Polynomial p{};
    ASSERT_TRUE(PolFromText(text, p)) << text;
    before.Add(p);
  }
  before.Choose(0, 3);
  before.Choose(1, 2);
  const PolynomialSession session = before.Session();
  EXPECT_EQ(session.items, (Texts{"3x^2-x+1/2", "2/4x", "0", "x^9-1", "2/4x"}));
  EXPECT_EQ(session.operands, (std::array<std::optional<std::size_t>, 2>{3, 2}));

  PolynomialState after;
  after.Restore(session);
  EXPECT_EQ(after.Session(), session);
  EXPECT_EQ(after.Operand(0).text, "x^9-1") << "the operand's field shows its item";
  EXPECT_TRUE(after.EverListed()) << "the binary and combined panels work";
  const PolChanges changes = after.TakeChanges();
  EXPECT_EQ(changes.list, ListChange::Rebuilt) << "the window writes the whole list";
}

TEST(PolynomialSession, DropsWhatTheWindowWouldRefuse) {
  const Texts thirty = Many(30, [](int i) { return "x+" + std::to_string(i + 1); });
  const struct {
    const char* why;
    PolynomialSession remembered;
    Texts items;
    std::array<std::optional<std::size_t>, 2> operands;
  } cases[] = {
      {"30 polynomials are cut to the 24 a list holds; an operand past them chooses as adding did",
       {thirty, {{27, 23}}},
       FirstOf(thirty, 24),
       {{0, 23}}},
      {"texts that are no polynomial are dropped",
       {{"not one", "", "x^^2", "1/0x", "x^99999999999", "1+x", "x-1"}, {{6, 6}}},
       {"x-1"},
       {{0, 0}}},
      {"repeats are kept, as typed ones are", {{"x", "x"}, {{1, 0}}}, {"x", "x"}, {{1, 0}}},
      {"an operand whose item was dropped keeps the choice adding made",
       {{"x", "nope", "x+2"}, {{1, 2}}},
       {"x", "x+2"},
       {{0, 1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    PolynomialState state;
    state.Restore(c.remembered);
    const PolynomialSession restored = state.Session();
    EXPECT_EQ(restored.items, c.items);
    EXPECT_EQ(restored.operands, c.operands);
  }
}

}  // namespace
}  // namespace tessaro
