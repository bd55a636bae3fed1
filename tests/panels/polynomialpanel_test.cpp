#include "panels/polynomialpanel.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

TEST(PolFromCells, ReadsTheCellsAsTypedAndRefusesWhatIsNoRational) {
  const struct {
    PolCells cells;
    CellsRead read;
    std::string text;  // the polynomial read, when it is read
    const char* why;
  } cases[] = {
      {{}, CellsRead::Empty, "", "no cell filled: nothing to add"},
      {{"", "", "1/2"}, CellsRead::Read, "1/2x^2", "one fraction"},
      {{"0"}, CellsRead::Read, "0", "a filled zero is the zero polynomial"},
      {{"-3", "", "", "", "", "", "", "", "", "2"}, CellsRead::Read, "2x^9-3", "both ends"},
      {{"", "2/4"}, CellsRead::Read, "2/4x", "kept unreduced, as typed"},
      {{"1", "1/0"}, CellsRead::Refused, "", "denominator 0"},
      {{"1", "", "x"}, CellsRead::Refused, "", "a letter"},
      {{" 1"}, CellsRead::Refused, "", "a blank"},
      {{"", "", "", "", "", "", "", "", "", "1.5"}, CellsRead::Refused, "", "a decimal point"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Polynomial p{};
    EXPECT_EQ(PolFromCells(c.cells, p), c.read);
    if (c.read == CellsRead::Read) {
      EXPECT_EQ(PolToText(p), c.text);
    }
  }
}

// Found by the hostile-input test: the grid took 2147483647, whose text the list then
// showed and the binary panel refused as "Not a rational polynomial".
TEST(PolFromCells, RefusesCoefficientsTheTextFormRefuses) {
  const struct {
    PolCells cells;
    const char* why;
  } cases[] = {
      {{"2147483647"}, "one past Long_Max"},
      {{"", "-2147483648"}, "no opposite in 32 bits"},
      {{"", "", "1/2147483647"}, "a denominator past Long_Max"},
      {{"", "", "", "-2147483647/2"}, "a numerator past Long_Max"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Polynomial p{};
    EXPECT_EQ(PolFromCells(c.cells, p), CellsRead::Refused);
  }
  // At the bound, what the grid reads prints to a text that reads back the same.
  Polynomial p{}, back{};
  ASSERT_EQ(PolFromCells({"2147483646", "-1/2147483646"}, p), CellsRead::Read);
  ASSERT_TRUE(PolFromText(PolToText(p), back));
  EXPECT_EQ(PolToText(back), PolToText(p));
}

TEST(CellsOfIntPol, LeavesZeroCoefficientsEmpty) {
  const IntPolynomial ip{-8, 0, 3, 0, 0, 0, 0, 0, 9, 0};
  const PolCells expected{"-8", "", "3", "", "", "", "", "", "9", ""};
  EXPECT_EQ(CellsOfIntPol(ip), expected);
}

}  // namespace
}  // namespace tessaro
