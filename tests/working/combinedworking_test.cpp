#include "working/combinedworking.h"

#include "polynomials/poltest.h"
#include "working/cases.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaro {
namespace {

using test::Lines;
using Case = test::TextCase;

TEST(IntegerCombinedWorking, TakesTheStepsInTheEvaluatorsOrder) {
  const Case cases[] = {
      {"12+18/30^2", {"12+18/30^2", "= 12+18/900", "= 12+1/50", "= 601/50"},
       "the issue's example: the power, the division, the sum"},
      {"7-2-1", {"7-2-1", "= 5-1", "= 4"}, "- groups from the left"},
      {"16/4/2", {"16/4/2", "= 2"}, "16/4 is a fraction literal, taken as it stands"},
      {"1+2+3", {"1+2+3", "= 1+5", "= 6"}, "+ is combined from the right, as the evaluator does"},
      {"(1+2)*(3+4)-2^3",
       {"(1+2)·(3+4)-2^3", "= 3·(3+4)-2^3", "= 3·7-2^3", "= 21-2^3", "= 21-8", "= 13"},
       "innermost parentheses first, a lone number loses its parentheses, · for *"},
      {"(-3)^2*(-2)", {"(-3)^2·(-2)", "= 9·(-2)", "= -18"}, "negative list numbers keep theirs"},
      {"2*(3-5)", {"2·(3-5)", "= 2·(-2)", "= -4"}, "a negative result after an operator"},
      {"(3-5)*2", {"(3-5)·2", "= -2·2", "= -4"}, "a negative result at the start"},
      {"-(2+3)*4", {"-(2+3)·4", "= -5·4", "= -20"}, "a sign needs no step of its own"},
      {"2^-2", {"2^-2", "= 1/4"}, "a negative exponent"},
      {"007", {"007", "= 7"}, "a lone literal ends with the panel's text"},
      {"7", {"7"}, "nothing to do"},
      {"5/(2-2)",
       {"5/(2-2)", "= 5/0", "5/0: division by 0", "Division by 0 or >Long_Max in any step"},
       "a failing step ends the working with the panel's message"},
      {"46341*46341",
       {"46341·46341", "46341·46341 > LONG_MAX", "Division by 0 or >Long_Max in any step"},
       "an overflow"},
      {"2^31", {"2^31", "2^31 > LONG_MAX", "Division by 0 or >Long_Max in any step"},
       "an overflowing power"},
      {"0^-1", {"0^-1", "0^-1: division by 0", "Division by 0 or >Long_Max in any step"},
       "0 to a negative power"},
      {"2*", {"2·", "2·: cannot be read", "Division by 0 or >Long_Max in any step"},
       "an empty operand"},
      {"1+2^(1)", {"1+2^(1)", "'(1)' is not a valid integer value"},
       "the conversion message the window shows instead"},
      {"2000000000+2000000000-2000000000",
       {"2000000000+2000000000-2000000000", "= 2000000000+0", "= 2000000000"},
       "the program's grouping decides what overflows: none here"},
  };
  for (const Case& c : cases) EXPECT_EQ(IntegerCombinedWorking(c.input).Lines(), c.lines) << c.why;
  EXPECT_TRUE(IntegerCombinedWorking("").Empty()) << "the panel does nothing for no text";
}

TEST(FractionCombinedWorking, EndsWithTheFractionPanelsTexts) {
  const Case cases[] = {
      {"(1/2)+(1/3)", {"(1/2)+(1/3)", "= 5/6"}, "fractions put in lose their parentheses silently"},
      {"(2/3)^2-(1/6)", {"(2/3)^2-(1/6)", "= 4/9-(1/6)", "= 5/18"}, "a power of a fraction"},
      {"(2/4)+1", {"(2/4)+1", "= 1/2+1", "= 3/2"}, "a division that simplifies is a step"},
      {"(1/2)/(1/4)/2", {"(1/2)/(1/4)/2", "= 2/2", "= 1"}, "/ from the left"},
      {"1/(1/2-1/2)",
       {"1/(1/2-1/2)", "= 1/0", "1/0: division by 0", "Wrong entry"}, "the panel's message"},
      {"(1/2)+(1/65537)", {"(1/2)+(1/65537)", "= 65539/131074"}, "a plain sum"},
      {"(1/65536)+(1/65537)",
       {"(1/65536)+(1/65537)", "1/65536+1/65537 > LONG_MAX", "Wrong entry"},
       "the LCM of the denominators overflows"},
  };
  for (const Case& c : cases) EXPECT_EQ(FractionCombinedWorking(c.input).Lines(), c.lines) << c.why;
}

TEST(CombinedWorking, LeavesOutTheMiddleOfAWorkingTooLongToRead) {
  // 1000 characters, 499 subtractions: lines of up to 1000 characters each.
  std::string chain = "2147483646";
  while (chain.size() + 2 <= 1000) chain += "-1";
  const Lines lines = IntegerCombinedWorking(chain).Lines();
  std::size_t bytes = 0;
  for (const std::string& line : lines) bytes += line.size();
  EXPECT_LT(bytes, 80u * 1024) << "a window shows it at once";
  EXPECT_EQ(lines[1], "= 2147483645" + chain.substr(12));
  ASSERT_GE(lines.size(), 3u);
  EXPECT_TRUE(lines[lines.size() - 2].starts_with("… ")) << lines[lines.size() - 2];
  EXPECT_TRUE(lines[lines.size() - 2].ends_with(" more steps"));
  EXPECT_EQ(lines.back(), "= " + std::to_string(2147483646 - 495));
  const std::size_t shown = lines.size() - 3;
  EXPECT_EQ(lines[lines.size() - 2], "… " + std::to_string(495 - shown) + " more steps")
      << "every step is a line or counted";
}

TEST(PolynomialCombinedWorking, PutsThePolynomialsInAndEndsWithThePanelsText) {
  using test::Pol;
  const std::vector<Polynomial> items{Pol("x+1"), Pol("x-1"), Pol("2x"), Pol("x^5"), Pol("3")};
  const Case cases[] = {
      {"A*B-C", {"(x+1)·(x-1)-(2x)", "= (x^2-1)-(2x)", "= x^2-2x-1"}, "a product, then -"},
      {"(A*B)/B", {"((x+1)·(x-1))/(x-1)", "= (x^2-1)/(x-1)", "= x+1"}, "an exact division"},
      {"A^3", {"(x+1)^3", "= x^3+3x^2+3x+1"}, "a power"},
      {"(A)+E", {"(x+1)+3", "= x+4"}, "a letter in parentheses gets no second pair"},
      {"E*2", {"3·2", "= 6"}, "whole numbers go without parentheses"},
      {"1/2*C", {"1/2·(2x)", "= x"}, "a constant fraction is no step of its own"},
      {"2/4*C", {"2/4·(2x)", "= (1/2)·(2x)", "= x"}, "one that simplifies is"},
      {"A/B", {"(x+1)/(x-1)", "(x+1)/(x-1): Not divisible polynomials"}, "a remainder"},
      {"D*D", {"(x^5)·(x^5)", "(x^5)·(x^5): Degree of result >9"}, "degree 10"},
      {"A^0", {"(x+1)^0", "(x+1)^0: exponent should be >1 integer"}, "a bad exponent"},
      {"A+AB", {"(x+1)+AB", "AB: WHAT IS IT?"}, "two letters are no operand and stay letters"},
      {"-A", {"-A", "-A: WHAT IS IT?"}, "a leading minus leaves no operand"},
      {"A^99999999999", {"(x+1)^99999999999", "'99999999999' is not a valid integer value"},
       "the conversion message"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PolynomialCombinedWorking(c.input, items).Lines(), c.lines) << c.why;
  }
}

}  // namespace
}  // namespace tessaro
