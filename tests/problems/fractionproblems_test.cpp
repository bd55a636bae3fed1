#include "problems/fractionproblems.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

// The worked example: list a = 1/2, b = 3/4, c = 5/6; "ok" with 1/2 and 3/4; a+b evaluated.
FractionTexts Example() {
  FractionTexts t;
  t.F1 = "1/2";
  t.F2 = "3/4";
  t.Labels = {"f1 + f2", "f1 - f2", "f1 \xC2\xB7 f2", "f1 / f2"};
  t.Results = {"5/4", "-1/4", "3/8", "2/3"};
  t.List = {"1/2", "3/4", "5/6"};
  t.TxtOC = "a+b";
  t.EtOC = "(1/2)+(3/4)";
  t.IdROC = "5/4";
  return t;
}

const std::string kBinaryQ =
    "If f1= 1/2 and f2= 3/4, calculate: f1 + f2, f1 - f2, f1 \xC2\xB7 f2, f1 / f2";
const std::string kBinaryA = "f1 + f2 = 5/4, f1 - f2 = -1/4, f1 \xC2\xB7 f2 = 3/8, f1 / f2 = 2/3";
const std::string kCombinedQ = "If  a = 1/2, b = 3/4, calculate a+b";
const std::string kCombinedA = "a+b = (1/2)+(3/4) = 5/4";

TEST(FractionProblem, BuildsEachModeOfTheWorkedExample) {
  const std::string sep = "\r\n----------------\r\n";
  struct Case {
    FractionProblemMode mode;
    std::string question, answer;
    const char* why;
  } cases[] = {
      {FractionProblemMode::Binary, kBinaryQ, kBinaryA, "binary part alone"},
      {FractionProblemMode::Combined, kCombinedQ, kCombinedA, "combined part alone"},
      {FractionProblemMode::All, kBinaryQ + sep + kCombinedQ, kBinaryA + sep + kCombinedA,
       "both, 16 hyphens between, no final line break"},
  };
  for (const Case& c : cases) {
    const TPrbl p = FractionProblem(Example(), c.mode);
    EXPECT_EQ(p.Enun, c.question) << c.why;
    EXPECT_EQ(p.Resp, c.answer) << c.why;
  }
}

TEST(FractionProblem, NamesOnlyTheListedItemsTheExpressionUses) {
  struct Case {
    std::vector<std::string> list;
    std::string typed, replaced, result;
    std::string question, answer;
    const char* why;
  } cases[] = {
      {{"1/2", "3/4", "5/6"}, "a+c", "(1/2)+(5/6)", "4/3",
       "If  a = 1/2, c = 5/6, calculate a+c", "a+c = (1/2)+(5/6) = 4/3",
       "b is skipped, no dangling separator"},
      {{"1/2", "3/4", "5/6"}, "c*c", "(5/6)*(5/6)", "25/36",
       "If  c = 5/6, calculate c*c", "c*c = (5/6)*(5/6) = 25/36", "a letter used twice is named once"},
      {{"1/2", "3/4", "5/6"}, "1/2+1/3", "1/2+1/3", "5/6", "Calculate 1/2+1/3",
       "1/2+1/3 = 1/2+1/3 = 5/6", "plain fractions with a list repeat the replaced text"},
      {{}, "1/2+1/3", "1/2+1/3", "5/6", "Calculate 1/2+1/3", "1/2+1/3 = 5/6",
       "an empty list has no replaced text"},
      {{"1/2", "3/4"}, "a+b", "", "", "If  a = 1/2, b = 3/4, calculate a+b", "a+b =  = ",
       "expression edited after the evaluation: empty texts follow their \" = \""},
      {{"7"}, "A+a", "A+7", "", "If  a = 7, calculate A+a", "A+a = A+7 = ",
       "upper case is not a list letter"},
  };
  for (const Case& c : cases) {
    FractionTexts t = Example();
    t.List = c.list;
    t.TxtOC = c.typed;
    t.EtOC = c.replaced;
    t.IdROC = c.result;
    const TPrbl p = FractionProblem(t, FractionProblemMode::Combined);
    EXPECT_EQ(p.Enun, c.question) << c.why;
    EXPECT_EQ(p.Resp, c.answer) << c.why;
  }
}

TEST(FractionProblem, CopiesEmptyResultCellsAsTheyAre) {
  FractionTexts t = Example();
  t.F1 = "7/5";
  t.Results = {"", "", "", ""};
  const TPrbl p = FractionProblem(t, FractionProblemMode::Binary);
  EXPECT_EQ(p.Enun,
            "If f1= 7/5 and f2= 3/4, calculate: f1 + f2, f1 - f2, f1 \xC2\xB7 f2, f1 / f2");
  EXPECT_EQ(p.Resp, "f1 + f2 = , f1 - f2 = , f1 \xC2\xB7 f2 = , f1 / f2 = ");
}

}  // namespace
}  // namespace tessaro
