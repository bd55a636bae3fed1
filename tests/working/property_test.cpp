// Over many random inputs, every working ends in what its panel shows, and every line of a
// combined working has the value of the first, read back by the program's own evaluators.

#include "working/combinedworking.h"
#include "working/fractionworking.h"
#include "working/integerworking.h"
#include "working/polynomialworking.h"

#include "numbers/numbers.h"
#include "panels/fractionpanel.h"
#include "panels/integerpanel.h"
#include "panels/polynomialpanel.h"
#include "polynomials/poltest.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace tessaro {
namespace {

using Lines = std::vector<std::string>;

constexpr int Rounds = 1000;

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string Trimmed(std::string text) {
  text.erase(0, text.find_first_not_of(' '));
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

// A line as the evaluators read it: no leading "= ", "*" for the middle dot.
std::string Readable(std::string line) {
  if (line.starts_with("= ")) line.erase(0, 2);
  for (std::size_t at = line.find("·"); at != std::string::npos; at = line.find("·", at))
    line.replace(at, std::string("·").size(), "*");
  return line;
}

// TESSARO_SEED varies the inputs of a longer run; the suite's own run is always the same.
unsigned Seed() {
  const char* seed = std::getenv("TESSARO_SEED");
  return seed ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 0;
}

class Random {
 public:
  explicit Random(unsigned seed) : engine_(seed) {}
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
  // Mostly small values, now and then one at the 32-bit edges.
  std::int32_t Int() {
    static const std::int32_t edges[] = {0, 1, -1, 46341, 65536, 65537, Long_Max, -Long_Max,
                                         INT32_MIN, INT32_MAX, 2000000000};
    if (Below(8) == 0) return edges[Below(11)];
    return Below(121) - 60;
  }
  // An expression over the letters of a list of `count` items: sums, differences, products,
  // quotients, powers, signs and parentheses, now and then something unreadable.
  std::string Expression(int depth, char first, int count) {
    const int r = Below(12);
    if (depth == 0 || r < 3) {
      if (Below(4) == 0) return std::to_string(Below(20));
      return std::string(1, static_cast<char>(first + Below(count)));
    }
    const std::string left = Expression(depth - 1, first, count);
    const std::string right = Expression(depth - 1, first, count);
    static const char ops[] = {'+', '-', '*', '/'};
    if (r < 8) {
      std::string e = left + ops[Below(4)] + right;
      return Below(3) == 0 ? "(" + e + ")" : e;
    }
    if (r < 10) return "(" + left + ")^" + std::to_string(Below(5) - 1);
    if (r < 11) return "-(" + left + ")";
    return Below(2) == 0 ? left + "*" : "(" + left + ")";
  }

 private:
  std::mt19937 engine_;
};

TEST(WorkingProperty, IntegerWorkingsEndInWhatThePanelsShow) {
  Random random(17 + Seed());
  for (int round = 0; round < Rounds; ++round) {
    const std::int32_t a = random.Int(), b = random.Int();
    const TwoIntTexts t = TwoIntResults(a, b, 2);
    const Lines pair = IntegerPairWorking(a, b).Lines();
    EXPECT_TRUE(EndsWith(pair.back(), t.Lcm)) << a << ", " << b;
    const bool hcdShown = std::any_of(pair.begin(), pair.end(), [&](const std::string& l) {
      return l.starts_with("hcd(") && EndsWith(l, t.Hcd) && l.find(" = hcd") == std::string::npos;
    });
    EXPECT_TRUE(hcdShown) << a << ", " << b;
    if (t.Divided && t.Quot != " > LONG_MAX") {
      const std::string rem = t.Rem.starts_with("-") ? "(" + t.Rem + ")" : t.Rem;
      EXPECT_TRUE(EndsWith(pair.front(), rem)) << a << ", " << b;
      EXPECT_NE(pair.front().find(t.Quot), std::string::npos) << a << ", " << b;
    }

    if (a < -1 || a > 1) {
      EXPECT_EQ(FactorLadderWorking(a).LastLine(), std::to_string(a) + " = " + FactorText(a));
    }
    const std::int32_t basis = 2 + random.Below(MaxBasis - 1);
    EXPECT_EQ(BaseChangeWorking(a, basis).LastLine(), std::to_string(a) + " = " +
                                                          BaseText(a, basis) + " (basis " +
                                                          std::to_string(basis) + ")");

    std::vector<std::int32_t> list(2 + random.Below(4));
    for (std::int32_t& v : list) v = random.Int();
    const SelectionTexts s = SelectionResults(list);
    const Working w = ListHcdLcmWorking(list);
    EXPECT_TRUE(EndsWith(w.LastLine(), s.Lcm)) << w.LastLine();
    const Lines lines = w.Lines();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& l) {
      return l.starts_with("hcd(") && EndsWith(l, s.Hcd);
    }));
  }
}

TEST(WorkingProperty, FractionOperationsEndInTheCells) {
  Random random(29 + Seed());
  for (int round = 0; round < Rounds; ++round) {
    std::int32_t d1 = random.Int(), d2 = random.Int();
    if (d1 == 0) d1 = 7;
    if (d2 == 0) d2 = -3;
    const std::string f1 = std::to_string(random.Int()) + "/" + std::to_string(d1);
    const std::string f2 = std::to_string(random.Int()) + "/" + std::to_string(d2);
    const BinaryResults cells = BinaryOperations(f1, f2);
    ASSERT_EQ(cells.Outcome, BinaryOutcome::Done);
    const Lines lines = FractionPairWorking(f1, f2).Lines();
    ASSERT_EQ(lines.size(), 4u);
    for (int i = 0; i < 4; ++i) {
      EXPECT_TRUE(EndsWith(lines[i], cells.Cells[i])) << lines[i] << " vs " << cells.Cells[i];
    }
  }
}

// `text` with every fraction literal n/d written as a division (n/d): the evaluator takes a
// literal as it stands, unreduced, while the working showed the division 18/900 that it did.
std::string AsDivisions(const std::string& text) {
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t end = i;
    while (end < text.size() && digit(text[end])) ++end;
    std::size_t den = end + 1;
    while (den < text.size() && digit(text[den])) ++den;
    const bool literal = end > i && (i == 0 || !digit(text[i - 1])) && end < text.size() &&
                         text[end] == '/' && den > end + 1;
    if (literal) {
      out += "(" + text.substr(i, den - i) + ")";
      i = den;
    } else {
      out += text[i++];
    }
  }
  return out;
}

// The rational lines: the last is the panel's text, and each reads back to the first's value.
void CheckRationalLines(const Lines& lines, const std::string& replaced, bool integers) {
  ASSERT_FALSE(lines.empty()) << replaced;
  Rational value;
  bool ok = false;
  std::string failure = integers ? "Division by 0 or >Long_Max in any step" : "Wrong entry";
  try {
    ok = RatEval(replaced, value);
  } catch (const ConversionError& e) {
    failure = e.what();
  }
  if (!ok) {
    EXPECT_EQ(lines.back(), failure) << replaced;
    return;
  }
  EXPECT_TRUE(lines.size() == 1 ? lines[0] == RatText(value) || RatText(value) == Readable(lines[0])
                                : lines.back() == "= " + RatText(value))
      << replaced << " ends " << lines.back();
  for (std::size_t i = 1; i < lines.size(); ++i) {
    Rational r;
    const std::string text = Readable(lines[i]);
    bool read = false;
    EXPECT_NO_THROW(read = RatEval(text, r) || RatEval(AsDivisions(text), r)) << text;
    EXPECT_TRUE(read && RatEquiv(r, value)) << replaced << " line " << i << ": " << lines[i];
  }
}

TEST(WorkingProperty, CombinedIntegerLinesKeepTheValueOfTheFirst) {
  Random random(41 + Seed());
  for (int round = 0; round < Rounds; ++round) {
    std::vector<std::int32_t> nums(1 + random.Below(5));
    for (std::int32_t& v : nums) v = random.Below(5) == 0 ? random.Int() : random.Below(19) - 6;
    const std::string replaced =
        CombinedText(random.Expression(4, 'a', static_cast<int>(nums.size())), nums);
    CheckRationalLines(IntegerCombinedWorking(replaced).Lines(), replaced, true);
  }
}

TEST(WorkingProperty, CombinedFractionLinesKeepTheValueOfTheFirst) {
  Random random(43 + Seed());
  for (int round = 0; round < Rounds; ++round) {
    std::vector<std::string> fractions(1 + random.Below(5));
    for (std::string& f : fractions) {
      Rational r{random.Below(41) - 20, 1 + random.Below(12)};
      RatSimplify(r);
      f = RatText(r);
    }
    const std::string replaced = ReplaceLetters(
        random.Expression(4, 'a', static_cast<int>(fractions.size())), fractions);
    CheckRationalLines(FractionCombinedWorking(replaced).Lines(), replaced, false);
  }
}

// A polynomial line read back: every innermost "(…)" that is a polynomial becomes a letter.
int ReadPolynomialLine(const std::string& line, Polynomial& value) {
  std::string text = Readable(line);
  Polynomial whole;
  if (text.find_first_of("()*") == std::string::npos && PolFromText(text, whole)) {
    value = whole;
    return EvalDone;
  }
  std::vector<Polynomial> items;
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t close = text.find(')', i);
    if (text[i] == '(' && close != std::string::npos &&
        text.find('(', i + 1) > close && items.size() < Letters.size()) {
      Polynomial p;
      if (PolFromText(text.substr(i + 1, close - i - 1), p)) {
        items.push_back(p);
        out += Letters[items.size() - 1];
        i = close;
        continue;
      }
    }
    out += text[i];
  }
  return PolEval(out, items, value);
}

TEST(WorkingProperty, CombinedPolynomialLinesKeepTheValueOfTheFirst) {
  Random random(47 + Seed());
  for (int round = 0; round < Rounds; ++round) {
    std::vector<Polynomial> items(1 + random.Below(4));
    for (Polynomial& p : items) {
      IntPolynomial ip{};
      IntPolRandom(random.Below(3), ip);
      PolFromInt(ip, p);
      if (random.Below(3) == 0) p[0] = {p[0].Num, 2};
    }
    const std::string expression =
        random.Expression(3, 'A', static_cast<int>(items.size()));
    Polynomial result;
    int code = EvalDone;
    std::string shown;
    try {
      code = PolEval(expression, items, result);
      shown = CombinedTextOf(code, result).text;
    } catch (const ConversionError& e) {
      shown = e.what();
      code = EvalWhatIsIt;
    }
    const Lines lines = PolynomialCombinedWorking(expression, items).Lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(EndsWith(lines.back(), shown)) << expression << " ends " << lines.back();
    if (code != EvalDone) continue;
    for (const std::string& line : lines) {
      Polynomial p;
      EXPECT_EQ(ReadPolynomialLine(line, p), EvalDone) << expression << ": " << line;
      EXPECT_TRUE(test::SameValue(p, result)) << expression << ": " << line;
    }
  }
}

TEST(WorkingProperty, PolynomialWorkingsEndInWhatThePanelsShow) {
  Random random(53 + Seed());
  for (int round = 0; round < Rounds; ++round) {
    Polynomial a, b;
    IntPolynomial ia{}, ib{};
    IntPolRandom(random.Below(10), ia);
    IntPolRandom(random.Below(5), ib);
    PolFromInt(ia, a);
    PolFromInt(ib, b);
    if (random.Below(3) == 0) a[0] = {a[0].Num, 3};
    if (random.Below(4) == 0) b[1] = {random.Int(), 1};
    const PolBinaryTexts binary = BinaryTextsOf(a, b);
    EXPECT_EQ(PolDivisionWorking(a, b).LastLine(),
              "Q = " + binary.quotient + ", R = " + binary.remainder);

    const PolUnaryTexts unary = UnaryTextsOf(a);
    const Lines roots = PolRootsWorking(a).Lines();
    if (unary.roots == NotCalculable) {
      EXPECT_EQ(roots.back(), NotCalculable);
    } else {
      ASSERT_GE(roots.size(), 2u);
      EXPECT_EQ(roots[roots.size() - 2], "roots: " + Trimmed(unary.roots));
      EXPECT_TRUE(EndsWith(roots.back(), Trimmed(unary.factorization))) << roots.back();
    }
    EXPECT_TRUE(EndsWith(PolDerivativeWorking(a).LastLine(), unary.derivative));
    EXPECT_TRUE(EndsWith(PolIntegralWorking(a).LastLine(), unary.integral));
  }
}

}  // namespace
}  // namespace tessaro
