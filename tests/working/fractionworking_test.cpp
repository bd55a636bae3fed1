#include "working/fractionworking.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace tessaro {
namespace {

using Lines = std::vector<std::string>;

struct SimplifyCase {
  Rational typed;
  const char* line;
  const char* why;
};

TEST(SimplifyWorking, DividesBothTermsByTheirHcd) {
  const SimplifyCase cases[] = {
      {{10, 4}, "10/4 = (10÷2)/(4÷2) = 5/2", "the issue's example"},
      {{3, 4}, "3/4: hcd(3,4) = 1, already in lowest terms", "nothing to divide"},
      {{3, -4}, "3/-4 = (3÷(-1))/(-4÷(-1)) = -3/4", "the sign moves to the numerator"},
      {{-10, -4}, "-10/-4 = (-10÷(-2))/(-4÷(-2)) = 5/2", "two signs cancel"},
      {{4, 2}, "4/2 = (4÷2)/(2÷2) = 2", "a whole number"},
      {{0, 5}, "0/5 = 0", "zero, whatever its denominator"},
      {{INT32_MIN, -1}, "-2147483648/-1 = (-2147483648÷(-1))/(-1÷(-1)) = 2147483648 > LONG_MAX, "
                        "kept as -2147483648/-1",
       "the one fraction whose sign cannot move"},
  };
  for (const SimplifyCase& c : cases) {
    EXPECT_EQ(SimplifyWorking(c.typed).Lines(), Lines{c.line}) << c.why;
  }
}

struct OperationCase {
  char op;
  Rational a, b;
  const char* line;
  const char* why;
};

TEST(FractionOperationWorking, WritesEachOperationOnOneLine) {
  const OperationCase cases[] = {
      {'+', {1, 6}, {1, 10}, "1/6 + 1/10 = 5/30 + 3/30 = 8/30 = 4/15", "over the LCM"},
      {'+', {1, 6}, {5, 6}, "1/6 + 5/6 = 6/6 = 1", "equal denominators: no middle step"},
      {'+', {1, 2}, {1, 3}, "1/2 + 1/3 = 3/6 + 2/6 = 5/6", "nothing simplifies: no last step"},
      {'-', {1, 2}, {-1, 3}, "1/2 - (-1/3) = 3/6 - (-2/6) = 5/6", "a negative in parentheses"},
      {'-', {1, 6}, {1, 6}, "1/6 - 1/6 = 0/6 = 0", "zero"},
      {'+', {2, 1}, {3, 1}, "2 + 3 = 5", "whole numbers"},
      {'*', {2, 3}, {9, 4}, "2/3 · 9/4 = (2·9)/(3·4) = 18/12 = 3/2", "the issue's product"},
      {'*', {2, 3}, {-9, 4}, "2/3 · (-9/4) = (2·(-9))/(3·4) = -18/12 = -3/2", "a negative factor"},
      {'*', {50000, 50001}, {50001, 50000},
       "50000/50001 · 50001/50000 = (50000·50001)/(50001·50000) = 2500050000/2500050000 = 1",
       "the product cancels crosswise, so it fits"},
      {'/', {1, 2}, {3, 4}, "1/2 / 3/4 = 1/2 · 4/3 = 4/6 = 2/3", "the issue's quotient"},
      {'/', {1, 2}, {-1, 4}, "1/2 / (-1/4) = 1/2 · (-4) = -4/2 = -2", "a negative divisor"},
      {'/', {1, 2}, {0, 1}, "1/2 / 0: division by 0, Not calculable", "the zero divisor"},
      {'+', {1, 65536}, {1, 65537},
       "1/65536 + 1/65537: LCM(65536,65537) > LONG_MAX, Not calculable", "the LCM overflows"},
      {'+', {2000000000, 1}, {2000000000, 1},
       "2000000000 + 2000000000 = 4000000000 > LONG_MAX, Not calculable", "the sum overflows"},
      {'*', {3, 3}, {1000000000, 1},
       "3/3 · 1000000000 = (3·1000000000)/(3·1) = 3000000000/3 > LONG_MAX, Not calculable",
       "an unreduced operand does not cancel with itself"},
  };
  for (const OperationCase& c : cases) {
    EXPECT_EQ(FractionOperationWorking(c.op, c.a, c.b).Lines(), Lines{c.line}) << c.why;
  }
}

TEST(FractionPairWorking, GivesTheFourCellsOfThePanelInOrder) {
  EXPECT_EQ(FractionPairWorking("2/4", "1/3").Lines(),
            (Lines{"2/4 + 1/3 = 6/12 + 4/12 = 10/12 = 5/6", "2/4 - 1/3 = 6/12 - 4/12 = 2/12 = 1/6",
                   "2/4 · 1/3 = (2·1)/(4·3) = 2/12 = 1/6", "2/4 / 1/3 = 2/4 · 3 = 6/4 = 3/2"}));
  EXPECT_EQ(FractionPairWorking("a", "1/3").Lines(), Lines{"a, 1/3: not two fractions"});
}

}  // namespace
}  // namespace tessaro
