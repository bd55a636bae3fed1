#include <gtest/gtest.h>

#include "numbers/numbers.h"

namespace tessaro {
namespace {

Rational Q(int32_t n, int32_t d = 1) { return {n, d}; }

std::string Pair(Rational r) { return std::to_string(r.Num) + "/" + std::to_string(r.Den); }

TEST(RatFromText, KeepsWhatWasTyped) {
  struct Case { const char* text; bool ok; const char* pair; const char* why; };
  const Case cases[] = {
      {"2/4", true, "2/4", "not reduced"},      {"3/-4", true, "3/-4", "negative denominator"},
      {"-5", true, "-5/1", "whole number"},     {"1/0", true, "1/0", "zero denominator parses"},
      {"1/2/3", false, "", "2/3 is no integer"}, {"1 /2", false, "", "blank"},
      {"", false, "", "empty"},                 {"a/2", false, "", "letter"},
  };
  for (const Case& c : cases) {
    Rational r;
    ASSERT_EQ(RatFromText(c.text, r), c.ok) << c.why;
    if (c.ok) {
      EXPECT_EQ(Pair(r), c.pair) << c.why;
    }
  }
  Rational r;
  EXPECT_THROW(RatFromText("1/2147483648", r), ConversionError);
  EXPECT_THROW(RatFromText("-/2", r), ConversionError);
  EXPECT_TRUE(IsRatText("-3/+4"));
  EXPECT_FALSE(IsRatText("3"));  // a plain integer is not a fraction text
  EXPECT_FALSE(IsRatText("1/2/3"));
}

TEST(RatSimplify, ReducesAndReportsAChange) {
  struct Case { Rational in; bool changed; const char* pair; const char* why; };
  const Case cases[] = {
      {Q(2, 4), true, "1/2", "common factor"},    {Q(1, 2), false, "1/2", "already reduced"},
      {Q(3, -4), true, "-3/4", "sign moves up"},  {Q(0, -5), false, "0/-5", "zero untouched"},
      {Q(INT32_MIN, INT32_MIN), true, "1/1", "hcd 2^31"},
      {Q(INT32_MIN, -2), true, "1073741824/1", "magnitude 2^31 halved"},
      {Q(INT32_MIN, -1), false, "-2147483648/-1", "+2^31 has no int32"},
      {Q(1, INT32_MIN), false, "1/-2147483648", "same for the denominator"},
  };
  for (const Case& c : cases) {
    Rational r = c.in;
    EXPECT_EQ(RatSimplify(r), c.changed) << c.why;
    EXPECT_EQ(Pair(r), c.pair) << c.why;
  }
}

TEST(CrossCancel, DividesByTheHcdAndMovesTheSign) {
  int32_t x = 6, y = -4;
  EXPECT_TRUE(CrossCancel(x, y));
  EXPECT_EQ(x, -3);
  EXPECT_EQ(y, 2);
  x = 3, y = 4;
  EXPECT_FALSE(CrossCancel(x, y));
  x = 0, y = 0;
  EXPECT_FALSE(CrossCancel(x, y));  // no hcd to divide by
  x = INT32_MIN, y = -1;
  EXPECT_FALSE(CrossCancel(x, y));
  EXPECT_EQ(x, INT32_MIN);  // +2147483648 does not exist, so the sign stays below
  EXPECT_EQ(y, -1);
}

TEST(RatOps, ComputeExactlyOrFail) {
  struct Case { char op; Rational a, b; bool ok; const char* text; const char* why; };
  const Case cases[] = {
      {'+', Q(1, 6), Q(1, 10), true, "4/15", "common denominator"},
      {'-', Q(1, 2), Q(1, 2), true, "0", "zero result"},
      {'*', Q(2, 3), Q(9, 4), true, "3/2", "cross cancelling"},
      {'*', Q(65536, 3), Q(3, 65536), true, "1", "large values that cancel"},
      {'/', Q(1, 2), Q(0), false, "", "zero divisor"},
      {'/', Q(1, 2), Q(-1, 4), true, "-2", "negative divisor"},
      {'+', Q(1, 65536), Q(1, 65537), false, "", "LCM of denominators overflows"},
      {'+', Q(2000000000), Q(2000000000), false, "", "sum beyond Long_Max"},
      {'-', Q(-2000000000), Q(2000000000), false, "", "difference beyond -Long_Max"},
      {'+', Q(1073741823), Q(1073741823), true, "2147483646", "sum exactly Long_Max"},
      {'+', Q(1073741824), Q(1073741823), false, "", "sum Long_Max + 1"},
      {'+', Q(1, -2), Q(1, 3), true, "-1/6", "unreduced negative denominator"},
      {'+', Q(1, 0), Q(1), false, "", "zero denominator"},
      {'*', Q(1, 0), Q(2), false, "", "zero denominator is no success"},
      {'*', Q(0, 0), Q(2), false, "", "0/0 is not zero"},
      {'/', Q(2), Q(1, 0), false, "", "zero denominator divisor"},
      {'*', Q(0, 7), Q(5, 3), true, "0", "zero factor"},
      {'*', Q(INT32_MIN), Q(1, 2), true, "-1073741824", "cancels below 2^31"},
      {'*', Q(INT32_MIN), Q(-1), false, "", "no 2^31"},
      {'/', Q(INT32_MIN), Q(-1), false, "", "no trap"},
      {'-', Q(INT32_MIN), Q(0), false, "", "magnitude beyond Long_Max"},
      {'^', Q(1), Q(1), false, "", "not a RatApply operator"},
  };
  for (const Case& c : cases) {
    Rational r{99, 98};
    EXPECT_EQ(RatApply(c.op, c.a, c.b, r), c.ok) << c.why;
    if (c.ok) {
      EXPECT_EQ(RatText(r), c.text) << c.why;
    }
  }
}

TEST(RatPow, RaisesAndInvertsForNegativeExponents) {
  struct Case { Rational a; int32_t k; const char* pair; const char* why; };
  const Case cases[] = {
      {Q(2, 3), 3, "8/27", "positive"},          {Q(2, 3), 0, "1/1", "zero exponent"},
      {Q(2), 31, "0/1", "overflow shows as 0"},   {Q(2, 3), -1, "3/2", "reciprocal"},
      {Q(-2, 3), -3, "-27/8", "sign stays above"}, {Q(2, 3), -2, "9/4", "reciprocal square"},
      {Q(0), -1, "1/0", "zero base: Den 0"},     {Q(0), 2, "0/1", "zero base"},
      {Q(-1), INT32_MIN, "1/1", "even exponent without negating it"},
      {Q(2), INT32_MIN, "1/0", "overflow"},
  };
  for (const Case& c : cases) {
    Rational r;
    RatPow(c.a, c.k, r);
    EXPECT_EQ(Pair(r), c.pair) << c.why;
  }
}

TEST(RatCompare, EqualNeedsSamePairEquivSameValue) {
  EXPECT_FALSE(RatEqual(Q(1, 2), Q(2, 4)));
  EXPECT_TRUE(RatEqual(Q(1, 2), Q(1, 2)));
  EXPECT_TRUE(RatEquiv(Q(1, 2), Q(2, 4)));
  EXPECT_TRUE(RatEquiv(Q(3, -4), Q(-3, 4)));
  // Cross products beyond 32 bits: 2147483647 * 2 wraps to -2 in 32 bits.
  EXPECT_FALSE(RatEquiv(Q(INT32_MAX, 1), Q(-2, 2)));
  EXPECT_TRUE(RatEquiv(Q(INT32_MAX, 2), Q(INT32_MAX, 2)));
}

TEST(RatText, WritesZeroWholeOrFraction) {
  EXPECT_EQ(RatText(Q(5, 1)), "5");
  EXPECT_EQ(RatText(Q(0, 7)), "0");
  EXPECT_EQ(RatText(Q(-3, 4)), "-3/4");
  EXPECT_EQ(RatText(Q(3, -4)), "3/-4");
}

}  // namespace
}  // namespace tessaro
