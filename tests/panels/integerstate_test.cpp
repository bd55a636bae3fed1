#include "panels/integerstate.h"

#include "numbers/numbers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace tessaro {
namespace {

using NEntry = IntegerWindowState::NEntry;
using Evaluation = IntegerWindowState::Evaluation;

NEntry Accept(IntegerWindowState& w, const std::string& n) {
  w.EditN(n);
  return w.AcceptN();
}

void Pair(IntegerWindowState& w, const std::string& a, const std::string& b, int decimals = 2) {
  w.EditOperands(a, b);
  w.ComputePair(decimals);
}

Evaluation Evaluate(IntegerWindowState& w, const std::string& expression, int decimals = 2) {
  w.EditExpression(expression);
  return w.Evaluate(decimals);
}

void Fill(IntegerShared& shared, const std::vector<std::int32_t>& numbers) {
  for (std::int32_t v : numbers) shared.Add(v);
}

struct SingleRow {
  const char* why;
  const char* typed;
  std::int32_t exponent;
  IntegerSingleShown shown;  // only n and the results are compared
};

TEST(IntegerWindowState, AcceptingNShowsEverythingAboutIt) {
  const SingleRow rows[] = {
      {"leading zeros go", "007", 2, {"7", "49", "7", "5040", "7", "111", "7", "", "7", ""}},
      {"zero: power 0, factorial 1, no factors", "0", 2,
       {"0", "0", "", "1", "0", "0", "0", "", "0", ""}},
      {"the largest factorial", "160", 2,
       {"160", "25600", "2^5 \xC2\xB7 5", "4.71472363599206E284", "A0", "10100000", "240", "",
        "114", ""}},
      {"one past it", "161", 2,
       {"161", "25921", "7 \xC2\xB7 23", " Not calculable (N> 160)", "A1", "10100001", "241", "",
        "115", ""}},
      {"the square passes Long_Max", "46341", 2,
       {"46341", "Not calculable", "3^2 \xC2\xB7 19 \xC2\xB7 271", " Not calculable (N> 160)",
        "B505", "1011010100000101", "132405", "", "22999", ""}},
      {"negative N: sign and digits of |N|, hexadecimal in two's complement", "-12", 3,
       {"-12", "-1728", "-2^2 \xC2\xB7 3", " Not calculable (N< 0)", "FFFFFFF4", "-1100", "-14",
        "", "-10", ""}},
  };
  for (const SingleRow& row : rows) {
    SCOPED_TRACE(row.why);
    IntegerShared shared;
    IntegerWindowState w(shared);
    w.ChooseExponent(row.exponent);
    ASSERT_EQ(Accept(w, row.typed), NEntry::Accepted);
    const IntegerSingleShown& s = w.Single();
    const IntegerSingleShown& e = row.shown;
    EXPECT_EQ(s.n, e.n);
    EXPECT_EQ(s.power, e.power);
    EXPECT_EQ(s.factorization, e.factorization);
    EXPECT_EQ(s.factorial, e.factorial);
    EXPECT_EQ(s.hex, e.hex);
    EXPECT_EQ(s.bin, e.bin);
    EXPECT_EQ(s.oct, e.oct);
    EXPECT_EQ(s.x, e.x);
    EXPECT_TRUE(w.Offers(IntegerSection::Single));
    EXPECT_TRUE(w.CanAddN());
    EXPECT_EQ(shared.List().Items(), std::vector<std::int32_t>{}) << "the window adds, not Accept";
  }
}

TEST(IntegerWindowState, RefusesAnNThatIsNoIntegerAndChangesNothing) {
  IntegerShared shared;
  IntegerWindowState w(shared);
  Accept(w, "5");
  EXPECT_EQ(Accept(w, ""), NEntry::Empty);
  EXPECT_EQ(Accept(w, "12a"), NEntry::NotInteger);
  EXPECT_THROW(Accept(w, "-"), ConversionError) << "a lone sign";
  EXPECT_THROW(Accept(w, "99999999999"), ConversionError) << "beyond 32 bits";
  EXPECT_EQ(w.N(), 5);
  EXPECT_FALSE(w.CanAddN());
  EXPECT_FALSE(w.Offers(IntegerSection::Single));
}

struct BasisRow {
  const char* why;
  const char* basis;
  bool throws;  // the conversion message: no integer
  const char* error;
  const char* digits;
};

TEST(IntegerWindowState, WritesNInTheChosenBasisOrRefusesIt) {
  const BasisRow rows[] = {
      {"a basis like the hexadecimal one", "16", false, "", "FF"},
      {"the smallest basis", "2", false, "", "11111111"},
      {"the largest basis", "201", false, "", "1m"},
      {"below 2: the digits stay", "1", false, "1 isn't a valid basis", "193"},
      {"zero", "0", false, "0 isn't a valid basis", "193"},
      {"beyond the last digit", "202", false, "202 isn't a valid basis", "193"},
      {"negative", "-5", false, "-5 isn't a valid basis", "193"},
      {"letters are no integer", "abc", true, "", "193"},
      {"a hexadecimal integer text is no basis", "x10", true, "", "193"},
      {"nor a leading blank", " 12", true, "", "193"},
      {"a lone sign", "-", true, "", "193"},
      {"empty: nothing happens", "", false, "", "193"},
  };
  for (const BasisRow& row : rows) {
    SCOPED_TRACE(row.why);
    IntegerShared shared;
    IntegerWindowState w(shared);
    Accept(w, "255");
    w.Edit(IntegerField::Basis, row.basis);
    if (row.throws)
      EXPECT_THROW(w.EnterBasis(), ConversionError);
    else
      w.EnterBasis();
    EXPECT_EQ(w.Single().error, row.error);
    EXPECT_EQ(w.Single().x, row.digits);
    // N is not accepted with a basis that is no integer.
    if (row.throws) {
      EXPECT_THROW(Accept(w, "7"), ConversionError);
      EXPECT_EQ(w.Single().power, "");
      EXPECT_EQ(w.N(), 255);
    }
  }
}

struct BaseFieldRow {
  const char* why;
  IntegerField field;
  const char* text;
  std::int32_t n;
};

TEST(IntegerWindowState, EnterInABaseFieldShowsItsNumberWaitingForAcceptance) {
  const BaseFieldRow rows[] = {
      {"upper-case hexadecimal", IntegerField::Hex, "FF", 255},
      {"lower-case letters are no hexadecimal digits", IntegerField::Hex, "ff", 0},
      {"two's complement", IntegerField::Hex, "FFFFFFF3", -13},
      {"octal", IntegerField::Oct, "17", 15},
      {"8 is no octal digit", IntegerField::Oct, "18", 0},
      {"basis 12", IntegerField::X, "BB", 143},
  };
  for (const BaseFieldRow& row : rows) {
    SCOPED_TRACE(row.why);
    IntegerShared shared;
    IntegerWindowState w(shared);
    Accept(w, "1");
    w.Edit(row.field, row.text);
    switch (row.field) {
      case IntegerField::Hex: w.EnterHex(); break;
      case IntegerField::Oct: w.EnterOct(); break;
      default: w.EnterX(); break;
    }
    EXPECT_EQ(w.N(), row.n);
    EXPECT_EQ(w.Single().n, std::to_string(row.n));
    EXPECT_EQ(w.Single().hex, HexText(row.n));
    EXPECT_EQ(w.Single().x, BaseText(row.n, 12));
    EXPECT_EQ(w.Single().power, "") << "the power waits for N to be accepted";
    EXPECT_FALSE(w.Offers(IntegerSection::Single));
  }
}

TEST(IntegerWindowState, EnterInTheBinaryFieldOnlySetsN) {
  IntegerShared shared;
  IntegerWindowState w(shared);
  Accept(w, "12");
  w.Edit(IntegerField::Bin, "1011");
  w.EnterBin();
  EXPECT_EQ(w.N(), 11);
  EXPECT_EQ(w.Single().n, "12");
  EXPECT_EQ(w.Single().power, "144");
  EXPECT_EQ(w.Single().bin, "1011");
  ASSERT_TRUE(w.Offers(IntegerSection::Single));
  EXPECT_EQ(w.SingleSection()->n, 12) << "the problem repeats the results shown";
  // The exponent acts on N = 11: the panel no longer shows one number's results.
  w.ChooseExponent(3);
  EXPECT_EQ(w.Single().power, "1331");
  EXPECT_FALSE(w.Offers(IntegerSection::Single));
}

struct PairRow {
  const char* why;
  const char *a, *b;
  int decimals;
  IntegerPairShown shown;
};

TEST(IntegerWindowState, TwoIntegersGiveSumsProductsDivisionsHcdAndLcm) {
  const char* over = " > LONG_MAX";
  const PairRow rows[] = {
      {"the road of every day", "7", "2", 2,
       {"7", "2", "9", "5", "14", "3.5", "7", "2", "3", "1", "1", "14"}},
      {"negative divisor", "7", "-2", 2,
       {"7", "-2", "5", "9", "-14", "-3.5", "7", "-2", "-3", "1", "1", "14"}},
      {"the remainder has the sign of n1", "-7", "2", 2,
       {"-7", "2", "-5", "-9", "-14", "-3.5", "-7", "2", "-3", "-1", "1", "14"}},
      {"decimals cut, no trailing zeros", "10", "4", 9,
       {"10", "4", "14", "6", "40", "2.5", "10", "4", "2", "2", "2", "20"}},
      {"overflowing sum and product", "2000000000", "2000000000", 2,
       {"2000000000", "2000000000", over, "0", over, "1", "2000000000", "2000000000", "1", "0",
        "2000000000", "2000000000"}},
      {"division by zero: the heading still names the operands", "5", "0", 2,
       {"5", "0", "5", "5", "0", "infinite", "5", "0", "-", "-", "5", "0"}},
      {"the quotient beyond 32 bits traps nothing", "-2147483648", "-1", 2,
       {"-2147483648", "-1", over, over, over, "2147483648", "-2147483648", "-1", over, "0", "1",
        over}},
      {"operands shown as read", "007", "x10", 2,
       {"7", "16", "23", "-9", "112", "0.43", "7", "16", "0", "7", "1", "112"}},
  };
  for (const PairRow& row : rows) {
    SCOPED_TRACE(row.why);
    IntegerShared shared;
    IntegerWindowState w(shared);
    Pair(w, "1", "3");
    Pair(w, row.a, row.b, row.decimals);
    const IntegerPairShown& p = w.Pair();
    const IntegerPairShown& e = row.shown;
    const std::pair<const std::string&, const std::string&> fields[] = {
        {p.a, e.a},         {p.b, e.b},
        {p.sum, e.sum},     {p.difference, e.difference},
        {p.product, e.product}, {p.floatQuotient, e.floatQuotient},
        {p.dividend, e.dividend}, {p.divisor, e.divisor},
        {p.quotient, e.quotient}, {p.remainder, e.remainder},
        {p.hcd, e.hcd},     {p.lcm, e.lcm}};
    for (const auto& [shown, expected] : fields) EXPECT_EQ(shown, expected);
    ASSERT_TRUE(w.PairSection());
    EXPECT_EQ(w.PairSection()->decimals, row.decimals);
  }
}

TEST(IntegerWindowState, EditingAnOperandClearsTheResultsAndTheirHeading) {
  IntegerShared shared;
  IntegerWindowState w(shared);
  Pair(w, "7", "2");
  w.EditOperands("8", "2");
  EXPECT_EQ(w.Pair().quotient, "");
  EXPECT_EQ(w.Pair().dividend, "n1");
  EXPECT_EQ(w.Pair().divisor, "n2");
  EXPECT_FALSE(w.Offers(IntegerSection::Pair));
  w.EditOperands("x", "2");
  EXPECT_THROW(w.ComputePair(2), ConversionError);
  EXPECT_EQ(w.Pair().a, "x");
  EXPECT_FALSE(w.Offers(IntegerSection::Pair));
}

struct CombinedRow {
  const char* why;
  std::vector<std::int32_t> list;
  const char* expression;
  const char* replaced;
  const char* rational;  // nullptr: not calculable
  const char* decimal;
};

TEST(IntegerWindowState, CombinedOperationEvaluatesOverTheList) {
  const CombinedRow rows[] = {
      {"an exact quotient", {7, 2}, "a/b", "7/2", "7/2", "3.5"},
      {"precedence", {7, 2}, "a-b*b", "7-2*2", "3", "3"},
      {"a whole quotient", {6, 3}, "a/b", "6/3", "2", "2"},
      {"a power", {3}, "a^2", "3^2", "9", "9"},
      {"the power 0", {3}, "a^0", "3^0", "1", "1"},
      {"a negative number in parentheses", {-3}, "a^2", "(-3)^2", "9", "9"},
      {"a negative number after an operator", {-3, 2}, "b*a", "2*(-3)", "-6", "-6"},
      {"left grouping", {10, 3, 2}, "a-b-c", "10-3-2", "5", "5"},
      {"cut, not rounded", {2, 3}, "a/b", "2/3", "2/3", "0.66"},
      {"c names no number", {7, 2}, "a+c", "7+c", nullptr, nullptr},
      {"division by zero", {5, 0}, "a/b", "5/0", nullptr, nullptr},
      {"zero divided", {5, 0}, "b/a", "0/5", "0", "0"},
      {"overflow", {46341}, "a*a", "46341*46341", nullptr, nullptr},
  };
  for (const CombinedRow& row : rows) {
    SCOPED_TRACE(row.why);
    IntegerShared shared;
    IntegerWindowState w(shared);
    Fill(shared, row.list);
    EXPECT_EQ(Evaluate(w, row.expression),
              row.rational ? Evaluation::Done : Evaluation::NotCalculable);
    EXPECT_EQ(w.Combined().replaced, row.replaced);
    EXPECT_EQ(w.Combined().rational, row.rational ? row.rational : "  ---");
    EXPECT_EQ(w.Combined().decimal, row.decimal ? row.decimal : "  ---");
    EXPECT_EQ(w.Offers(IntegerSection::Combined), row.rational != nullptr);
  }
}

TEST(IntegerWindowState, AFailedEvaluationOffersNoProblemEvenWithTheTextUnchanged) {
  IntegerShared shared;
  IntegerWindowState w(shared);
  Fill(shared, {12, 18});
  ASSERT_EQ(Evaluate(w, "a+b"), Evaluation::Done);
  shared.Clear();
  EXPECT_EQ(w.Evaluate(2), Evaluation::NotCalculable);
  EXPECT_FALSE(w.Offers(IntegerSection::Combined));

  Fill(shared, {2, 3});
  ASSERT_EQ(Evaluate(w, "a^b"), Evaluation::Done);
  shared.Erase(1);
  EXPECT_THROW(w.Evaluate(2), ConversionError) << "2^b: the exponent is no integer";
  EXPECT_EQ(w.Combined().replaced, "2^b");
  EXPECT_EQ(w.Combined().rational, "") << "no result of the former list stays";
  EXPECT_FALSE(w.Offers(IntegerSection::Combined));
  w.EditExpression("");
  EXPECT_EQ(w.Evaluate(2), Evaluation::Empty) << "nothing to evaluate";
}

struct SelectionRow {
  const char* why;
  std::vector<std::int32_t> list;
  std::vector<std::size_t> rows;
  const char* hcd;
  const char* lcm;
};

TEST(IntegerShared, SelectedNumbersGiveTheirHcdAndLcm) {
  const SelectionRow rows[] = {
      {"three numbers", {12, 18, 30}, {0, 1, 2}, "6", "180"},
      {"one number is no selection", {12, 18, 30}, {1}, "", ""},
      {"the LCM overflows", {65536, 65537}, {0, 1}, "1", ">Long_Max"},
      {"an LCM with 0 is 0", {0, 5}, {0, 1}, "5", "0"},
  };
  for (const SelectionRow& row : rows) {
    SCOPED_TRACE(row.why);
    IntegerShared shared;
    IntegerWindowState w(shared);
    Fill(shared, row.list);
    shared.Pick(row.rows, row.rows.back());
    EXPECT_EQ(shared.Hcd(), row.hcd);
    EXPECT_EQ(shared.Lcm(), row.lcm);
    EXPECT_EQ(w.Offers(IntegerSection::List), row.rows.size() >= 2);
  }
}

TEST(IntegerShared, TheListGrowsShrinksAndClearsForEveryWindow) {
  IntegerShared shared;
  IntegerWindowState first(shared);
  Fill(shared, {12, 18, 30, 12});
  EXPECT_EQ(shared.List().Items(), (std::vector<std::int32_t>{12, 18, 30})) << "12 once";
  const std::string blanks(18, ' ');
  EXPECT_EQ(first.Rows().back(), "30" + blanks + "1E") << "a row as it is added";
  IntegerWindowState second(shared);
  EXPECT_EQ(second.Rows(), (std::vector<std::string>{"12", "18", "30"})) << "a new window's rows";
  EXPECT_EQ(first.Pair().a, "12") << "an empty operand shows the first number";

  shared.Pick({0, 1}, 1);
  shared.Erase(1);
  EXPECT_EQ(shared.List().UsedLetters(), "ab");
  EXPECT_EQ(first.Rows(), (std::vector<std::string>{"12", "30"})) << "no hexadecimal part now";
  EXPECT_EQ(shared.Choices(), (std::vector<std::int32_t>{12, 30}));
  EXPECT_TRUE(shared.List().SelectedIndices().empty());
  EXPECT_EQ(shared.Hcd(), "6") << "the hcd shown stays with its problem";
  EXPECT_TRUE(second.Offers(IntegerSection::List));

  shared.Clear();
  EXPECT_TRUE(first.Rows().empty());
  EXPECT_TRUE(second.Rows().empty());
  EXPECT_EQ(shared.Choices(), (std::vector<std::int32_t>{12, 30})) << "n1 and n2 keep them";
  EXPECT_FALSE(first.Offers(IntegerSection::List));

  for (std::int32_t v = 1; v <= 23; ++v) ASSERT_EQ(shared.Add(v), ListAdd::Added);
  EXPECT_EQ(shared.Add(24), ListAdd::Full);
  EXPECT_EQ(shared.Generate(), ListAdd::Full);
  EXPECT_EQ(shared.Add(23), ListAdd::Duplicate) << "already stored: nothing to refuse";
  shared.Empty();
  EXPECT_TRUE(shared.List().Empty());
}

TEST(IntegerShared, AddingANumberKeepsEveryWindowsTypedOperandsAndResults) {
  IntegerShared shared;
  IntegerWindowState first(shared);
  IntegerWindowState second(shared);
  Pair(first, "7", "2");
  second.EditOperands("", "9");
  Accept(second, "12");
  second.AddN();
  EXPECT_EQ(first.Pair().a, "7");
  EXPECT_EQ(first.Pair().sum, "9");
  EXPECT_TRUE(first.Offers(IntegerSection::Pair));
  EXPECT_EQ(second.Pair().a, "12") << "the empty field shows the number";
  EXPECT_EQ(second.Pair().b, "9");
}

TEST(IntegerWindowState, EachWindowOffersItsOwnKindsAndAllOnlyForMoreThanOne) {
  IntegerShared shared;
  IntegerWindowState first(shared);
  Accept(first, "12");
  Pair(first, "7", "2");
  IntegerWindowState second(shared);
  EXPECT_TRUE(first.OffersAll());
  EXPECT_FALSE(second.Offers(IntegerSection::Single));
  EXPECT_FALSE(second.OffersAll());
  Accept(second, "5");
  EXPECT_FALSE(second.OffersAll()) << "one kind";
  Fill(shared, {4, 6});
  shared.Pick({0, 1}, 0);
  EXPECT_TRUE(second.OffersAll()) << "its own N and the list's selection";
  first.EditN("1");
  first.EditOperands("1", "2");
  shared.Unselect();
  EXPECT_FALSE(first.OffersAll());
  EXPECT_FALSE(first.Offers(IntegerSection::List));
}

// ---- Whatever the user does, the results on offer are those of their operands ----

// The last text the user typed into each base field of a window: those fields take input
// too, and keep it until the window writes them again.
using Typed = std::map<IntegerField, std::string>;

testing::AssertionResult ShowsItsOperands(const IntegerWindowState& w, const Typed& typed) {
  const auto shown = [&](IntegerField f, const std::string& text, const std::string& expected) {
    const auto it = typed.find(f);
    return text == expected || (it != typed.end() && text == it->second);
  };
  if (const auto& s = w.SingleSection()) {
    const IntegerSingleShown& t = w.Single();
    if (t.n != std::to_string(s->n) || t.power != PowerText(s->n, s->exponent) ||
        t.factorization != FactorText(s->n) || t.factorial != FactorialText(s->n))
      return testing::AssertionFailure() << "N " << t.n << " with " << t.power << " for "
                                         << s->n << "^" << s->exponent;
    if (!shown(IntegerField::Hex, t.hex, HexText(s->n)) ||
        !shown(IntegerField::Bin, t.bin, BaseText(s->n, 2)) ||
        !shown(IntegerField::Oct, t.oct, BaseText(s->n, 8)))
      return testing::AssertionFailure() << "bases " << t.hex << " " << t.bin << " " << t.oct;
    // Left empty by a basis that was refused when N was accepted.
    if (!t.x.empty() && !shown(IntegerField::X, t.x, BaseText(s->n, s->basis)))
      return testing::AssertionFailure() << "basis " << s->basis << " digits " << t.x;
  }
  const IntegerPairShown& p = w.Pair();
  if (const auto& s = w.PairSection()) {
    const TwoIntTexts t = TwoIntResults(s->a, s->b, s->decimals);
    const std::string a = std::to_string(s->a), b = std::to_string(s->b);
    if (p.a != a || p.b != b || p.dividend != a || p.divisor != b || p.sum != t.Sum ||
        p.difference != t.Diff || p.product != t.Prod || p.floatQuotient != t.FloatDiv ||
        p.quotient != t.Quot || p.remainder != t.Rem || p.hcd != t.Hcd || p.lcm != t.Lcm)
      return testing::AssertionFailure() << "pair " << p.a << ", " << p.b << " for " << a
                                         << ", " << b;
  } else if (p.dividend != "n1" || p.divisor != "n2" || !p.quotient.empty()) {
    return testing::AssertionFailure() << "a heading " << p.dividend << " | " << p.divisor
                                       << " over no results";
  }
  if (const auto& s = w.CombinedSection()) {
    const IntegerCombinedShown& c = w.Combined();
    const std::string replaced = CombinedText(s->expression, s->numbers);
    const CombinedTexts r = CombinedResults(replaced, s->decimals);
    if (c.expression != s->expression || c.replaced != replaced || c.rational != r.Rational ||
        c.decimal != r.Float)
      return testing::AssertionFailure() << "combined " << c.expression << " = " << c.rational;
  }
  if (const auto& s = w.Shared().ListSection()) {
    const SelectionTexts t = SelectionResults(*s);
    if (w.Shared().Hcd() != t.Hcd || w.Shared().Lcm() != t.Lcm)
      return testing::AssertionFailure() << "hcd " << w.Shared().Hcd();
  }
  return testing::AssertionSuccess();
}

TEST(IntegerWindowState, ResultsOnOfferAlwaysComeFromTheirOperands) {
  RandomizeWith(11);
  std::mt19937 random(20261207);
  const auto any = [&](const std::vector<std::string>& pool) {
    return pool[random() % pool.size()];
  };
  const std::vector<std::string> ns = {"12", "-7", "0", "161", "46341", "7", "abc", "", "x"};
  const std::vector<std::string> bases = {"12", "16", "2", "201", "1", "abc", "", "202"};
  const std::vector<std::string> digits = {"FF", "C", "17", "1011", "101", "BB", "zz", "12x"};
  const std::vector<std::string> operands = {"7", "2", "0", "-2147483648", "-1", "x", ""};
  const std::vector<std::string> expressions = {"a+b", "a/b", "c", "a^b", "b/a", "", "a*a"};
  const std::int32_t numbers[] = {12, 18, 2, 0, -3, 65536, 65537, 2147483647, INT32_MIN};

  IntegerShared shared;
  std::unique_ptr<IntegerWindowState> windows[2];
  std::map<const IntegerWindowState*, Typed> typed;
  int offered[IntegerSectionCount] = {};
  for (int step = 0; step < 4000; ++step) {
    const std::size_t which = random() % 2;
    if (!windows[which] || random() % 200 == 0) {
      typed.erase(windows[which].get());
      windows[which] = std::make_unique<IntegerWindowState>(shared);
    }
    IntegerWindowState& w = *windows[which];
    const auto type = [&](IntegerField f, const std::string& text) {
      w.Edit(f, text);
      if (f != IntegerField::Basis) typed[&w][f] = text;
    };
    const std::size_t size = shared.List().Size();
    try {
      switch (random() % 20) {
        case 0: Accept(w, any(ns)); break;
        case 1: w.EditN(any(ns)); break;
        case 2: if (w.CanAddN()) w.TakeNIntoList(); break;
        case 3: w.ChooseExponent(2 + static_cast<int>(random() % 8)); break;
        case 4: type(IntegerField::Basis, any(bases)); w.EnterBasis(); break;
        case 5: type(IntegerField::Hex, any(digits)); w.EnterHex(); break;
        case 6: type(IntegerField::Oct, any(digits)); w.EnterOct(); break;
        case 7: type(IntegerField::X, any(digits)); w.EnterX(); break;
        case 8: type(IntegerField::Bin, any(digits)); w.EnterBin(); break;
        case 9: type(IntegerField::Bin, any(digits)); w.DoubleClickBin(); break;
        case 10: Pair(w, any(operands), any(operands), 1 + static_cast<int>(random() % 9)); break;
        case 11: w.EditOperands(any(operands), any(operands)); break;
        case 12: w.GeneratePair(2); break;
        case 13: Evaluate(w, any(expressions), 1 + static_cast<int>(random() % 9)); break;
        case 14: w.Evaluate(3); break;
        case 15: shared.Add(numbers[random() % std::size(numbers)]); break;
        case 16: if (size > 0) shared.Erase(random() % size); else shared.Generate(); break;
        case 17: random() % 4 == 0 ? shared.Clear() : random() % 3 == 0 ? shared.Empty()
                                                                          : shared.Unselect();
          break;
        case 18: {
          std::vector<std::size_t> picked;
          for (std::size_t i = 0; i < size; ++i)
            if (random() % 2) picked.push_back(i);
          shared.Pick(picked, picked.empty() ? std::nullopt : std::optional(picked.front()));
          break;
        }
        case 19:
          if (size > 0 && random() % 2) w.ProposeListNumber(random() % size);
          else if (size > 0) w.AcceptListNumber(random() % size);
          break;
      }
    } catch (const ConversionError&) {
      // The window shows the message; the state is checked all the same.
    }
    for (const auto& window : windows) {
      if (!window) continue;
      ASSERT_TRUE(ShowsItsOperands(*window, typed[window.get()])) << "step " << step;
      for (std::size_t k = 0; k < IntegerSectionCount; ++k)
        offered[k] += window->Offers(static_cast<IntegerSection>(k)) ? 1 : 0;
    }
  }
  // The walk reached every kind often, so the checks above were not idle.
  for (std::size_t k = 0; k < IntegerSectionCount; ++k) EXPECT_GT(offered[k], 200) << k;
}

}  // namespace
}  // namespace tessaro
