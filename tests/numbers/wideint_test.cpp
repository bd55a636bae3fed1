// The wide integer against 64-bit and 128-bit arithmetic where those hold, and against
// identities (q·b + r = a, decimal round trips) beyond them.

#include "numbers/wideint.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace tessaro {
namespace {

WideInt W(const char* text) {
  WideInt w;
  EXPECT_TRUE(WideInt::FromText(text, w)) << text;
  return w;
}

// Decimal text of a 128-bit value, the reference for products of two 64-bit values.
std::string Text128(__int128 v) {
  if (v == 0) return "0";
  const bool negative = v < 0;
  unsigned __int128 m = negative ? -static_cast<unsigned __int128>(v) : v;
  std::string s;
  while (m != 0) {
    s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
    m /= 10;
  }
  return negative ? "-" + s : s;
}

TEST(WideInt, BoundariesOfTheMachineTypesConvertExactly) {
  const struct {
    const char* name;
    int64_t value;
    const char* text;
    int bits;
  } rows[] = {
      {"zero has no bits", 0, "0", 0},
      {"one", 1, "1", 1},
      {"minus one", -1, "-1", 1},
      {"Long_Max", 2147483646, "2147483646", 31},
      {"int32 max", 2147483647, "2147483647", 31},
      {"int32 min needs 32 bits", -2147483648LL, "-2147483648", 32},
      {"2^32 starts a second limb", 4294967296LL, "4294967296", 33},
      {"2^32 - 1 fills one limb", 4294967295LL, "4294967295", 32},
      {"int64 max", std::numeric_limits<int64_t>::max(), "9223372036854775807", 63},
      {"int64 min has no positive twin", std::numeric_limits<int64_t>::min(),
       "-9223372036854775808", 64},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const WideInt w(row.value);
    EXPECT_EQ(w.ToText(), row.text);
    EXPECT_EQ(w.BitLength(), row.bits);
    ASSERT_TRUE(w.FitsInt64());
    EXPECT_EQ(w.ToInt64(), row.value);
    EXPECT_EQ(W(row.text), w);
    EXPECT_EQ(w.ToDouble(), static_cast<double>(row.value));
  }
}

TEST(WideInt, JustBeyondInt64DoesNotFit) {
  EXPECT_FALSE(W("9223372036854775808").FitsInt64());
  EXPECT_FALSE(W("-9223372036854775809").FitsInt64());
  EXPECT_TRUE(W("-9223372036854775808").FitsInt64());
  EXPECT_EQ(W("18446744073709551616").BitLength(), 65);
}

TEST(WideInt, TextsThatAreNotIntegersAreRefused) {
  WideInt w(7);
  for (const char* text : {"", "-", "+1", "1a", " 1", "1 ", "--1", "0x10"}) {
    EXPECT_FALSE(WideInt::FromText(text, w)) << "'" << text << "'";
  }
  EXPECT_EQ(w, WideInt(7)) << "a refused text leaves the value alone";
  EXPECT_EQ(W("-0"), WideInt(0)) << "minus zero is zero, not negative";
  EXPECT_EQ(W("-0").Sign(), 0);
  EXPECT_EQ(W("000123"), WideInt(123));
}

TEST(WideInt, SumsProductsAndOrderOfInt64ValuesMatch128BitArithmetic) {
  std::mt19937_64 random(5);
  std::vector<int64_t> values = {0, 1, -1, 2147483647, -2147483648LL, 4294967295LL,
                                 4294967296LL, std::numeric_limits<int64_t>::max(),
                                 std::numeric_limits<int64_t>::min()};
  for (int i = 0; i < 120; ++i) values.push_back(static_cast<int64_t>(random()) >> (i % 60));
  for (int64_t a : values) {
    for (int64_t b : values) {
      const __int128 wa = a, wb = b;
      ASSERT_EQ((WideInt(a) * WideInt(b)).ToText(), Text128(wa * wb)) << a << " * " << b;
      ASSERT_EQ((WideInt(a) + WideInt(b)).ToText(), Text128(wa + wb)) << a << " + " << b;
      ASSERT_EQ((WideInt(a) - WideInt(b)).ToText(), Text128(wa - wb)) << a << " - " << b;
      ASSERT_EQ(WideInt(a) < WideInt(b), a < b) << a << " < " << b;
      ASSERT_EQ(WideInt(a) == WideInt(b), a == b) << a << " == " << b;
    }
  }
}

TEST(WideInt, DivisionTruncatesTowardZeroAsIntDoes) {
  const struct {
    int64_t a, b;
  } rows[] = {{7, 2}, {-7, 2}, {7, -2}, {-7, -2}, {6, 3}, {0, 5}, {1, 4294967296LL},
              {std::numeric_limits<int64_t>::min(), 1},
              {std::numeric_limits<int64_t>::min(), 4294967296LL},
              {std::numeric_limits<int64_t>::max(), -4294967295LL}};
  for (const auto& row : rows) {
    WideInt q, r;
    WideInt::DivMod(WideInt(row.a), WideInt(row.b), q, r);
    EXPECT_EQ(q, WideInt(row.a / row.b)) << row.a << " / " << row.b;
    EXPECT_EQ(r, WideInt(row.a % row.b)) << row.a << " % " << row.b;
  }
}

TEST(WideInt, FloorDivisionRoundsDown) {
  const struct {
    int64_t a, b, floor;
  } rows[] = {{7, 2, 3}, {-7, 2, -4}, {7, -2, -4}, {-7, -2, 3}, {-6, 2, -3}, {0, -3, 0}};
  for (const auto& row : rows)
    EXPECT_EQ(WideInt::FloorDiv(WideInt(row.a), WideInt(row.b)), WideInt(row.floor))
        << row.a << " / " << row.b;
}

// Limbs of all ones, all zeros and the top bit alone are where a long division's estimated
// digit is too large and must be corrected, once or by adding the divisor back.
WideInt Limbed(std::mt19937_64& random, int limbs) {
  static const uint32_t kinds[] = {0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu};
  WideInt w;
  for (int i = 0; i < limbs; ++i) {
    const uint32_t limb =
        random() % 3 == 0 ? static_cast<uint32_t>(random()) : kinds[random() % 5];
    w <<= 32;
    w += WideInt(int64_t{limb});
  }
  return random() % 2 ? -w : w;
}

TEST(WideInt, LongDivisionGivesQuotientTimesDivisorPlusASmallerRemainder) {
  std::mt19937_64 random(17);
  int checked = 0;
  for (int i = 0; i < 4000; ++i) {
    const WideInt a = Limbed(random, 1 + static_cast<int>(random() % 9));
    const WideInt b = Limbed(random, 1 + static_cast<int>(random() % 5));
    if (b.IsZero()) continue;
    WideInt q, r;
    WideInt::DivMod(a, b, q, r);
    ASSERT_EQ(q * b + r, a) << a.ToText() << " / " << b.ToText();
    ASSERT_LT(r.Abs(), b.Abs()) << a.ToText() << " / " << b.ToText();
    ASSERT_TRUE(r.IsZero() || r.Sign() == a.Sign()) << a.ToText() << " / " << b.ToText();
    ++checked;
  }
  EXPECT_GT(checked, 3800);
}

TEST(WideInt, TheAddBackCaseOfLongDivision) {
  // 0x7FFFFFFF'80000000'00000000'00000000 / 0x80000000'00000000'00000001: the estimated
  // digit passes the test against the divisor's second digit and is still one too large.
  const WideInt a = W("170141183420855150474555134919112130560");
  const WideInt b = W("39614081257132168796771975169");
  WideInt q, r;
  WideInt::DivMod(a, b, q, r);
  EXPECT_EQ(q * b + r, a);
  EXPECT_LT(r, b);
  EXPECT_EQ(q.ToText(), "4294967294");
}

TEST(WideInt, DecimalTextRoundTripsBeyond64Bits) {
  for (const char* text : {"340282366920938463463374607431768211456",
                           "-1000000000000000000000000000000000000001",
                           "1000000000", "999999999999999999", "100000000000000000000"}) {
    EXPECT_EQ(W(text).ToText(), text);
  }
  EXPECT_EQ((WideInt(1) << 128).ToText(), "340282366920938463463374607431768211456");
}

TEST(WideInt, ShiftsAndDoublesOfLargeValues) {
  EXPECT_EQ(WideInt(3) << 0, WideInt(3));
  EXPECT_EQ((WideInt(-3) << 33).ToText(), "-25769803776");
  EXPECT_EQ((WideInt(1) << 200).ToDouble(), std::ldexp(1.0, 200));
  EXPECT_EQ((-(WideInt(5) << 1000)).ToDouble(), -std::ldexp(5.0, 1000));
  EXPECT_EQ((WideInt(1) << 1100).ToDouble(), std::numeric_limits<double>::infinity());
}

TEST(WideInt, HighestCommonDivisor) {
  const struct {
    const char* name;
    int64_t a, b, gcd;
  } rows[] = {{"coprime", 9, 28, 1},        {"signs are dropped", -12, 18, 6},
              {"zero and n gives |n|", 0, -5, 5}, {"two zeros give zero", 0, 0, 0},
              {"int64 min", std::numeric_limits<int64_t>::min(), 1LL << 40, 1LL << 40}};
  for (const auto& row : rows) EXPECT_EQ(Gcd(WideInt(row.a), WideInt(row.b)), WideInt(row.gcd)) << row.name;
  const WideInt p = W("170141183460469231731687303715884105727");  // 2^127 - 1, a prime
  EXPECT_EQ(Gcd(p * WideInt(6), p * WideInt(10)), p * WideInt(2));
}

TEST(WideRational, ReducedToLowestTermsWithAPositiveDenominator) {
  const struct {
    int64_t num, den;
    const char* text;
  } rows[] = {{2, 4, "1/2"}, {3, -6, "-1/2"}, {-4, -2, "2"}, {0, -7, "0"}, {5, 1, "5"}};
  for (const auto& row : rows)
    EXPECT_EQ(WideRational::Reduced(WideInt(row.num), WideInt(row.den)).Text(), row.text);
  const WideRational huge = WideRational::Reduced(WideInt(1) << 2000, (WideInt(3) << 2000));
  EXPECT_EQ(huge.Text(), "1/3");
  const WideRational tiny{WideInt(1) << 1500, WideInt(3) << 1500};
  EXPECT_DOUBLE_EQ(tiny.ToDouble(), 1.0 / 3.0) << "huge parts do not make infinity/infinity";
}

}  // namespace
}  // namespace tessaro
