#include <string>
#include <vector>

#include "poltest.h"

namespace tessaro::test {
namespace {

class PolEvalTest : public ::testing::Test {
 protected:
  // A, B, C, D, E, F as the window would store them.
  std::vector<Polynomial> items{Pol("x+1"),         Pol("x-1"), Pol("x^2-1"), Pol("2"),
                                Pol("2000000000x"), Pol("x^5")};

  int Eval(std::string_view text, Polynomial& result) { return PolEval(text, items, result); }
};

TEST_F(PolEvalTest, ResultsAndCodes) {
  const struct {
    std::string_view text;
    int code;
    std::string_view value, why;
  } cases[] = {
      {"A*B", 0, "x^2-1", "product"},
      {"(A*B)/B", 0, "x+1", "exact division"},
      {"A/B", 1, "", "remainder left"},
      {"A^3", 0, "x^3+3x^2+3x+1", "power"},
      {"A^1", 0, "x+1", "first power"},
      {"A^10", 3, "", "degree 10"},
      {"F*F", 3, "", "product of degree 10"},
      {"A^(2)", 2, "", "exponent must be a plain integer"},
      {"A^-1", 2, "", "exponent below 1"},
      {"A^0", 2, "", "exponent 0"},
      {"A^2^2", 2, "", "exponent text 2^2"},
      {"Q", 4, "", "no Q among the letters"},
      {"G", 4, "", "letter of no stored item"},
      {"()", 4, "", "empty parentheses"},
      {"A + B", 4, "", "spaces are not allowed"},
      {"((A+B))", 4, "", "one pair removed per level"},
      {"-A", 4, "", "a sign is no operand"},
      {"-", 4, "", "a lone sign"},
      {"A*-", 4, "", "a lone sign after an operator"},
      {"0/B", 0, "0", "zero dividend"},
      {"2*A", 0, "2x+2", "constant operand"},
      {"1/2*A", 0, "1/2x+1/2", "the quotient of two constants"},
      {"2*-1", 0, "-2", "a sign after an operator belongs to the literal"},
      {"A--1", 0, "x+2", "minus a negative constant"},
      {"A-B+C", 0, "x^2+1", "(A-B)+C"},
      {"A-B-C", 0, "-x^2+3", "(A-B)-C, not A-(B-C)"},
      {"C/B/A", 0, "1", "(C/B)/A, not C/(B/A)"},
      {"A*C/B", 0, "x^2+2x+1", "A*(C/B)"},
      {"A*B/C", 1, "", "A*(B/C): C does not divide B"},
      {"(A+B)*(C+D)", 0, "2x^3+2x", "parenthesised operands"},
      {"A/0", 1, "", "division by the zero polynomial"},
      {"A/(B-B)", 1, "", "a divisor that evaluates to zero"},
      {"E+E", -1, "", "sum overflow"},
      {"E-(0-E)", -1, "", "difference overflow"},
      {"E*E", -1, "", "product overflow"},
      {"E^2", -1, "", "power overflow"},
      {"E/(1/2)", -1, "", "quotient overflow"},
      {"(E+E)*0", -1, "", "-1 from a sub-expression ends the evaluation"},
      {"(E+E)/0", -1, "", "the first failure is the one reported"},
      {"2147483647", -1, "", "constant beyond Long_Max"},
  };
  for (const auto& c : cases) {
    Polynomial result = Pol("7");
    EXPECT_EQ(Eval(c.text, result), c.code) << c.text << ": " << c.why;
    EXPECT_EQ(PolToText(result), c.code == 0 ? c.value : "0") << c.text << ": " << c.why;
  }
}

TEST_F(PolEvalTest, ExponentBeyond32BitsRaisesTheConversionMessage) {
  Polynomial result;
  EXPECT_THROW(Eval("A^99999999999", result), ConversionError);
}

TEST_F(PolEvalTest, NestingIsBounded) {
  const auto nested = [](int levels) {
    std::string s = "A";
    for (int i = 0; i < levels; ++i) s = "(A+" + s + ")";
    return s;
  };
  Polynomial result;
  ASSERT_EQ(Eval(nested(150), result), 0);
  EXPECT_EQ(PolToText(result), "151x+151");
  // The deepest text accepted, still within the stack under the sanitizers.
  ASSERT_EQ(Eval(nested(MaxEvalDepth - 1), result), 0);
  EXPECT_EQ(Eval(nested(MaxEvalDepth + 50), result), EvalWhatIsIt);
  EXPECT_EQ(Eval(std::string(100000, '(') + "A" + std::string(100000, ')'), result), EvalWhatIsIt);

  // A chain of one operator is one level, however long (the field holds 1,000 characters).
  std::string sum = "A";
  std::string difference = "A";
  for (int i = 0; i < 400; ++i) {
    sum += "+A";
    difference += "-B";
  }
  ASSERT_EQ(Eval(sum, result), 0);
  EXPECT_EQ(PolToText(result), "401x+401");
  ASSERT_EQ(Eval(difference, result), 0);
  EXPECT_EQ(PolToText(result), "-399x+401");
}

TEST(PolApply, CodesOfOneStep) {
  Polynomial r;
  EXPECT_EQ(PolApply('/', Pol("x"), Pol("0"), r), EvalNotDivisible);
  EXPECT_EQ(PolApply('*', Pol("x^5"), Pol("x^5"), r), EvalDegreeAbove9);
  EXPECT_EQ(PolApply('?', Pol("x"), Pol("x"), r), EvalWhatIsIt);
  ASSERT_EQ(PolApply('-', Pol("x"), Pol("1"), r), EvalDone);
  EXPECT_EQ(PolToText(r), "x-1");
}

}  // namespace
}  // namespace tessaro::test
