#include "panels/polynomialpanel.h"

#include "numbers/conversionerror.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaro {
namespace {

TEST(PolFromCells, ReadsTheCellsAsTypedAndRefusesWhatIsNoRational) {
  const struct {
    PolCells cells;
    CellsRead read;
    std::string text;  // the polynomial read, when it is read
    const char* why;
  } cases[] = {
      {{}, CellsRead::Empty, "", "no cell filled: nothing to add"},
      {{"", "", "1/2"}, CellsRead::Read, "1/2x^2", "one fraction"},
      {{"0"}, CellsRead::Read, "0", "a filled zero is the zero polynomial"},
      {{"-3", "", "", "", "", "", "", "", "", "2"}, CellsRead::Read, "2x^9-3", "both ends"},
      {{"", "2/4"}, CellsRead::Read, "2/4x", "kept unreduced, as typed"},
      {{"1", "1/0"}, CellsRead::Refused, "", "denominator 0"},
      {{"1", "", "x"}, CellsRead::Refused, "", "a letter"},
      {{" 1"}, CellsRead::Refused, "", "a blank"},
      {{"", "", "", "", "", "", "", "", "", "1.5"}, CellsRead::Refused, "", "a decimal point"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Polynomial p{};
    EXPECT_EQ(PolFromCells(c.cells, p), c.read);
    if (c.read == CellsRead::Read) {
      EXPECT_EQ(PolToText(p), c.text);
    }
  }
}

// Found by the hostile-input test: the grid took 2147483647, whose text the list then
// showed and the binary panel refused as "Not a rational polynomial".
TEST(PolFromCells, RefusesCoefficientsTheTextFormRefuses) {
  const struct {
    PolCells cells;
    const char* why;
  } cases[] = {
      {{"2147483647"}, "one past Long_Max"},
      {{"", "-2147483648"}, "no opposite in 32 bits"},
      {{"", "", "1/2147483647"}, "a denominator past Long_Max"},
      {{"", "", "", "-2147483647/2"}, "a numerator past Long_Max"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Polynomial p{};
    EXPECT_EQ(PolFromCells(c.cells, p), CellsRead::Refused);
  }
  // At the bound, what the grid reads prints to a text that reads back the same.
  Polynomial p{}, back{};
  ASSERT_EQ(PolFromCells({"2147483646", "-1/2147483646"}, p), CellsRead::Read);
  ASSERT_TRUE(PolFromText(PolToText(p), back));
  EXPECT_EQ(PolToText(back), PolToText(p));
}

TEST(CellsOfIntPol, LeavesZeroCoefficientsEmpty) {
  const IntPolynomial ip{-8, 0, 3, 0, 0, 0, 0, 0, 9, 0};
  const PolCells expected{"-8", "", "3", "", "", "", "", "", "9", ""};
  EXPECT_EQ(CellsOfIntPol(ip), expected);
}


Polynomial Pol(const char* text) {
  Polynomial p{};
  EXPECT_TRUE(PolFromText(text, p)) << text;
  return p;
}

TEST(PolValueText, IsNotCalculableAtAnUnreadablePointOrOnOverflow) {
  const struct {
    const char* pol;
    const char* x;
    const char* value;
    const char* why;
  } cases[] = {
      {"x^2-1", "2", "3", "a plain value"},
      {"x^2-1", "-1/3", "-8/9", "a fraction"},
      {"x^2-1", "1/0", "Not calculable", "denominator 0"},
      {"x^2-1", "a", "Not calculable", "not a number"},
      {"x^2-1", "", "Not calculable", "nothing typed"},
      {"x^9", "1000", "Not calculable", "1000^9 overflows"},
      {"2147483646x+2147483646", "1", "Not calculable", "the sum overflows"},
      {"0", "5", "0", "the zero polynomial"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(PolValueText(Pol(c.pol), c.x), c.value);
  }
  EXPECT_THROW(PolValueText(Pol("x"), "99999999999"), ConversionError) << "beyond 32 bits";
}

TEST(UnaryTextsOf, ShowsTheAnalysisAndTheFailureOfEachPart) {
  const struct {
    const char* pol;
    std::vector<std::string> texts;  // roots, factorization, derivative, integral
    const char* why;
  } cases[] = {
      {"x^2-1", {"-1, 1", "(x+1) (x-1)", "2x", "1/3x^3-x+C"}, "the worked example"},
      {"0", {"  - all -  ", "0", "0", "0+C"}, "the zero polynomial"},
      {"x^9+1", {"-1", "(x+1) (x^8-x^7+x^6-x^5+x^4-x^3+x^2-x+1) ", "9x^8", "Degree of result >9"},
       "the integral of degree 10"},
      {"2147483646x^9",
       {"0, 0, 0, 0, 0, 0, 0, 0, 0", "2147483646x^9", "Some coefficient > Long_Max",
        "Degree of result >9"},
       "9 times the coefficient overflows"},
      {"1/2147483646x", {"0", "1/2147483646x", "1/2147483646", "Some coefficient > Long_Max"},
       "the integral's denominator overflows"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const PolUnaryTexts t = UnaryTextsOf(Pol(c.pol));
    EXPECT_EQ((std::vector<std::string>{t.roots, t.factorization, t.derivative, t.integral}),
              c.texts);
  }
}

TEST(BinaryTextsOf, ShowsEachFailureWhileTheOtherResultsAreGiven) {
  const struct {
    const char *a, *b;
    std::vector<std::string> texts;  // sum, difference, product, quotient, remainder, hcd, LCM
    const char* why;
  } cases[] = {
      {"x^2-1", "x-1", {"x^2+x-2", "x^2-x", "x^3-x^2-x+1", "x+1", "0", "x-1", "x^2-1"},
       "the worked example"},
      {"x^5+1", "x^5-1",
       {"2x^5", "2", "Degree of result >9", "1", "2", "1",
        "Not calculable (long integer overflow)."},
       "degrees 5 and 5"},
      {"x^2+1", "0", {"x^2+1", "x^2+1", "0", "Not calculable", "Not calculable", "x^2+1", "0"},
       "division by the zero polynomial"},
      {"2147483646x", "2147483646x",
       {"Some coefficient > Long_Max", "0", "Some coefficient > Long_Max", "1", "0",
        "2147483646x", "2147483646x"},
       "the sum and the product overflow"},
      {"x^2", "1/2147483646x+1",
       {"x^2+1/2147483646x+1", "x^2-1/2147483646x-1", "1/2147483646x^3+x^2",
        "Some coefficient > Long_Max", "Some coefficient > Long_Max",
        "Not calculable (long integer overflow).", "Not calculable (long integer overflow)."},
       "the division overflows"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const PolBinaryTexts t = BinaryTextsOf(Pol(c.a), Pol(c.b));
    EXPECT_EQ((std::vector<std::string>{t.sum, t.difference, t.product, t.quotient, t.remainder,
                                        t.hcd, t.lcm}),
              c.texts);
  }
}

TEST(BinaryCaptionsOf, NamesTheOperandsByTheirLetters) {
  const PolBinaryCaptions c = BinaryCaptionsOf('B', 'R');
  EXPECT_EQ((std::vector<std::string>{c.sum, c.difference, c.product, c.quotient, c.letters}),
            (std::vector<std::string>{"B + R", "B - R", "B \xC2\xB7 R", "B / R", "B,R"}));
}

TEST(CombinedTextOf, GivesEachCodeItsMessageAndColour) {
  const struct {
    int code;
    const char* text;
    std::optional<TextColour> colour;
    const char* why;
  } cases[] = {
      {EvalDone, "x+1", std::nullopt, "the result, in the usual colour"},
      {EvalNotDivisible, "Not divisible polynomials", TextColour{250, 0, 0}, "a remainder"},
      {EvalBadExponent, "exponent should be >1 integer", TextColour{150, 0, 0}, "bad exponent"},
      {EvalDegreeAbove9, "Degree of result >9", TextColour{100, 0, 0}, "degree 10"},
      {EvalWhatIsIt, "WHAT IS IT?", TextColour{128, 0, 64}, "an unknown operand"},
      {EvalOverflow, "Some coefficient > Long_Max", TextColour{250, 0, 0},
       "an overflow in a division reads as a failed division"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const PolCombinedText shown = CombinedTextOf(c.code, Pol("x+1"));
    EXPECT_EQ(shown.text, c.text);
    ASSERT_EQ(shown.colour.has_value(), c.colour.has_value());
    if (c.colour) {
      EXPECT_EQ((std::vector<int>{shown.colour->red, shown.colour->green, shown.colour->blue}),
                (std::vector<int>{c.colour->red, c.colour->green, c.colour->blue}));
    }
  }
}

}  // namespace
}  // namespace tessaro
