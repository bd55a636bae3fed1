#include "problems/kinds.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaro {
namespace {

struct MadeRow {
  const char* why;
  ProblemParams params;
  const char* question;
  const char* answer;
};

// Each kind gives the texts its window shows for the same inputs.
TEST(MakeProblem, EachKindGivesItsWindowsTexts) {
  const MadeRow rows[] = {
      {"the two integers of the design's road", IntegerPairParams{7, 2, 2},
       "If a= 7  b= 2 calculate:\r\na\xC2\xB7" "b, a/b, hcd(a,b), LCM(a,b)\r\n",
       "a\xC2\xB7" "b= 14\r\na/b= 3.5 (Q= 3, R= 1)\r\nhcd(a,b)= 1\r\nLCM(a,b)= 14\r\n"},
      {"division by zero shows its texts", IntegerPairParams{5, 0, 2},
       "If a= 5  b= 0 calculate:\r\na\xC2\xB7" "b, a/b, hcd(a,b), LCM(a,b)\r\n",
       "a\xC2\xB7" "b= 0\r\na/b= infinite (Q= -, R= -)\r\nhcd(a,b)= 5\r\nLCM(a,b)= 0\r\n"},
      {"N = 12, exponent 2, basis 12", IntegerSingleParams{12, 2, 12},
       "Calculate (if possible) for N = 12 :\r\nN^2\r\nFactorization of N\r\nN factorial (N!)\r\n"
       "The expressions of N in hexadecimal,binary,octal and 12 basis\r\n",
       "N^2 = 144\r\nFactorization: N = 2^2 \xC2\xB7 3\r\nN! = 479001600\r\n"
       "Expression in other basis:\r\n Hexadecimal, N= C\r\n Binary, N= 1100\r\n"
       " Octal, N= 14\r\n Basis 12, N= 10\r\n"},
      {"hcd and LCM of a selection, no line end after the question",
       IntegerListParams{{12, 18, 30}}, "Calculate the hcd and LCM of 12, 18, 30",
       "hcd(12, 18, 30) = 6\r\nLCM(12, 18, 30) = 180\r\n"},
      {"only the letters used are named", IntegerCombinedParams{"a+b*2", {12, 18, 5}, 2},
       "If   a= 12  b= 18, calculate a+b*2\r\n", "a+b*2 = 12+18*2 = 48 = 48\r\n"},
      {"the fractions of the design's example", FractionPairParams{"1/2", "3/4"},
       "If f1= 1/2 and f2= 3/4, calculate: f1 + f2, f1 - f2, f1 \xC2\xB7 f2, f1 / f2",
       "f1 + f2 = 5/4, f1 - f2 = -1/4, f1 \xC2\xB7 f2 = 3/8, f1 / f2 = 2/3"},
      {"a fraction list, two letters used",
       FractionCombinedParams{"a+c", {"1/2", "3/4", "5/6"}},
       "If  a = 1/2, c = 5/6, calculate a+c", "a+c = (1/2)+(5/6) = 4/3"},
      {"no list: the expression as typed", FractionCombinedParams{"1/2+1/3", {}},
       "Calculate 1/2+1/3", "1/2+1/3 = 5/6"},
      {"the unary example", PolynomialSingleParams{"x^2-1", "0"},
       "For the poynomial x^2-1 calculate:\r\nIts value for x= 0\r\nIts integer roots (if any)\r\n"
       "Its factorization.\r\nIts derivative.\r\nIts integral.\r\n",
       "P(0) = -1\r\nInteger roots: -1, 1\r\nFactorization: (x+1) (x-1)\r\nDerivative: 2x\r\n"
       "Integral: 1/3x^3-x+C\r\n"},
      {"the binary example", PolynomialPairParams{"x^3-x", "x^2-1"},
       "For the poynomials\r\nA: x^3-x  B: x^2-1\r\n"
       "calculate: A+B, A-B, A\xC2\xB7" "B, A/B (->Q,R),hcd(A,B),LCM(A,B)\r\n",
       "A+B= x^3+x^2-x-1\r\nA-B= x^3-x^2-x+1\r\nA\xC2\xB7" "B= x^5-2x^3+x\r\n"
       "A/B:  Q= x R= 0\r\nhcd(A,B)= x^2-1\r\nLCM(A,B)= x^3-x\r\n"},
      {"rows named by the letters used", PolynomialCombinedParams{"A*C", {"x", "x+1", "2"}},
       "Calculate A*C , being:  \r\n  A= x\r\n  C= 2\r\n", "A*C = 2x"},
  };
  for (const MadeRow& row : rows) {
    SCOPED_TRACE(row.why);
    const MadeProblem made = MakeProblem(row.params);
    ASSERT_TRUE(made.texts.has_value()) << made.field << " " << made.reason;
    EXPECT_EQ(made.texts->Enun, row.question);
    EXPECT_EQ(made.texts->Resp, row.answer);
  }
}

struct RefusedRow {
  const char* why;
  ProblemParams params;
  const char* field;
};

TEST(MakeProblem, RefusesWhatTheWindowRefusesNamingTheParam) {
  const RefusedRow rows[] = {
      {"exponent below 2", IntegerSingleParams{5, 1, 12}, "exponent"},
      {"exponent above 9", IntegerSingleParams{5, 10, 12}, "exponent"},
      {"basis 1", IntegerSingleParams{5, 2, 1}, "basis"},
      {"basis beyond 201", IntegerSingleParams{5, 2, 202}, "basis"},
      {"no decimals", IntegerPairParams{1, 2, 0}, "decimals"},
      {"one number has no hcd of a list", IntegerListParams{{4}}, "numbers"},
      {"24 numbers", IntegerListParams{std::vector<std::int32_t>(24, 1)}, "numbers"},
      {"a combined operation that divides by 0", IntegerCombinedParams{"a/b", {1, 0}, 2},
       "expression"},
      {"an empty expression", IntegerCombinedParams{"", {1}, 2}, "expression"},
      {"f1 not a fraction", FractionPairParams{"1/x", "1/2"}, "f1"},
      {"f2 with denominator 0", FractionPairParams{"1/2", "1/0"}, "f2"},
      {"a list item not a fraction", FractionCombinedParams{"a", {"one"}}, "fractions"},
      {"a letter beyond the list", FractionCombinedParams{"a+b", {"1/2"}}, "expression"},
      {"p not a polynomial", PolynomialSingleParams{"1+x", "0"}, "p"},
      {"b not a polynomial", PolynomialPairParams{"x", "X"}, "b"},
      {"degree above 9", PolynomialCombinedParams{"A^10", {"x+1"}}, "expression"},
      {"a text problem has nothing to make", TextParams{}, "kind"},
      {"a number beyond 32 bits", FractionPairParams{"99999999999", "1"}, "params"},
  };
  for (const RefusedRow& row : rows) {
    SCOPED_TRACE(row.why);
    const MadeProblem made = MakeProblem(row.params);
    EXPECT_FALSE(made.texts.has_value());
    EXPECT_EQ(made.field, row.field);
    EXPECT_FALSE(made.reason.empty());
  }
}

TEST(MakeAllProblem, JoinsTheSectionsAsTheThemeDoes) {
  const MadeProblem integers =
      MakeAllProblem({IntegerSingleParams{12, 2, 12}, IntegerPairParams{7, 2, 2}});
  ASSERT_TRUE(integers.texts);
  const std::string& q = integers.texts->Enun;
  EXPECT_NE(q.find(" basis\r\n==============\r\nIf a= 7"), std::string::npos) << q;

  const MadeProblem fractions = MakeAllProblem(
      {FractionPairParams{"1/2", "3/4"}, FractionCombinedParams{"a+b", {"1/2", "3/4"}}});
  ASSERT_TRUE(fractions.texts);
  EXPECT_NE(fractions.texts->Resp.find("2/3\r\n----------------\r\na+b = "), std::string::npos);

  EXPECT_FALSE(MakeAllProblem({IntegerPairParams{7, 2, 2}, FractionPairParams{"1", "2"}}).texts)
      << "sections of two themes";
  EXPECT_FALSE(MakeAllProblem({FractionPairParams{"1/2", "3/4"}}).texts)
      << "the Fractions window's All holds both parts";
}

struct ShownRow {
  const char* why;
  std::vector<ProblemParams> sections;
  bool all;
  const char* refusedField;  // null when a problem is made
};

// What a window hands the Problem window: the parts with their own texts, and texts that are
// the one part's or, for All, the join; a refused part or join makes none and says why.
TEST(MakeShownProblem, KeepsEachPartAndJoinsOnlyForAll) {
  const IntegerSingleParams single{12, 2, 12};
  const IntegerPairParams pair{7, 2, 2};
  const ShownRow rows[] = {
      {"one section: its own texts", {pair}, false, nullptr},
      {"All of two integer sections: joined", {single, pair}, true, nullptr},
      {"All of the fractions' two parts", {FractionPairParams{"1/2", "3/4"},
        FractionCombinedParams{"a+b", {"1/2", "3/4"}}}, true, nullptr},
      {"a part refused: its param named", {single, IntegerPairParams{1, 2, 0}}, true, "decimals"},
      {"parts of two themes: the join refused", {pair, FractionPairParams{"1", "2"}}, true,
       "kind"},
  };
  for (const ShownRow& row : rows) {
    SCOPED_TRACE(row.why);
    const MadeShown made = MakeShownProblem(row.sections, row.all);
    if (row.refusedField) {
      EXPECT_FALSE(made.shown);
      EXPECT_EQ(made.field, row.refusedField);
      EXPECT_FALSE(made.reason.empty());
      continue;
    }
    ASSERT_TRUE(made.shown);
    ASSERT_EQ(made.shown->parts.size(), row.sections.size());
    for (std::size_t i = 0; i < row.sections.size(); ++i) {
      EXPECT_EQ(made.shown->parts[i].params, row.sections[i]);
      EXPECT_EQ(made.shown->parts[i].texts, *MakeProblem(row.sections[i]).texts);
    }
    const TPrbl expected = row.all ? *MakeAllProblem(row.sections).texts
                                   : *MakeProblem(row.sections.front()).texts;
    EXPECT_EQ(made.shown->texts, expected);
  }
  EXPECT_FALSE(MakeShownProblem({}, true).shown) << "no section, no problem";
}

TEST(ProblemKinds, NamesReadBackToTheirKind) {
  for (const char* name :
       {"text", "integer-single", "integer-pair", "integer-list", "integer-combined",
        "fraction-pair", "fraction-combined", "polynomial-single", "polynomial-pair",
        "polynomial-combined"}) {
    const std::optional<ProblemParams> params = ParamsOfKind(name);
    ASSERT_TRUE(params) << name;
    EXPECT_EQ(KindName(*params), name);
  }
  EXPECT_FALSE(ParamsOfKind("integer"));
  EXPECT_FALSE(ParamsOfKind(""));
}

}  // namespace
}  // namespace tessaro
