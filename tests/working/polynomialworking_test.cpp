#include "working/polynomialworking.h"

#include "polynomials/poltest.h"
#include "working/cases.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaro {
namespace {

using test::Lines;
using test::Pol;

struct DivisionCase {
  const char* a;
  const char* b;
  Lines lines;
  const char* why;
};

TEST(PolDivisionWorking, StepsThroughTheLongDivision) {
  const DivisionCase cases[] = {
      {"x^3-2x^2-4", "x-3",
       {"(x^3-2x^2-4) ÷ (x-3)", "x^3 ÷ x = x^2", "x^2·(x-3) = x^3-3x^2",
        "x^3-2x^2-4 - (x^3-3x^2) = x^2-4", "x^2 ÷ x = x", "x·(x-3) = x^2-3x",
        "x^2-4 - (x^2-3x) = 3x-4", "3x ÷ x = 3", "3·(x-3) = 3x-9", "3x-4 - (3x-9) = 5",
        "Q = x^2+x+3, R = 5"},
       "a remainder"},
      {"x^2-1", "2x-2",
       {"(x^2-1) ÷ (2x-2)", "x^2 ÷ 2x = 1/2x", "1/2x·(2x-2) = x^2-x", "x^2-1 - (x^2-x) = x-1",
        "x ÷ 2x = 1/2", "1/2·(2x-2) = x-1", "x-1 - (x-1) = 0", "Q = 1/2x+1/2, R = 0"},
       "fractional terms of the quotient"},
      {"2x", "3x^2", {"2x ÷ 3x^2", "2x has a lower degree than 3x^2", "Q = 0, R = 2x"},
       "nothing to divide"},
      {"0", "x+1", {"0 ÷ (x+1)", "0 has a lower degree than x+1", "Q = 0, R = 0"}, "zero"},
      {"x+1", "0", {"(x+1) ÷ 0", "0: division by 0", "Q = Not calculable, R = Not calculable"},
       "the zero divisor: the panel's text"},
      {"1073741823x^2", "1/2x+1",
       {"1073741823x^2 ÷ (1/2x+1)", "1073741823x^2 ÷ 1/2x = 2147483646x",
        "2147483646x·(1/2x+1) = 1073741823x^2+2147483646x",
        "1073741823x^2 - (1073741823x^2+2147483646x) = -2147483646x",
        "-2147483646x ÷ 1/2x: a coefficient > LONG_MAX",
        "Q = Some coefficient > Long_Max, R = Some coefficient > Long_Max"},
       "the second leading term passes Long_Max: the panel's text"},
  };
  for (const DivisionCase& c : cases) {
    EXPECT_EQ(PolDivisionWorking(Pol(c.a), Pol(c.b)).Lines(), c.lines) << c.why;
  }
}

TEST(PolDivisionWorking, LaysTheSchemeOutInColumnsByPower) {
  const Working w = PolDivisionWorking(Pol("x^2-1"), Pol("x-1"));
  ASSERT_GE(w.blocks.size(), 3u);
  ASSERT_TRUE(w.blocks[1].table);
  EXPECT_TRUE(w.blocks[1].lines.empty()) << "a picture of the lines after it";
  EXPECT_EQ(w.blocks[1].table->rows,
            (std::vector<Lines>{{"x^2", "", "-1", "|", "x-1"},
                                {"-x^2", "+x", "", "|", "x+1"},
                                {"", "x", "-1", "|", ""},
                                {"", "-x", "+1", "|", ""},
                                {"", "", "", "|", ""}}));
}

using PolCase = test::TextCase;

TEST(PolRootsWorking, TriesTheDivisorsAsTheSearchDoes) {
  const PolCase cases[] = {
      {"x^3-x",
       {"P = x^3-x", "P(0) = 0: root", "P = (x^3-x) ÷ x = x^2-1",
        "P(0) = -1, multiplicity of 0: 1", "constant term -1, divisors tried: ±1",
        "P(-1) = 0: root", "P = (x^2-1) ÷ (x+1) = x-1", "P(-1) = -2, multiplicity of -1: 1",
        "P(1) = 0: root", "P = (x-1) ÷ (x-1) = 1", "P(1) = 1, multiplicity of 1: 1",
        "roots: 0, -1, 1", "x^3-x = x (x+1) (x-1)"},
       "the root 0, then -s before s"},
      {"1/2x^2-1/2",
       {"2·(1/2x^2-1/2) = x^2-1", "P = x^2-1", "constant term -1, divisors tried: ±1",
        "P(-1) = 0: root", "P = (x^2-1) ÷ (x+1) = x-1", "P(-1) = -2, multiplicity of -1: 1",
        "P(1) = 0: root", "P = (x-1) ÷ (x-1) = 1", "P(1) = 1, multiplicity of 1: 1",
        "roots: -1, 1", "1/2x^2-1/2 = 1/2(x+1) (x-1)"},
       "scaled to integer coefficients"},
      {"6x^2-6",
       {"6x^2-6 = 6·(x^2-1)", "P = x^2-1", "constant term -1, divisors tried: ±1",
        "P(-1) = 0: root", "P = (x^2-1) ÷ (x+1) = x-1", "P(-1) = -2, multiplicity of -1: 1",
        "P(1) = 0: root", "P = (x-1) ÷ (x-1) = 1", "P(1) = 1, multiplicity of 1: 1",
        "roots: -1, 1", "6x^2-6 = 6(x+1) (x-1)"},
       "the content taken out"},
      {"x^2+2x+1",
       {"P = x^2+2x+1", "constant term 1, divisors tried: ±1", "P(-1) = 0: root",
        "P = (x^2+2x+1) ÷ (x+1) = x+1", "P(-1) = 0: root", "P = (x+1) ÷ (x+1) = 1",
        "P(-1) = 1, multiplicity of -1: 2", "P(1) = 1", "roots: -1, -1",
        "x^2+2x+1 = (x+1)^2"},
       "a double root, divided out twice"},
      {"x^2-x-6",
       {"P = x^2-x-6", "constant term -6, divisors tried: ±1, ±2, ±3", "P(-1) = -4", "P(1) = -6",
        "P(-2) = 0: root", "P = (x^2-x-6) ÷ (x+2) = x-3", "P(-2) = -5, multiplicity of -2: 1",
        "P(2) = -1", "P(-3) = -6", "P(3) = 0: root", "P = (x-3) ÷ (x-3) = 1",
        "P(3) = 1, multiplicity of 3: 1", "roots: -2, 3", "x^2-x-6 = (x+2) (x-3)"},
       "the search stops at the divisor 6: P is a constant by then"},
      {"x^2+1",
       {"P = x^2+1", "constant term 1, divisors tried: ±1", "P(-1) = 2", "P(1) = 2",
        "roots: - none -", "x^2+1 = x^2+1"},
       "no root"},
      {"x^9+22",
       {"P = x^9+22", "constant term 22, divisors tried: ±1, ±2, ±11", "P(-1) = 21", "P(1) = 23",
        "P(-2) = -490", "P(2) = 534", "P(-11) > LONG_MAX", "Not calculable"},
       "a candidate's value passes Long_Max: the panel's text"},
      {"5", {"5 = 5·1", "P = 1", "roots: - none -", "5 = 5"},
       "a constant is all content: nothing to try"},
      {"0", {"P = 0: every number is a root", "roots: - all -", "0 = 0"}, "zero"},
  };
  for (const PolCase& c : cases) EXPECT_EQ(PolRootsWorking(Pol(c.input)).Lines(), c.lines) << c.why;
}

TEST(PolDerivativeWorking, DifferentiatesTermByTerm) {
  const PolCase cases[] = {
      {"3x^2-x+5", {"(3x^2)' = 6x", "(-x)' = -1", "(5)' = 0", "(3x^2-x+5)' = 6x-1"}, "three terms"},
      {"1/3x^3+x", {"(1/3x^3)' = x^2", "(x)' = 1", "(1/3x^3+x)' = x^2+1"}, "a fraction cancels"},
      {"3x^2", {"(3x^2)' = 6x"}, "one term: no line repeating it"},
      {"0", {"(0)' = 0"}, "zero"},
      {"1073741824x^2",
       {"(1073741824x^2)': 2·1073741824 > LONG_MAX", "Some coefficient > Long_Max"},
       "the panel's overflow text"},
  };
  for (const PolCase& c : cases) {
    EXPECT_EQ(PolDerivativeWorking(Pol(c.input)).Lines(), c.lines) << c.why;
  }
}

TEST(PolIntegralWorking, IntegratesTermByTerm) {
  const PolCase cases[] = {
      {"3x^2-x+5",
       {"∫ 3x^2 dx = x^3", "∫ -x dx = -1/2x^2", "∫ 5 dx = 5x", "∫ (3x^2-x+5) dx = x^3-1/2x^2+5x+C"},
       "three terms"},
      {"0", {"∫ 0 dx = 0+C"}, "zero"},
      {"x^9", {"∫ x^9 dx: degree 10 > 9", "Degree of result >9"}, "degree 9 is refused"},
      {"1/1073741824x",
       {"∫ 1/1073741824x dx: 2·1073741824 > LONG_MAX", "Some coefficient > Long_Max"},
       "the panel's overflow text"},
  };
  for (const PolCase& c : cases) {
    EXPECT_EQ(PolIntegralWorking(Pol(c.input)).Lines(), c.lines) << c.why;
  }
}

}  // namespace
}  // namespace tessaro
