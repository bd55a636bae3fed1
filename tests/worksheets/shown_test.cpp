#include "worksheets/worksheet.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

ProblemPart Part(const ProblemParams& params) { return {params, *MakeProblem(params).texts}; }

// What a theme hands over for "All": its sections and the texts joined as it joins them.
ShownProblem All(const std::vector<ProblemParams>& sections) {
  ShownProblem shown{*MakeAllProblem(sections).texts, {}};
  for (const ProblemParams& p : sections) shown.parts.push_back(Part(p));
  return shown;
}

// The texts as the Problem window's areas give them back: LF line ends.
TPrbl AsTyped(const TPrbl& t) {
  TPrbl out;
  for (char c : t.Enun) if (c != '\r') out.Enun += c;
  for (char c : t.Resp) if (c != '\r') out.Resp += c;
  return out;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

TEST(ProblemsFromShown, UneditedAllGivesOneProblemPerSectionWithItsParams) {
  const std::vector<ProblemParams> sections = {IntegerSingleParams{12, 2, 12},
                                               IntegerPairParams{7, 2, 2},
                                               IntegerListParams{{12, 18}}};
  const ShownProblem shown = All(sections);
  const std::vector<SheetProblem> problems = ProblemsFromShown(shown, AsTyped(shown.texts));
  ASSERT_EQ(problems.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(problems[i].params, sections[i]);
    EXPECT_EQ(problems[i].texts, *MakeProblem(sections[i]).texts);
  }
}

TEST(ProblemsFromShown, AnEditedSectionKeepsItsParamsWithTheEditedTexts) {
  const ShownProblem shown = All({FractionPairParams{"1/2", "3/4"},
                                  FractionCombinedParams{"a+b", {"1/2", "3/4"}}});
  TPrbl edited = AsTyped(shown.texts);
  edited.Resp = Replaced(edited.Resp, "a+b = ", "Sum: a+b = ");
  const std::vector<SheetProblem> problems = ProblemsFromShown(shown, edited);
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0].texts, shown.parts[0].texts) << "the untouched section as made";
  EXPECT_EQ(problems[1].params, shown.parts[1].params);
  EXPECT_EQ(problems[1].texts.Enun, "If  a = 1/2, b = 3/4, calculate a+b\r\n");
  EXPECT_EQ(problems[1].texts.Resp, "Sum: a+b = (1/2)+(3/4) = 5/4\r\n");
}

TEST(ProblemsFromShown, APolynomialAllWithoutItsUnaryPartSkipsTheEmptyPiece) {
  // The theme's "All" without a polynomial begins with an empty line and the separator.
  const ProblemParams pair = PolynomialPairParams{"x", "x+1"};
  const ProblemParams combined = PolynomialCombinedParams{"A+B", {"x", "x+1"}};
  ShownProblem shown = All({pair, combined});
  ASSERT_EQ(shown.texts.Enun.rfind("\r\n----------------\r\n", 0), 0u) << shown.texts.Enun;
  TPrbl edited = AsTyped(shown.texts);
  edited.Enun = Replaced(edited.Enun, "A: x", "A: (x)");
  const std::vector<SheetProblem> problems = ProblemsFromShown(shown, edited);
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0].params, pair);
  EXPECT_EQ(problems[0].texts.Enun.find("A: (x)  B: x+1"), 20u) << problems[0].texts.Enun;
  EXPECT_EQ(problems[1].texts, shown.parts[1].texts);
}

TEST(ProblemsFromShown, AnEditThatMovesTheSeparatorsMakesOneTextProblem) {
  const ShownProblem shown = All({IntegerSingleParams{5, 2, 12}, IntegerPairParams{7, 2, 2}});
  TPrbl edited = AsTyped(shown.texts);
  edited.Enun = Replaced(edited.Enun, "==============\n", "");
  const std::vector<SheetProblem> problems = ProblemsFromShown(shown, edited);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_TRUE(std::holds_alternative<TextParams>(problems[0].params));
  EXPECT_EQ(problems[0].texts.Enun, Replaced(shown.texts.Enun, "==============\r\n", ""));
  EXPECT_EQ(problems[0].texts.Resp, shown.texts.Resp);
}

TEST(ProblemsFromShown, OneSectionOrNone) {
  const ShownProblem one{Part(IntegerPairParams{7, 2, 2}).texts, {Part(IntegerPairParams{7, 2, 2})}};
  const std::vector<SheetProblem> unedited = ProblemsFromShown(one, AsTyped(one.texts));
  ASSERT_EQ(unedited.size(), 1u);
  EXPECT_EQ(unedited[0].texts, one.texts) << "CR LF kept as made";

  const std::vector<SheetProblem> edited = ProblemsFromShown(one, {"Find 7\xC2\xB7" "2\n", "14"});
  ASSERT_EQ(edited.size(), 1u);
  EXPECT_EQ(edited[0].params, one.parts[0].params);
  EXPECT_EQ(edited[0].texts, (TPrbl{"Find 7\xC2\xB7" "2\r\n", "14"}));

  const std::vector<SheetProblem> typed = ProblemsFromShown({{"q", "a"}, {}}, {"q\nmore", "a"});
  ASSERT_EQ(typed.size(), 1u);
  EXPECT_TRUE(std::holds_alternative<TextParams>(typed[0].params));
  EXPECT_EQ(typed[0].texts, (TPrbl{"q\r\nmore", "a"}));
}

}  // namespace
}  // namespace tessaro
