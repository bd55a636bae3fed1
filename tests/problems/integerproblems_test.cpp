#include "problems/integerproblems.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

// The window after N = 12 (k = 2, basis 12), n1 = 7, n2 = 2, the list 12, 18, 5 with
// a+b*2 evaluated, and 12, 18 selected.
IntegerProblemInput Shown() {
  IntegerProblemInput in;
  in.IdN = "12";
  in.Lexp = "2";
  in.IdBX = "12";
  in.IdPot = "144";
  in.IdDF = "2^2 \xC2\xB7 3";
  in.IdFctr = "479001600";
  in.IdHex = "C";
  in.IdBin = "1100";
  in.IdOct = "14";
  in.IdX = "10";
  in.IdA = "7";
  in.IdB = "2";
  in.IdM = "14";
  in.IdD = "3.5";
  in.IdQ = "3";
  in.IdR = "1";
  in.IdMCD = "1";
  in.IdMCM = "14";
  in.IdOC = "a+b*2";
  in.EtOC = "12+18*2";
  in.IdROC1 = "48";
  in.IdROC2 = "48";
  in.EtMCDn = "6";
  in.EtMCMn = "36";
  in.UsedLetters = "abc";
  in.Nums = {12, 18, 5};
  in.Sels = {12, 18};
  return in;
}

const std::string SingleQ =
    "Calculate (if possible) for N = 12 :\r\n"
    "N^2\r\n"
    "Factorization of N\r\n"
    "N factorial (N!)\r\n"
    "The expressions of N in hexadecimal,binary,octal and 12 basis\r\n";
const std::string SingleA =
    "N^2 = 144\r\n"
    "Factorization: N = 2^2 \xC2\xB7 3\r\n"
    "N! = 479001600\r\n"
    "Expression in other basis:\r\n"
    " Hexadecimal, N= C\r\n"
    " Binary, N= 1100\r\n"
    " Octal, N= 14\r\n"
    " Basis 12, N= 10\r\n";
const std::string TwoQ =
    "If a= 7  b= 2 calculate:\r\n"
    "a\xC2\xB7" "b, a/b, hcd(a,b), LCM(a,b)\r\n";
const std::string TwoA =
    "a\xC2\xB7" "b= 14\r\n"
    "a/b= 3.5 (Q= 3, R= 1)\r\n"
    "hcd(a,b)= 1\r\n"
    "LCM(a,b)= 14\r\n";
const std::string CombinedQ = "If   a= 12  b= 18, calculate a+b*2\r\n";
const std::string CombinedA = "a+b*2 = 12+18*2 = 48 = 48\r\n";
const std::string ListQ = "Calculate the hcd and LCM of 12, 18";
const std::string ListA = "hcd(12, 18) = 6\r\nLCM(12, 18) = 36\r\n";
const std::string Sep = "==============\r\n";

struct KindCase {
  int kind;
  std::array<bool, 4> tps;
  std::string question;
  std::string answer;
  const char* why;
};

TEST(IntegerProblem, BuildsEachSectionByteForByte) {
  const KindCase cases[] = {
      {1, {true, false, false, false}, SingleQ, SingleA, "single integer: five and eight lines"},
      {2, {false, true, false, false}, TwoQ, TwoA, "two integers: middle dot, two blanks before b="},
      {3, {false, false, true, false}, CombinedQ, CombinedA, "c is not in the expression"},
      {4, {false, false, false, true}, ListQ, ListA, "the list question has no line end"},
      {1, {false, false, false, false}, SingleQ, SingleA,
       "a kind's own command builds its section whatever the shared flags say"},
      {0, {true, true, false, false}, SingleQ + Sep + TwoQ, SingleA + Sep + TwoA,
       "All with two kinds: one separator in each text"},
      {0, {true, true, true, true}, SingleQ + Sep + TwoQ + Sep + CombinedQ + Sep + ListQ,
       SingleA + Sep + TwoA + Sep + CombinedA + Sep + ListA,
       "All with four kinds ends the question without a line end"},
      {0, {false, true, false, true}, TwoQ + Sep + ListQ, TwoA + Sep + ListA,
       "All skips the kinds not available"},
      {0, {false, false, false, false}, "", "", "All with nothing available is empty"},
      {7, {true, true, true, true}, "", "", "an unknown kind builds nothing"},
  };
  for (const KindCase& c : cases) {
    IntegerProblemInput in = Shown();
    in.Tps = c.tps;
    const TPrbl p = IntegerProblem(c.kind, in);
    EXPECT_EQ(p.Enun, c.question) << c.why;
    EXPECT_EQ(p.Resp, c.answer) << c.why;
  }
}

struct CombinedCase {
  std::string expression;
  std::string letters;
  std::vector<std::int32_t> nums;
  std::string question;
  const char* why;
};

TEST(IntegerProblem, NamesTheLettersTheExpressionUses) {
  const CombinedCase cases[] = {
      {"3*4", "abc", {12, 18, 5}, "If , calculate 3*4\r\n", "no letter used"},
      {"a*a+c", "abc", {12, 18, 5}, "If   a= 12  c= 5, calculate a*a+c\r\n",
       "a letter used twice is named once"},
      {"c-a", "abc", {12, 18, -5}, "If   a= 12  c= -5, calculate c-a\r\n",
       "list order, not expression order; a negative number with its sign"},
      {"A+b", "ab", {1, 2}, "If   b= 2, calculate A+b\r\n", "upper case is no list letter"},
      {"a+d", "abc", {12, 18, 5}, "If   a= 12, calculate a+d\r\n",
       "a letter beyond the list at the evaluation is not named"},
      {"a+b", "ab", {7}, "If   a= 7, calculate a+b\r\n",
       "fewer numbers than letters: only the letters with a number"},
  };
  for (const CombinedCase& c : cases) {
    IntegerProblemInput in = Shown();
    in.IdOC = c.expression;
    in.UsedLetters = c.letters;
    in.Nums = c.nums;
    EXPECT_EQ(IntegerProblem(PrCombined, in).Enun, c.question) << c.why;
  }
}

TEST(IntegerProblem, CopiesFailureTextsUnchanged) {
  IntegerProblemInput in = Shown();
  in.IdPot = "Not calculable";
  in.IdFctr = " Not calculable (N> 160)";
  const std::string answer = IntegerProblem(PrOne, in).Resp;
  EXPECT_NE(answer.find("N^2 = Not calculable\r\n"), std::string::npos);
  EXPECT_NE(answer.find("N! =  Not calculable (N> 160)\r\n"), std::string::npos);

  in = Shown();
  in.IdD = "infinite";
  in.IdQ = "-";
  in.IdR = "-";
  in.IdMCM = " > LONG_MAX";
  const std::string two = IntegerProblem(PrTwo, in).Resp;
  EXPECT_NE(two.find("a/b= infinite (Q= -, R= -)\r\n"), std::string::npos);
  EXPECT_NE(two.find("LCM(a,b)=  > LONG_MAX\r\n"), std::string::npos);
}

TEST(TTps, CountsTheAvailableKinds) {
  EXPECT_EQ(TTps({false, false, false, false}), 0);
  EXPECT_EQ(TTps({true, false, true, false}), 2);
  EXPECT_EQ(TTps({true, true, true, true}), 4);
}

}  // namespace
}  // namespace tessaro
