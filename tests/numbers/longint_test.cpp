#include <gtest/gtest.h>

#include "numbers/numbers.h"

namespace tessaro {
namespace {

TEST(IsIntText, AcceptsSignedDigitRunsOnly) {
  struct Case { const char* text; bool expected; const char* why; };
  const Case cases[] = {
      {"+12", true, "plus sign"},          {"-7", true, "minus sign"},
      {"-", true, "lone sign passes"},     {"99999999999", true, "length not limited"},
      {"", false, "empty"},                {"1 2", false, "inner blank"},
      {"12a", false, "letter"},            {"--1", false, "two signs"},
  };
  for (const Case& c : cases) EXPECT_EQ(IsIntText(c.text), c.expected) << c.why;
}

TEST(IntOfText, ReadsDecimalAndHexadecimalTexts) {
  struct Case { const char* text; int32_t expected; const char* why; };
  const Case cases[] = {
      {"2147483647", INT32_MAX, "largest"},       {"-2147483648", INT32_MIN, "smallest"},
      {"+12", 12, "plus sign"},                   {"  -7", -7, "leading blanks skipped"},
      {"007", 7, "leading zeros"},                {"$FF", 255, "dollar prefix"},
      {"xFF", 255, "x prefix"},                   {"0xff", 255, "0x prefix, lower case"},
      {"0XaB", 171, "mixed case"},                {"$FFFFFFFF", -1, "32-bit pattern"},
      {"$80000000", INT32_MIN, "top bit"},        {" $7fffffff", INT32_MAX, "blank before hex"},
  };
  for (const Case& c : cases) EXPECT_EQ(IntOfText(c.text), c.expected) << c.why;
}

TEST(IntOfText, RejectsWithTheOriginalText) {
  const char* invalid[] = {
      "",            // empty
      "-",           // lone sign
      "+",           // lone sign
      "2147483648",  // one past the largest
      "-2147483649", // one below the smallest
      "99999999999999999999",  // far out of range, must not wrap
      "12 ",         // trailing blank
      "1.5",         // decimal point
      "$",           // prefix without digits
      "0x",          // prefix without digits
      "$123456789",  // nine hexadecimal digits
      "$FG",         // not a hexadecimal digit
      "-$FF",        // sign before a hexadecimal pattern
      "+0x1",        // sign before a hexadecimal pattern
  };
  for (const char* text : invalid) {
    try {
      IntOfText(text);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.what(), "'" + std::string(text) + "' is not a valid integer value");
    }
  }
}

// Found by fuzzing: what() ends at the first NUL, so a pasted NUL cut the message short.
TEST(ConversionError, MessageKeepsItsEndAfterANulByte) {
  try {
    IntOfText(std::string_view("007\0\x01", 5));
    ADD_FAILURE() << "accepted a NUL";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'007\xEF\xBF\xBD\x01' is not a valid integer value");
  }
}

TEST(MulOk, AcceptsProductsUpToLongMax) {
  struct Case { int32_t a, b; bool ok; int32_t product; const char* why; };
  const Case cases[] = {
      {46341, 46341, false, 0, "2147488281 > Long_Max"},
      {2, 1073741823, true, 2147483646, "exactly Long_Max"},
      {1, 2147483647, false, 0, "Long_Max + 1"},
      {-2, 1073741823, true, -2147483646, "negative Long_Max"},
      {INT32_MIN, 1, false, 0, "magnitude 2^31"},
      {INT32_MIN, -1, false, 0, "would trap in 32 bits"},
      {INT32_MIN, 0, true, 0, "zero factor"},
      {0, INT32_MIN, true, 0, "zero factor first"},
  };
  for (const Case& c : cases) {
    int32_t out = 77;
    EXPECT_EQ(MulOk(c.a, c.b, out), c.ok) << c.why;
    EXPECT_EQ(out, c.ok ? c.product : 77) << c.why << ": out written only on success";
  }
}

TEST(PowOk, StaysStrictlyBelowLongMax) {
  struct Case { int32_t a, k, expected; const char* why; };
  const Case cases[] = {
      {2, 30, 1073741824, "largest power of 2"}, {2, 31, 0, "overflow"},
      {-2, 31, 0, "negative overflow"},          {-2, 3, -8, "odd power keeps sign"},
      {7, 0, 1, "zero exponent"},                {7, -3, 1, "negative exponent"},
      {0, 3, 0, "zero base looks like overflow"}, {1, INT32_MAX, 1, "unit base, huge exponent"},
      {-1, INT32_MAX, -1, "odd exponent"},       {2147483646, 1, 0, "reaches Long_Max"},
      {INT32_MIN, 1, 0, "magnitude 2^31"},       {46340, 2, 2147395600, "just below"},
  };
  for (const Case& c : cases) EXPECT_EQ(PowOk(c.a, c.k), c.expected) << c.why;
}

TEST(HcdLcm, TakeMagnitudesAndSignalOverflowByZero) {
  struct Case { int32_t a, b, hcd, lcm; const char* why; };
  const Case cases[] = {
      {-12, 18, 6, 36, "negative operand"},   {0, 5, 5, 0, "zero operand"},
      {4, 6, 2, 12, "plain"},                  {-4, 6, 2, 12, "lcm of magnitudes"},
      {65536, 65537, 1, 0, "lcm overflow"},    {0, 0, 0, 0, "lcm(0,0) without dividing by 0"},
      {INT32_MIN, 6, 2, 0, "magnitude 2^31"},  {INT32_MIN, 0, 0, 0, "hcd 2^31 unrepresentable"},
      {INT32_MIN, INT32_MIN, 0, 0, "same"},    {2000000000, 2000000000, 2000000000, 2000000000, "equal"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Hcd(c.a, c.b), c.hcd) << c.why;
    EXPECT_EQ(Lcm(c.a, c.b), c.lcm) << c.why;
  }
}

TEST(Divisible, HandlesMinimumAndZeroDivisor) {
  EXPECT_TRUE(Divisible(12, -4));
  EXPECT_FALSE(Divisible(13, 4));
  EXPECT_TRUE(Divisible(INT32_MIN, -1));  // would trap as a 32-bit division
  EXPECT_FALSE(Divisible(5, 0));
}

TEST(Fact, CoversZeroTo160AndEndsForNegatives) {
  EXPECT_EQ(FloatText(Fact(0)), "1");
  EXPECT_EQ(FloatText(Fact(20)), "2.43290200817664E18");
  EXPECT_EQ(FloatText(Fact(160)), "4.71472363599206E284");
  EXPECT_EQ(Fact(161), 0);
  EXPECT_EQ(Fact(-1), 0);
  EXPECT_EQ(Fact(INT32_MIN), 0);
}

TEST(FactorText, WritesPrimePowersJoinedByMiddleDots) {
  struct Case { int32_t n; const char* expected; };
  const Case cases[] = {
      {12, "2^2 \xC2\xB7 3"}, {30, "2 \xC2\xB7 3 \xC2\xB7 5"}, {360, "2^3 \xC2\xB7 3^2 \xC2\xB7 5"},
      {49, "7^2"},            {2, "2"},                         {4, "2^2"},
      {1, ""},                {0, ""},                          {2147483647, "2147483647"},
      {-12, "-2^2 \xC2\xB7 3"}, {-1, "-1"},                      {INT32_MIN, "-2^31"},
      {-7, "-7"},             {2 * 1073741823, "2 \xC2\xB7 3^2 \xC2\xB7 7 \xC2\xB7 11 \xC2\xB7 31 \xC2\xB7 151 \xC2\xB7 331"},
  };
  for (const Case& c : cases) EXPECT_EQ(FactorText(c.n), c.expected) << c.n;
}

}  // namespace
}  // namespace tessaro
