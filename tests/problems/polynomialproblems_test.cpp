#include "problems/polynomialproblems.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

// The window after x^2-1 at 0, A = x^2-1 and B = x-1 with Go, and A*C over the list A, B, C.
PolShown Shown() {
  PolShown s;
  s.pol = "x^2-1";
  s.x = "0";
  s.value = "-1";
  s.roots = "-1, 1";
  s.factorization = "(x+1) (x-1)";
  s.derivative = "2x";
  s.integral = "1/3x^3-x+C";
  s.a = "x^2-1";
  s.b = "x-1";
  s.sum = "x^2+x-2";
  s.difference = "x^2-x";
  s.product = "x^3-x^2-x+1";
  s.quotient = "x+1";
  s.remainder = "0";
  s.hcd = "x-1";
  s.lcm = "x^2-1";
  s.binaryDone = true;
  s.expression = "A*C";
  s.combined = "x^3-x^2-x+1";
  s.combinedDone = true;
  s.list = {{"A", "x^2-1"}, {"B", "x+5"}, {"C", "x-1"}};
  return s;
}

const std::string UnaryQuestion =
    "For the poynomial x^2-1 calculate:\r\n"
    "Its value for x= 0\r\n"
    "Its integer roots (if any)\r\n"
    "Its factorization.\r\n"
    "Its derivative.\r\n"
    "Its integral.\r\n";
const std::string UnaryAnswer =
    "P(0) = -1\r\n"
    "Integer roots: -1, 1\r\n"
    "Factorization: (x+1) (x-1)\r\n"
    "Derivative: 2x\r\n"
    "Integral: 1/3x^3-x+C\r\n";
const std::string BinaryQuestion =
    "For the poynomials\r\n"
    "A: x^2-1  B: x-1\r\n"
    "calculate: A+B, A-B, A\xC2\xB7" "B, A/B (->Q,R),hcd(A,B),LCM(A,B)\r\n";
const std::string BinaryAnswer =
    "A+B= x^2+x-2\r\n"
    "A-B= x^2-x\r\n"
    "A\xC2\xB7" "B= x^3-x^2-x+1\r\n"
    "A/B:  Q= x+1 R= 0\r\n"
    "hcd(A,B)= x-1\r\n"
    "LCM(A,B)= x^2-1\r\n";
const std::string CombinedQuestion =
    "Calculate A*C , being:  \r\n"
    "  A= x^2-1\r\n"
    "  C= x-1\r\n";
const std::string CombinedAnswer = "A*C = x^3-x^2-x+1";  // no line break at the end
const std::string Separator = "\r\n----------------\r\n";

TEST(PolMenuProblem, WritesEachKindByteForByte) {
  const struct {
    PolProblemKind kind;
    std::string question, answer;
    const char* why;
  } cases[] = {
      {PolProblemKind::Unary, UnaryQuestion, UnaryAnswer, "the worked example"},
      {PolProblemKind::Binary, BinaryQuestion, BinaryAnswer, "A = x^2-1, B = x-1"},
      {PolProblemKind::Combined, CombinedQuestion, CombinedAnswer, "only A and C occur in A*C"},
      {PolProblemKind::All, UnaryQuestion + Separator + BinaryQuestion + Separator + CombinedQuestion,
       UnaryAnswer + Separator + BinaryAnswer + Separator + CombinedAnswer,
       "the three parts joined by the hyphen line"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const TPrbl p = PolMenuProblem(c.kind, Shown());
    EXPECT_EQ(p.Enun, c.question);
    EXPECT_EQ(p.Resp, c.answer);
  }
}

TEST(PolMenuProblem, LeavesOutTheUnaryPartWithoutAPolynomial) {
  PolShown s = Shown();
  s.pol.clear();
  const TPrbl unary = PolMenuProblem(PolProblemKind::Unary, s);
  EXPECT_EQ(unary.Enun, "");
  EXPECT_EQ(unary.Resp, "");
  // "All" then begins with the empty line and the hyphen line.
  const TPrbl all = PolMenuProblem(PolProblemKind::All, s);
  EXPECT_EQ(all.Enun, Separator + BinaryQuestion + Separator + CombinedQuestion);
  EXPECT_EQ(all.Resp, Separator + BinaryAnswer + Separator + CombinedAnswer);
}

TEST(PolMenuProblem, ListsOnlyTheRowsWhoseLettersOccur) {
  const struct {
    std::string expression;
    std::vector<PolListRow> list;
    std::string question;
    const char* why;
  } cases[] = {
      {"A*C", {{"A", "x"}, {"B", "x+1"}, {"C", "2"}}, "Calculate A*C , being:  \r\n  A= x\r\n  C= 2\r\n",
       "B does not occur"},
      {"C+A", {{"A", "x"}, {"B", "x+1"}, {"C", "2"}}, "Calculate C+A , being:  \r\n  A= x\r\n  C= 2\r\n",
       "rows come in list order, not expression order"},
      {"A+D", {{"A", "x"}, {"B", "x+1"}}, "Calculate A+D , being:  \r\n  A= x\r\n",
       "D is beyond the list"},
      {"2*3", {{"A", "x"}}, "Calculate 2*3 , being:  \r\n", "no letter at all"},
      {"A^2", {}, "Calculate A^2 , being:  \r\n", "an empty list"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    PolShown s;
    s.expression = c.expression;
    s.combined = "WHAT IS IT?";
    s.list = c.list;
    const TPrbl p = PolMenuProblem(PolProblemKind::Combined, s);
    EXPECT_EQ(p.Enun, c.question);
    EXPECT_EQ(p.Resp, c.expression + " = WHAT IS IT?");
  }
}

TEST(PolMenuProblem, CopiesClearedFieldsAsEmptyTexts) {
  PolShown s;  // every field empty, as after the results were cleared
  s.pol = "x";
  const TPrbl p = PolMenuProblem(PolProblemKind::All, s);
  EXPECT_EQ(p.Resp,
            "P() = \r\nInteger roots: \r\nFactorization: \r\nDerivative: \r\nIntegral: \r\n" +
                Separator +
                "A+B= \r\nA-B= \r\nA\xC2\xB7" "B= \r\nA/B:  Q=  R= \r\nhcd(A,B)= \r\nLCM(A,B)= \r\n" +
                Separator + " = ");
}

TEST(PolButtonProblem, KeepsTheLastProblemWhenItsPreconditionFails) {
  const TPrbl last{"earlier question", "earlier answer"};
  PolShown noPol = Shown();
  noPol.pol.clear();
  PolShown noBinary = Shown();
  noBinary.binaryDone = false;
  PolShown noCombined = Shown();
  noCombined.combinedDone = false;
  const struct {
    PolProblemKind kind;
    PolShown shown;
    const char* why;
  } cases[] = {
      {PolProblemKind::Unary, noPol, "no polynomial in the unary panel"},
      {PolProblemKind::Binary, noBinary, "operands chosen again after Go"},
      {PolProblemKind::Combined, noCombined, "no successful combined operation"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const TPrbl p = PolButtonProblem(c.kind, c.shown, last);
    EXPECT_EQ(p.Enun, last.Enun);
    EXPECT_EQ(p.Resp, last.Resp);
  }
}

}  // namespace
}  // namespace tessaro
