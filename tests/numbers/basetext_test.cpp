#include <gtest/gtest.h>

#include "numbers/numbers.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tessaro {
namespace {

TEST(BaseText, WritesDigitsWithSignInFront) {
  struct Case { int32_t n, b; const char* expected; const char* why; };
  const Case cases[] = {
      {255, 16, "FF", "hex digits"},         {143, 12, "BB", "basis 12"},
      {0, 2, "0", "zero"},                   {5, 2, "101", "binary"},
      {8, 8, "10", "n equal to basis"},      {-5, 2, "-101", "negative: sign and |n|"},
      {INT32_MIN, 2, "-10000000000000000000000000000000", "magnitude 2^31"},
      {35, 36, "Z", "last letter"},          {36, 37, "[", "after Z comes ["},
      {128 - 55, 201, "\xE2\x82\xAC", "code 128 is the euro sign of the code page"},
      {99, 100, "\xC5\xA1", "99 in basis 100: code 154, s with caron, not a control"},
      {127 - 55, 201, "\xCE\xB1", "DEL prints as alpha"},
      {0x81 - 55, 201, "\xCE\xB2", "undefined 0x81 prints as beta"},
      {0xA0 - 55, 201, "\xCE\xB7", "the no-break space prints as eta"},
      {0xAD - 55, 201, "\xCE\xB8", "the soft hyphen prints as theta"},
      {200, 201, "\xC3\xBF", "code 255, largest digit"},
      {5, 202, "", "basis beyond 201"},      {5, 1, "", "basis 1 would never end"},
      {5, 0, "", "basis 0"},
  };
  for (const Case& c : cases) EXPECT_EQ(BaseText(c.n, c.b), c.expected) << c.why;
}

// Every digit of every basis prints, and no two digits share a character, so every text
// BaseText writes reads back to its number.
TEST(BaseText, EveryDigitPrintsAndReadsBack) {
  std::vector<std::string> seen;
  for (int32_t v = 0; v < 201; ++v) {
    const std::string digit = BaseText(v, 201);
    SCOPED_TRACE(v);
    ASSERT_FALSE(digit.empty());
    const unsigned char first = static_cast<unsigned char>(digit[0]);
    EXPECT_TRUE(first > 0x20 && first != 0x7F) << "a control character or a blank";
    if (digit == "\xC2\xA0" || digit == "\xC2\xAD" || (digit.size() == 2 && first == 0xC2 &&
                                                        static_cast<unsigned char>(digit[1]) < 0xA0))
      ADD_FAILURE() << "prints as nothing";
    EXPECT_EQ(std::count(seen.begin(), seen.end(), digit), 0) << "used by another digit";
    seen.push_back(digit);
  }
  for (int32_t b : {2, 8, 10, 16, 17, 36, 37, 43, 100, 150, 200, 201})
    for (int32_t n : {0, 1, b - 1, b, 12345, 99999999, INT32_MAX})
      EXPECT_EQ(BaseValue(BaseText(n, b), b), n) << n << " in basis " << b;
}

TEST(HexText, WritesTwosComplementForNegatives) {
  EXPECT_EQ(HexText(0), "0");
  EXPECT_EQ(HexText(255), "FF");
  EXPECT_EQ(HexText(-13), "FFFFFFF3");
  EXPECT_EQ(HexText(-1), "FFFFFFFF");
  EXPECT_EQ(HexText(INT32_MIN), "80000000");
}

TEST(BaseValue, ReadsDigitsOrGivesZero) {
  struct Case { const char* text; int32_t b, expected; const char* why; };
  const Case cases[] = {
      {"17", 8, 15, "octal"},              {"18", 8, 0, "8 is no octal digit"},
      {"", 8, 0, "empty"},                 {"101", 2, 5, "binary"},
      {"FF", 17, 270, "sixteen digits, weights of 17"},
      {"1G", 17, 33, "G is the digit 16 of basis 17"},
      {"1G", 16, 0, "but not of basis 16"},
      {"a", 43, 42, "lower-case a is the digit 42"},
      {"\xCE\xB1", 201, 72, "alpha reads back as the digit it stands for"},
      {"1", 202, 0, "no basis beyond 201"},
      {"100000000", 16, 0, "2^32 keeps its low 32 bits"},
      {"1000000000000000000000000000000000000001", 10, 1, "long text stays defined"},
      {"1", 0, 0, "no digit set"},
  };
  for (const Case& c : cases) EXPECT_EQ(BaseValue(c.text, c.b), c.expected) << c.why;
}

TEST(HexValue, InvertsHexTextAndIsCaseSensitive) {
  EXPECT_EQ(HexValue("FFFFFFF3"), -13);
  EXPECT_EQ(HexValue("ff"), 0);
  EXPECT_EQ(HexValue("7FFFFFFF"), INT32_MAX);
  EXPECT_EQ(HexValue("1FFFFFFFF"), -1);  // low 32 bits
  for (int32_t n : {0, 1, 4095, -1, INT32_MIN, INT32_MAX}) EXPECT_EQ(HexValue(HexText(n)), n);
}

TEST(BinValue, ReadsLastCharacterAsDecimalAndEarlierOnes) {
  struct Case { const char* text; int32_t expected; const char* why; };
  const Case cases[] = {
      {"1011", 11, "binary"},          {"1012", 12, "last counts its decimal value"},
      {"1x11", 11, "other character counts 0"},
      {"1\xC3\xA9" "1", 5, "a two-byte character is one place"},
      {"11111111111111111111111111111111", -1, "32 ones"},
      {"100000000000000000000000000000000", 0, "2^32 drops out"},
  };
  for (const Case& c : cases) EXPECT_EQ(BinValue(c.text), c.expected) << c.why;
  EXPECT_THROW(BinValue("101a"), ConversionError);
  EXPECT_THROW(BinValue(""), ConversionError);
  try {
    BinValue("10\xC3\xA9");
    ADD_FAILURE();
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'\xC3\xA9' is not a valid integer value");  // the whole character
  }
}

}  // namespace
}  // namespace tessaro
