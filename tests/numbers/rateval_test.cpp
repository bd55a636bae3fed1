#include <gtest/gtest.h>

#include <string>

#include "numbers/numbers.h"

namespace tessaro {
namespace {

struct ValueCase { const char* text; const char* value; const char* why; };

void ExpectValues(const ValueCase* begin, const ValueCase* end) {
  for (const ValueCase* c = begin; c != end; ++c) {
    Rational r;
    ASSERT_TRUE(RatEval(c->text, r)) << c->text << ": " << c->why;
    EXPECT_EQ(RatText(r), c->value) << c->text << ": " << c->why;
    EXPECT_GT(r.Den, 0) << c->text;
    EXPECT_EQ(Hcd(r.Num, r.Den), 1) << c->text << ": result in lowest terms";
  }
}

TEST(RatEval, FollowsPrecedenceAndParentheses) {
  const ValueCase cases[] = {
      {"1+2*3", "7", "* before +"},          {"(1+2)*3", "9", "parentheses"},
      {"(1+2)*(3+4)", "21", "two groups"},
      {"1/2+1/3", "5/6", "fractions"},       {"2^10", "1024", "power"},
      {"(1/2)^3", "1/8", "power of a fraction"}, {"6/4", "3/2", "reduced"},
      {"0/5", "0", "zero"},                  {"3-3", "0", "zero difference"},
      {"2/3^2", "2/9", "^ before /"},
  };
  ExpectValues(std::begin(cases), std::end(cases));
}

TEST(RatEval, GroupsMinusAndDivisionFromTheLeft) {
  const ValueCase cases[] = {
      {"10-3-2", "5", "(10-3)-2"},           {"12/2/3", "2", "(12/2)/3"},
      {"1/2/3", "1/6", "fraction literal then /"}, {"6/4/3", "1/2", "unreduced literal then /"},
      {"2--3", "5", "minus a negative"},     {"7-2*2", "3", "list 7, 2: a-b*b"},
      {"1-2+3-4", "-2", "+ splits first"},   {"2*3/4*5", "15/2", "mixed * and /"},
      {"100/10/5/2", "1", "long chain"},     {"2^-1-1", "-1/2", "- after an exponent"},
  };
  ExpectValues(std::begin(cases), std::end(cases));
}

TEST(RatEval, ReadsSignsAtTheStartAndAfterOperators) {
  const ValueCase cases[] = {
      {"-5-3", "-8", "leading sign"},        {"2*-5", "-10", "sign after *"},
      {"-3/4*2", "-3/2", "negative fraction first"}, {"-1/2", "-1/2", "negative fraction"},
      {"+7", "7", "plus literal"},           {"-7", "-7", "minus literal"},
      {"2+-3", "-1", "sign after +"},        {"-(2+3)", "-5", "sign before a group"},
      {"--3", "3", "two signs"},             {"+5+3", "8", "plus sign, then +"},
      {"2*+3", "6", "plus sign after *"},    {"(-1)/2", "-1/2", "signed group"},
      {"-3/4+1/2", "-1/4", "fraction literal with sign"},
      {"-2147483648", "-2147483648", "smallest literal"},
  };
  ExpectValues(std::begin(cases), std::end(cases));
}

TEST(RatEval, KeepsSignsOutsidePowersAndInvertsNegativeExponents) {
  const ValueCase cases[] = {
      {"-2^2", "-4", "sign outside"},        {"2*-3^2", "-18", "sign outside after *"},
      {"(-2)^2", "4", "sign inside"},        {"2^-1", "1/2", "reciprocal"},
      {"(2/3)^-2", "9/4", "reciprocal square"}, {"(-2)^-3", "-1/8", "negative base"},
      {"0^2", "0", "zero base"},             {"0^0", "1", "zero exponent"},
      {"2^30", "1073741824", "largest power of 2"}, {"1^2147483647", "1", "no long loop"},
  };
  ExpectValues(std::begin(cases), std::end(cases));
}

TEST(RatEval, FailsOnUnreadableTextZeroDivisorAndOverflow) {
  const char* failing[] = {
      "",                       // empty
      "*",                      // operator alone
      "((2+3))",                // one enclosing pair removed per level
      "((2+3))*2",              // same inside a product
      "5/0",                    // zero divisor
      "1/0*2",                  // zero denominator literal
      "0/0*2",                  // not a zero
      "2^31",                   // power overflow
      "46341*46341",            // product overflow
      "2000000000+2000000000",  // sum overflow
      "1/65536+1/65537",        // LCM overflow
      "0^-1",                   // 1/0
      "2^-31",                  // reciprocal overflow
      "2-",                     // empty right operand
      "^2",                     // empty base
      "2**3",                   // empty operand
      "a+1",                    // letter left in
      "1 + 2",                  // blanks
      "()",                     // empty group
      "(1",                     // unbalanced
      "--2147483648",           // +2^31 does not exist
  };
  for (const char* text : failing) {
    Rational r{42, 43};
    EXPECT_FALSE(RatEval(text, r)) << text;
    EXPECT_EQ(r.Num, 42) << text << ": result untouched";
  }
}

TEST(RatEval, NormalizesZeroSoItCannotOverflowLater) {
  const ValueCase cases[] = {
      {"(1/65536-1/65536)+1/65537", "1/65537", "0/65536 would overflow the LCM"},
      {"0/65536*65537/2", "0", "zero product"},
  };
  ExpectValues(std::begin(cases), std::end(cases));
}

TEST(RatEval, ThrowsConversionErrorForBadLiteralsAndExponents) {
  struct Case { const char* text; const char* shown; const char* why; };
  const Case cases[] = {
      {"2^(1+1)", "(1+1)", "exponent not a literal"}, {"2^3^2", "3^2", "exponent not a literal"},
      {"2^", "", "empty exponent"},                 {"-", "-", "lone sign"},
      {"+", "+", "lone sign"},                      {"2147483648+1", "2147483648", "literal too large"},
      {"2^$A", "$A", "hex is no literal"},
  };
  for (const Case& c : cases) {
    Rational r;
    try {
      RatEval(c.text, r);
      ADD_FAILURE() << c.text << ": " << c.why;
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.what(), "'" + std::string(c.shown) + "' is not a valid integer value") << c.why;
    }
  }
}

TEST(RatEval, RefusesNestingBeyondTheLimit) {
  // Each "-(" is one level: the sign, then the group it applies to.
  auto nested = [](int levels) {
    std::string s;
    for (int i = 0; i < levels; ++i) s += "-(";
    return s + "1" + std::string(static_cast<size_t>(levels), ')');
  };
  Rational r;
  ASSERT_TRUE(RatEval(nested(RatEvalMaxNesting), r));
  EXPECT_EQ(RatText(r), "1");  // an even number of signs
  EXPECT_FALSE(RatEval(nested(RatEvalMaxNesting + 1), r));
  EXPECT_FALSE(RatEval(std::string(100000, '(') + "1" + std::string(100000, ')'), r));
}

TEST(RatEval, EvaluatesLongChainsWithoutDeepRecursion) {
  std::string chain = "1000";
  for (int i = 0; i < 300; ++i) chain += "-1";
  std::string quotients = "1";
  for (int i = 0; i < 300; ++i) quotients += "/1";
  Rational r;
  ASSERT_TRUE(RatEval(chain, r));
  EXPECT_EQ(RatText(r), "700");
  ASSERT_TRUE(RatEval(quotients, r));
  EXPECT_EQ(RatText(r), "1");
}

}  // namespace
}  // namespace tessaro
