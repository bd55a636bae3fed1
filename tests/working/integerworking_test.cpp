#include "working/integerworking.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace tessaro {
namespace {

using Lines = std::vector<std::string>;

struct PairCase {
  std::int32_t a, b;
  Lines lines;
  const char* why;
};

TEST(HcdLcmWorking, DividesByEuclidAndEndsWithTheLcmThePanelShows) {
  const PairCase cases[] = {
      {84, 36,
       {"84 = 2·36 + 12", "36 = 3·12 + 0", "hcd(84,36) = 12", "LCM(84,36) = 84·36 ÷ 12 = 252"},
       "the textbook example"},
      {36, 84,
       {"84 = 2·36 + 12", "36 = 3·12 + 0", "hcd(36,84) = 12", "LCM(36,84) = 36·84 ÷ 12 = 252"},
       "the larger is divided first, the operands keep their order"},
      {-84, 36,
       {"hcd(-84,36) = hcd(84,36)", "84 = 2·36 + 12", "36 = 3·12 + 0", "hcd(84,36) = 12",
        "LCM(-84,36) = 84·36 ÷ 12 = 252"},
       "a negative operand works on magnitudes"},
      {84, 0, {"hcd(84,0) = 84", "LCM(84,0) = 0"}, "a zero operand needs no division"},
      {0, 0, {"hcd(0,0) = 0", "LCM(0,0) = 0"}, "both zero"},
      {65536, 65537,
       {"65537 = 1·65536 + 1", "65536 = 65536·1 + 0", "hcd(65536,65537) = 1",
        "LCM(65536,65537) > LONG_MAX"},
       "an LCM past Long_Max ends with the panel's text"},
      {INT32_MIN, 0,
       {"hcd(-2147483648,0) = hcd(2147483648,0)", "hcd(2147483648,0) > LONG_MAX",
        "LCM(-2147483648,0) = 0"},
       "an hcd of 2^31 is beyond the panel"},
      {2147483647, 0, {"hcd(2147483647,0) = 2147483647", "LCM(2147483647,0) = 0"},
       "an hcd of 2147483647 is shown though it passes Long_Max"},
      {2000000000, 2000000000,
       {"2000000000 = 1·2000000000 + 0", "hcd(2000000000,2000000000) = 2000000000",
        "LCM(2000000000,2000000000) = 2000000000·2000000000 ÷ 2000000000 = 2000000000"},
       "the product in the formula may pass Long_Max, the LCM does not"},
  };
  for (const PairCase& c : cases) EXPECT_EQ(HcdLcmWorking(c.a, c.b).Lines(), c.lines) << c.why;
}

struct ListCase {
  std::vector<std::int32_t> numbers;
  Lines lines;
  const char* why;
};

TEST(ListHcdLcmWorking, GoesPairwiseFromTheLeft) {
  const ListCase cases[] = {
      {{12, 18, 30},
       {"18 = 1·12 + 6", "12 = 2·6 + 0", "hcd(12,18) = 6", "30 = 5·6 + 0", "hcd(6,30) = 6",
        "hcd(12,18,30) = 6", "LCM(12,18) = 12·18 ÷ 6 = 36", "LCM(36,30) = 36·30 ÷ 6 = 180",
        "LCM(12,18,30) = 180"},
       "three numbers"},
      {{-4, 6},
       {"hcd(-4,6) = hcd(4,6)", "6 = 1·4 + 2", "4 = 2·2 + 0", "hcd(4,6) = 2",
        "LCM(-4,6) = 4·6 ÷ 2 = 12"},
       "two numbers: no summary repeating the pair"},
      {{65536, 65537, 2},
       {"65537 = 1·65536 + 1", "65536 = 65536·1 + 0", "hcd(65536,65537) = 1", "2 = 2·1 + 0",
        "hcd(1,2) = 1", "hcd(65536,65537,2) = 1", "LCM(65536,65537) > LONG_MAX",
        "LCM(65536,65537,2) >Long_Max"},
       "an overflow stops the LCM with the list panel's own text"},
      {{12, 0, 30},
       {"hcd(12,0) = 12", "30 = 2·12 + 6", "12 = 2·6 + 0", "hcd(12,30) = 6", "hcd(12,0,30) = 6",
        "LCM(12,0,30) = 0"},
       "a zero makes the LCM 0"},
      {{INT32_MIN, 0},
       {"hcd(-2147483648,0) = hcd(2147483648,0)", "hcd(2147483648,0) = 2147483648",
        "hcd(-2147483648,0) >Long_Max", "LCM(-2147483648,0) = 0"},
       "an hcd of 2^31 at the end is beyond the panel"},
  };
  for (const ListCase& c : cases) EXPECT_EQ(ListHcdLcmWorking(c.numbers).Lines(), c.lines) << c.why;
}

struct OneCase {
  std::int32_t n;
  Lines lines;
  const char* why;
};

TEST(FactorLadderWorking, RightAlignsTheLadderAndEndsWithTheFactorization) {
  const OneCase cases[] = {
      {360,
       {"360 | 2", "180 | 2", " 90 | 2", " 45 | 3", " 15 | 3", "  5 | 5", "  1 |",
        "360 = 2^3 · 3^2 · 5"},
       "the textbook example, no blank after the last bar"},
      {-12, {"12 | 2", " 6 | 2", " 3 | 3", " 1 |", "-12 = -2^2 · 3"}, "the sign stays with N"},
      {2147483629, {"2147483629 | 2147483629", "         1 |", "2147483629 = 2147483629"},
       "a prime near Long_Max"},
      {1, {"1 has no prime factor"}, "the window shows nothing"},
      {0, {"0 has no prime factorization"}, "the window shows nothing"},
      {-1, {"-1 = -1"}, "the window shows -1"},
  };
  for (const OneCase& c : cases) EXPECT_EQ(FactorLadderWorking(c.n).Lines(), c.lines) << c.why;
  // |-2147483648| = 2^31 is no 32-bit value, yet its ladder is 31 rows of 2.
  const Lines big = FactorLadderWorking(INT32_MIN).Lines();
  ASSERT_EQ(big.size(), 33u);
  EXPECT_EQ(big.front(), "2147483648 | 2");
  EXPECT_EQ(big.back(), "-2147483648 = -2^31");
}

TEST(FactorLadderWorking, GivesTheLadderAsATableForAWindow) {
  const Working w = FactorLadderWorking(12);
  ASSERT_TRUE(w.blocks.front().table);
  const WorkTable& t = *w.blocks.front().table;
  EXPECT_EQ(t.rows, (std::vector<Lines>{{"12", "|", "2"}, {"6", "|", "2"}, {"3", "|", "3"},
                                        {"1", "|", ""}}));
  EXPECT_EQ(t.align.front(), CellAlign::Right);
}

TEST(BaseChangeWorking, DividesUntilTheQuotientIsZero) {
  const PairCase cases[] = {  // N and the basis
      {360, 12, {"360 = 30·12 + 0", "30 = 2·12 + 6", "2 = 0·12 + 2", "360 = 260 (basis 12)"},
       "the textbook example"},
      {143, 12, {"143 = 11·12 + 11 (B)", "11 = 0·12 + 11 (B)", "143 = BB (basis 12)"},
       "a remainder of 10 or more is followed by its digit"},
      {-5, 2, {"5 = 2·2 + 1", "2 = 1·2 + 0", "1 = 0·2 + 1", "-5 = -101 (basis 2)"},
       "a negative N: the digits of |N| with the sign"},
      {0, 2, {"0 = 0·2 + 0", "0 = 0 (basis 2)"}, "zero"},
      {255, 16, {"255 = 15·16 + 15 (F)", "15 = 0·16 + 15 (F)", "255 = FF (basis 16)"}, "hex"},
      {5, 1, {"1 isn't a valid basis"}, "the panel's refusal"},
  };
  for (const PairCase& c : cases) {
    EXPECT_EQ(BaseChangeWorking(c.a, c.b).Lines(), c.lines) << c.why;
  }
}

TEST(IntegerDivisionWorking, WritesTheQuotientAndTheRemainderWithTheirSigns) {
  const PairCase cases[] = {
      {7, -2, {"7 = (-2)·(-3) + 1"}, "the issue's example"},
      {-7, 2, {"-7 = 2·(-3) + (-1)"}, "the remainder has the sign of the dividend"},
      {6, 3, {"6 = 3·2 + 0"}, "exact"},
      {7, 0, {"7 ÷ 0: division by 0"}, "the panel shows -"},
      {INT32_MIN, -1, {"-2147483648 ÷ (-1) = 2147483648 > LONG_MAX"}, "the quotient past 32 bits"},
  };
  for (const PairCase& c : cases) {
    EXPECT_EQ(IntegerDivisionWorking(c.a, c.b).Lines(), c.lines) << c.why;
  }
}

TEST(IntegerPanelWorkings, PutTheirPartsAfterOneAnotherWithAnEmptyLine) {
  EXPECT_EQ(IntegerPairWorking(7, 2).Lines(),
            (Lines{"7 = 2·3 + 1", "", "7 = 3·2 + 1", "2 = 2·1 + 0", "hcd(7,2) = 1",
                   "LCM(7,2) = 7·2 ÷ 1 = 14"}));
  const Lines single = IntegerSingleWorking(12, 5).Lines();
  EXPECT_EQ(single, (Lines{"12 | 2", " 6 | 2", " 3 | 3", " 1 |", "12 = 2^2 · 3", "",
                           "12 = 2·5 + 2", "2 = 0·5 + 2", "12 = 22 (basis 5)"}));
  EXPECT_EQ(IntegerSingleWorking(12, std::nullopt).Lines().size(), 5u) << "no valid basis";
}

}  // namespace
}  // namespace tessaro
