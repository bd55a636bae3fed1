#include "problems/workingtext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaro {
namespace {

struct KindCase {
  ProblemParams params;
  const char* first;
  const char* last;
  const char* why;
};

TEST(WorkingOf, GivesEachKindItsWorking) {
  const KindCase cases[] = {
      {IntegerSingleParams{360, 2, 12}, "360 | 2", "360 = 260 (basis 12)",
       "the ladder, then the base change"},
      {IntegerPairParams{7, -2, 2}, "7 = (-2)·(-3) + 1", "LCM(7,-2) = 7·2 ÷ 1 = 14",
       "the division, then Euclid and the LCM"},
      {IntegerListParams{{12, 18, 30}}, "18 = 1·12 + 6", "LCM(12,18,30) = 180", "pairwise"},
      {IntegerCombinedParams{"a+b/c^2", {12, 18, 30}, 2}, "12+18/30^2", "= 601/50",
       "the list values put in"},
      {FractionPairParams{"1/6", "1/10"}, "1/6 + 1/10 = 5/30 + 3/30 = 8/30 = 4/15",
       "1/6 / 1/10 = 1/6 · 10 = 10/6 = 5/3", "the four operations"},
      {FractionCombinedParams{"a+b", {"1/2", "1/3"}}, "(1/2)+(1/3)", "= 5/6",
       "the fractions put in as the window lists them"},
      {PolynomialSingleParams{"x^2-1", "0"}, "P = x^2-1", "∫ (x^2-1) dx = 1/3x^3-x+C",
       "roots, derivative, integral"},
      {PolynomialPairParams{"x^2-1", "x-1"}, "(x^2-1) ÷ (x-1)", "Q = x+1, R = 0",
       "the long division"},
      {PolynomialCombinedParams{"A*B", {"x+1", "x-1"}}, "(x+1)·(x-1)", "= x^2-1",
       "the polynomials put in"},
  };
  for (const KindCase& c : cases) {
    const std::vector<std::string> lines = WorkingLines(c.params);
    ASSERT_FALSE(lines.empty()) << c.why;
    EXPECT_EQ(lines.front(), c.first) << c.why;
    EXPECT_EQ(lines.back(), c.last) << c.why;
  }
}

TEST(WorkingOf, HasNoneWhereThereIsNoProblem) {
  const std::pair<ProblemParams, const char*> cases[] = {
      {TextParams{}, "a typed problem has no steps"},
      {IntegerSingleParams{12, 2, 1}, "a basis the window refuses"},
      {IntegerCombinedParams{"a/0", {1}, 2}, "a combined operation that fails makes no problem"},
      {FractionPairParams{"1/0", "1"}, "a denominator 0"},
      {PolynomialPairParams{"x+", "x"}, "a text the conversion refuses"},
  };
  for (const auto& [params, why] : cases) EXPECT_TRUE(WorkingOf(params).Empty()) << why;
}

TEST(AnswerWithWorking, EndsTheAnswerWithTheWorkingOfEachSection) {
  const std::vector<ProblemPart> parts = {
      {IntegerPairParams{7, 2, 2}, {}},
      {TextParams{}, {}},
      {IntegerCombinedParams{"a-b", {7, 2}, 2}, {}},
  };
  EXPECT_EQ(AnswerWithWorking("a+b= 9", parts),
            "a+b= 9\r\nWorking:\r\n7 = 2·3 + 1\r\n\r\n7 = 3·2 + 1\r\n2 = 2·1 + 0\r\n"
            "hcd(7,2) = 1\r\nLCM(7,2) = 7·2 ÷ 1 = 14\r\n\r\n7-2\r\n= 5\r\n");
  EXPECT_EQ(AnswerWithWorking("x\r\n", {{IntegerListParams{{4, 6}}, {}}}),
            "x\r\nWorking:\r\n6 = 1·4 + 2\r\n4 = 2·2 + 0\r\nhcd(4,6) = 2\r\n"
            "LCM(4,6) = 4·6 ÷ 2 = 12\r\n")
      << "an answer that ends its last line keeps it";
  EXPECT_EQ(AnswerWithWorking("only", {{TextParams{}, {}}}), "only") << "nothing to add";
}

}  // namespace
}  // namespace tessaro
