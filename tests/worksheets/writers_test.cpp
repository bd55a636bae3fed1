#include "worksheets/writers.h"

#include "problems/testfiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace tessaro {
namespace {

SheetProblem Text(const std::string& question, const std::string& answer) {
  return {TextParams{}, {question, answer}, false, {}};
}

// Two problems, the second of two lines each side, with a blank line inside its question.
Worksheet SmallSheet(KeyPlacement key) {
  Worksheet sheet;
  sheet.title = "Week 3";
  sheet.instructions = "Lowest terms.\r\nNo calculators.";
  sheet.key = key;
  sheet.problems = {Text("Add 1/2 and 1/3.", "5/6"),
                    Text("If a= 7  b= 2 calculate:\r\n\r\na\xC2\xB7" "b\r\n", "a\xC2\xB7" "b= 14\r\nok\r\n")};
  return sheet;
}

std::string Plain(const Worksheet& sheet, ExportOptions options = {}) {
  return PlainText(*PrintoutOf(sheet, options));
}

TEST(PlainText, SeparateKeyAfterTheQuestions) {
  EXPECT_EQ(Plain(SmallSheet(KeyPlacement::Separate)),
            "Week 3\r\nLowest terms.\r\nNo calculators.\r\n\r\n"
            "1. Add 1/2 and 1/3.\r\n\r\n"
            "2. If a= 7  b= 2 calculate:\r\n\r\n   a\xC2\xB7" "b\r\n\r\n"
            "Answer key\r\n\r\n"
            "1. 5/6\r\n\r\n"
            "2. a\xC2\xB7" "b= 14\r\n   ok\r\n\r\n");
}

// A problem marked "working" shows the steps of its answer under it in the key; a text
// problem has none to show.
TEST(PlainText, TheKeyShowsTheWorkingOfTheProblemsThatAskForIt) {
  Worksheet sheet;
  sheet.title = "Fractions";
  sheet.key = KeyPlacement::Separate;
  const MadeProblem made = MakeProblem(FractionPairParams{"1/6", "1/10"});
  ASSERT_TRUE(made.texts);
  sheet.problems = {{FractionPairParams{"1/6", "1/10"}, *made.texts, true},
                    {TextParams{}, {"Is 97 prime?", "Yes"}, true}};
  const std::string text = Plain(sheet);
  const std::string key = text.substr(text.find("Answer key"));
  EXPECT_NE(key.find("1. f1 + f2 = 4/15, f1 - f2 = 1/15, f1 \xC2\xB7 f2 = 1/60, f1 / f2 = 5/3\r\n"
                     "   Working:\r\n"
                     "   1/6 + 1/10 = 5/30 + 3/30 = 8/30 = 4/15\r\n"),
            std::string::npos)
      << key;
  EXPECT_NE(key.find("2. Yes\r\n\r\n"), std::string::npos) << "no working for a typed problem";
  sheet.problems[0].working = false;
  EXPECT_EQ(Plain(sheet).find("Working:"), std::string::npos);
}

TEST(PlainText, EmbeddedKeyUnderEachQuestion) {
  EXPECT_EQ(Plain(SmallSheet(KeyPlacement::Embedded)),
            "Week 3\r\nLowest terms.\r\nNo calculators.\r\n\r\n"
            "1. Add 1/2 and 1/3.\r\n   Answer:\r\n   5/6\r\n\r\n"
            "2. If a= 7  b= 2 calculate:\r\n\r\n   a\xC2\xB7" "b\r\n   Answer:\r\n"
            "   a\xC2\xB7" "b= 14\r\n   ok\r\n\r\n");
}

TEST(PlainText, NoKeyAndTheKeyChosenForTheExportOverTheSheets) {
  const std::string none = "Week 3\r\nLowest terms.\r\nNo calculators.\r\n\r\n"
                           "1. Add 1/2 and 1/3.\r\n\r\n"
                           "2. If a= 7  b= 2 calculate:\r\n\r\n   a\xC2\xB7" "b\r\n\r\n";
  EXPECT_EQ(Plain(SmallSheet(KeyPlacement::None)), none);
  EXPECT_EQ(Plain(SmallSheet(KeyPlacement::Separate), {KeyPlacement::None, ""}), none);
}

TEST(PlainText, TwoDigitNumbersIndentByTheirOwnWidth) {
  Worksheet sheet;
  sheet.key = KeyPlacement::Embedded;
  for (int i = 1; i <= 10; ++i) sheet.problems.push_back(Text("q\r\nr", "a"));
  const std::string text = Plain(sheet);
  EXPECT_EQ(text.rfind("\r\n\r\n", 0), 0u) << "an empty title and no instructions: two empty lines";
  EXPECT_NE(text.find("\r\n9. q\r\n   r\r\n   Answer:\r\n   a\r\n\r\n10. q\r\n    r\r\n"
                      "    Answer:\r\n    a\r\n\r\n"),
            std::string::npos)
      << text;
}

TEST(PlainText, EachVersionInTurnWithItsCodeInItsHeadings) {
  Worksheet sheet = SmallSheet(KeyPlacement::Separate);
  sheet.instructions.clear();
  sheet.versions = {{"A", {Text("q1", "a1")}}, {"B", {Text("q2", "a2")}}};
  const std::string a = "Week 3 - Version A\r\n\r\n1. q1\r\n\r\nAnswer key - Version A\r\n\r\n1. a1\r\n\r\n";
  const std::string b = "Week 3 - Version B\r\n\r\n1. q2\r\n\r\nAnswer key - Version B\r\n\r\n1. a2\r\n\r\n";
  EXPECT_EQ(Plain(sheet), a + b);
  EXPECT_EQ(Plain(sheet, {std::nullopt, "B"}), b);
  EXPECT_FALSE(PrintoutOf(sheet, {std::nullopt, "C"}));
  EXPECT_FALSE(PrintoutOf(SmallSheet(KeyPlacement::None), {std::nullopt, "A"}))
      << "a sheet without versions has no version A";

  sheet.title.clear();
  EXPECT_EQ(Plain(sheet, {std::nullopt, "A"}).rfind("Version A\r\n\r\n1. q1\r\n", 0), 0u)
      << "an untitled sheet's heading is the version alone, not \" - Version A\"";
}

TEST(Gift, EssayQuestionsWithTheAnswerAsFeedbackAndEscapes) {
  Worksheet sheet = SmallSheet(KeyPlacement::None);
  sheet.title = "Set {1}: #2";
  sheet.problems.push_back(Text("a~b = c\\d", ""));
  EXPECT_EQ(GiftText(*PrintoutOf(sheet)),
            "::Set \\{1\\}\\: \\#2 1::Add 1/2 and 1/3.{####5/6}\r\n"
            "\r\n"
            "::Set \\{1\\}\\: \\#2 2::If a\\= 7  b\\= 2 calculate\\:\\n\\na\xC2\xB7" "b"
            "{####a\xC2\xB7" "b\\= 14\\nok}\r\n"
            "\r\n"
            "::Set \\{1\\}\\: \\#2 3::a\\~b \\= c\\\\d{}\r\n");
}

TEST(Gift, CombinedOperationsAreShortAnswersAcceptingTheExactValue) {
  Worksheet sheet;
  sheet.title = "Mixed";
  for (const ProblemParams& params :
       {ProblemParams{IntegerCombinedParams{"a/b", {1, 3}, 2}},
        ProblemParams{FractionCombinedParams{"a+b", {"1/2", "1/3"}}},
        ProblemParams{PolynomialCombinedParams{"A*A", {"x+1"}}}})
    sheet.problems.push_back({params, *MakeProblem(params).texts, false, {}});
  EXPECT_EQ(GiftText(*PrintoutOf(sheet)),
            "::Mixed 1::If   a\\= 1  b\\= 3, calculate a/b{=1/3}\r\n\r\n"
            "::Mixed 2::If  a \\= 1/2, b \\= 1/3, calculate a+b{=5/6}\r\n\r\n"
            "::Mixed 3::Calculate A*A , being\\:  \\n  A\\= x+1{=x^2+2x+1}\r\n");
}

struct ValueRow {
  const char* why;
  std::string_view kind;
  std::vector<std::string> answer;
  std::optional<std::string> value;
};

TEST(Gift, TheExactValueOfEachCombinedAnswer) {
  const ValueRow rows[] = {
      {"integers: the fraction, not its decimals", "integer-combined", {"a/b = 1/3 = 1/3 = 0.33"}, "1/3"},
      {"fractions with a list", "fraction-combined", {"a+b = (1/2)+(1/3) = 5/6"}, "5/6"},
      {"fractions without a list", "fraction-combined", {"1/2+1/3 = 5/6"}, "5/6"},
      {"polynomials", "polynomial-combined", {"A*A = x^2+2x+1", "Working:"}, "x^2+2x+1"},
      {"an edited answer that lost its parts", "integer-combined", {"1/3"}, std::nullopt},
      {"an empty value", "fraction-combined", {"a+b = "}, std::nullopt},
      {"no answer", "fraction-combined", {}, std::nullopt},
      {"another kind", "fraction-pair", {"f1 + f2 = 5/4"}, std::nullopt},
  };
  for (const ValueRow& row : rows) {
    SCOPED_TRACE(row.why);
    PrintedProblem p;
    p.kind = row.kind;
    p.answer = row.answer;
    EXPECT_EQ(ExactValue(p), row.value);
  }
}

struct LatexRow {
  const char* why;
  const char* text;
  const char* latex;
};

TEST(Latex, EscapesSpecialCharactersKeepsBlanksAndMapsTheRest) {
  const LatexRow rows[] = {
      {"the special characters", "#$%&", "\\#\\$\\%\\&"},
      {"signs the text font lacks or sets otherwise", "\\{}_~^<>|\"",
       "{\\ttfamily\\char92}{\\ttfamily\\char123}{\\ttfamily\\char125}{\\ttfamily\\char95}"
       "{\\ttfamily\\char126}{\\ttfamily\\char94}{\\ttfamily\\char60}{\\ttfamily\\char62}"
       "{\\ttfamily\\char124}{\\ttfamily\\char34}"},
      {"no ligatures", "--'`!?,", "-{}-{}'{}`{}!{}?{},{}"},
      {"a polynomial may break after +", "x+1", "x+\\allowbreak{}1"},
      {"blanks kept at the start and in a row", "  a  b c", "~~a ~b c"},
      {"the middle dot of products", "a\xC2\xB7" "b", "a$\\cdot$b"},
      {"accented letters", "\xC3\xA9\xC3\xB1\xC3\xAF", "\\'{e}\\~{n}\\\"{\\i}"},
      {"a digit of basis 200", "\xC3\xBF", "\\\"{y}"},
      {"the euro sign has no command in the basic fonts", "\xE2\x82\xAC", "\\texttt{[U+20AC]}"},
      {"a character beyond the tables", "\xE2\x88\x91", "\\texttt{[U+2211]}"},
      {"a byte that is not UTF-8", "a\xFF" "b", "a\\texttt{[U+FFFD]}b"},
      {"control characters dropped, a tab a blank", "a\x01\tb", "a b"},
  };
  for (const LatexRow& row : rows) {
    SCOPED_TRACE(row.why);
    EXPECT_EQ(LatexLine(row.text), row.latex);
  }
}

// Every character a text of the program can hold: the digits of every basis up to 201
// (the characters of Windows-1252 from '[' on), the middle dot, the quotes of a teacher.
std::string EveryDigitCharacter() {
  std::string text;
  for (char c = '!'; c <= '~'; ++c) text += c;
  text += " ";
  // Latin-1 supplement, U+00A0 to U+00FF, as UTF-8.
  for (unsigned cp = 0xA0; cp <= 0xFF; ++cp) {
    text += static_cast<char>(0xC0 | (cp >> 6));
    text += static_cast<char>(0x80 | (cp & 0x3F));
  }
  // The printable characters of Windows-1252 at 0x80 to 0x9F.
  text += "\xE2\x82\xAC\xE2\x80\x9A\xC6\x92\xE2\x80\x9E\xE2\x80\xA6\xE2\x80\xA0\xE2\x80\xA1"
          "\xCB\x86\xE2\x80\xB0\xC5\xA0\xE2\x80\xB9\xC5\x92\xC5\xBD\xE2\x80\x98\xE2\x80\x99"
          "\xE2\x80\x9C\xE2\x80\x9D\xE2\x80\xA2\xE2\x80\x93\xE2\x80\x94\xCB\x9C\xE2\x84\xA2"
          "\xC5\xA1\xE2\x80\xBA\xC5\x93\xC5\xBE\xC5\xB8";
  return text;
}

std::string Output(const std::string& command) {
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    if (pclose(pipe) != 0) output = "FAILED: " + output;
  }
  return output;
}

TEST(Latex, CompilesWithPdflatexAloneAndHoldsTheTextsInOrder) {
  if (std::system("command -v pdflatex >/dev/null && command -v pdftotext >/dev/null") != 0)
    GTEST_SKIP() << "pdflatex or pdftotext is not installed (scripts/test installs them)";
  for (const int columns : {1, 2}) {
    SCOPED_TRACE(columns);
    Worksheet sheet = SmallSheet(KeyPlacement::Separate);
    sheet.columns = columns;
    sheet.page = columns == 2 ? PageSize::Letter : PageSize::A4;
    sheet.problems.push_back(Text(EveryDigitCharacter(), "A/B:  Q= x R= 0\r\n    indented"));
    sheet.problems.push_back(
        {PolynomialPairParams{"x^3-x", "x^2-1"}, *MakeProblem(PolynomialPairParams{"x^3-x", "x^2-1"}).texts, false, {}});
    test::TempFolder folder;
    test::WriteBytes(folder.File("sheet.tex"), LatexText(*PrintoutOf(sheet)));
    const std::string log = Output("cd '" + folder.File("") +
                                "' && pdflatex -interaction=nonstopmode -halt-on-error sheet.tex 2>&1");
    ASSERT_EQ(log.rfind("FAILED", 0), std::string::npos) << log.substr(log.size() > 3000 ? log.size() - 3000 : 0);
    EXPECT_EQ(log.find("Missing character"), std::string::npos);
    // Blanks as pdftotext lays them out: one for any run.
    std::string text;
    for (char c : Output("pdftotext -layout '" + folder.File("sheet.pdf") + "' -"))
      if (c != ' ' || text.empty() || text.back() != ' ') text += c;
    const std::string pageSize = Output("pdfinfo '" + folder.File("sheet.pdf") + "'");
    EXPECT_NE(pageSize.find(columns == 2 ? "612 x 792" : "595.276 x 841.89"), std::string::npos) << pageSize;
    std::size_t at = 0;
    for (const char* expected :
         {"Week 3", "Lowest terms.", "Name: ____ Date: ____", "1.", "Add 1/2 and 1/3.", "2.",
          "If a= 7 b= 2 calculate:", "a\xC2\xB7" "b", "For the poynomials", "A: x^3-x B: x^2-1",
          "Answer key", "5/6", "A/B: Q= x R= 0", "LCM(A,B)= x^3-x"}) {
      const std::size_t found = text.find(expected, at);
      EXPECT_NE(found, std::string::npos) << "\"" << expected << "\" in order in\n" << text;
      if (found != std::string::npos) at = found;
    }
  }
}

}  // namespace
}  // namespace tessaro
