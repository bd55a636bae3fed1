// The words of sheets, of their files' refusals and of the renewal in another language: the
// words go through the translator; numbers, keys of the file, kinds and codes are put in as
// the program writes them.

#include "pseudolanguage.h"
#include "renewal/rangestest.h"
#include "renewal/renew.h"
#include "worksheets/rangesform.h"
#include "worksheets/renewsheet.h"
#include "worksheets/sheetfile.h"
#include "worksheets/writers.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tessaro {
namespace {

using test::Ints;

SheetProblem Text(const std::string& question, const std::string& answer) {
  return {TextParams{}, {question, answer}, false, {}};
}

// A sheet of one text problem in two versions, B and C.
Worksheet Versioned(KeyPlacement key) {
  Worksheet sheet;
  sheet.title = "Week 3";
  sheet.key = key;
  sheet.problems = {Text("q", "a")};
  sheet.versions = {{"B", {Text("q", "a")}}, {"C", {Text("q", "a")}}};
  return sheet;
}

std::string Refusal(const std::string& json) { return ParseSheet(json, "s.tsheet").error; }

std::string Message(const ProblemParams& params, const Ranges& ranges) {
  Stream stream(11);
  return Renew(params, ranges, stream).message;
}

struct WordsRow {
  const char* why;
  std::function<std::string()> text;
  const char* translated;
};

TEST(SheetWords, GoThroughTheTranslatorAndKeysNumbersAndCodesStayAsWritten) {
  test::PseudoLanguage pseudo;
  const WordsRow rows[] = {
      {"a version's heading keeps the title and the code",
       [] { return PrintoutOf(Versioned(KeyPlacement::Separate))->copies[0].heading; },
       "Week 3 - ⟦VERSION B⟧"},
      {"the key's heading", [] { return PrintoutOf(Versioned(KeyPlacement::Separate))->copies[1].keyHeading; },
       "⟦ANSWER KEY⟧ - ⟦VERSION C⟧"},
      {"the line of the name and the date keeps its room", [] { return NameDateLine(); },
       "⟦NAME: ____  DATE: ____⟧"},
      {"an answer under its question is headed as a problem file heads it",
       [] { return PlainText(*PrintoutOf(Versioned(KeyPlacement::Embedded), {{}, "B"})); },
       "Week 3 - ⟦VERSION B⟧\r\n\r\n1. q\r\n   ⟦ANSWER:⟧\r\n   a\r\n\r\n"},
      {"a file's fault: the place in words, the field and the byte as written",
       [] { return Refusal("{\"format\": 1"); },
       "s.tsheet: ⟦NOT A WORKSHEET: NOT JSON TEXT IN UTF-8 (AT BYTE 13)⟧"},
      {"a field of a problem, its kind and its range",
       [] {
         return Refusal("{\"format\":\"tessaro-worksheet\",\"version\":1,\"problems\":"
                        "[{\"kind\":\"integer-pair\",\"params\":{\"a\":1,\"b\":2,\"decimals\":2},"
                        "\"ranges\":{\"min\":5,\"max\":3}}]}");
       },
       "s.tsheet: ⟦PROBLEM 1⟧, ⟦FIELD \"ranges\"⟧: ⟦max ⟦IS BELOW min (3 < 5)⟧⟧"},
      {"the values a field takes are the file's",
       [] { return Refusal("{\"format\":\"tessaro-worksheet\",\"version\":1,\"key\":\"x\",\"problems\":[]}"); },
       "s.tsheet: ⟦FIELD \"key\"⟧: ⟦MUST BE \"separate\", \"embedded\" OR \"none\"⟧"},
      {"a number of a range that does not read",
       [] { return RefusalText({"min", NotARangeNumber()}); },
       "⟦min ⟦MUST BE A WHOLE NUMBER FROM -2147483646 TO 2147483646⟧⟧"},
      {"a range's label names the polynomials A and B",
       [] { return RangeEntries(PolynomialPairParams{"x", "x"}, {}).back().label; },
       "⟦A AND B SHARE A FACTOR⟧"},
      {"advice keeps the keys of the ranges and its numbers",
       [] { return Message(IntegerListParams{{1, 2, 3, 4, 5}}, Ints(1, 3)); },
       "⟦min TO max (⟦1 TO 3⟧) HOLDS FEWER THAN THE 5 DIFFERENT NUMBERS OF THE LIST. WIDEN min "
       "AND max.⟧"},
      {"a refused problem of a sheet is numbered",
       [] {
         Worksheet sheet;
         sheet.problems = {{IntegerSingleParams{}, {"q", "a"}, false, Ints(5, 3)}};
         return WithNewNumbers(sheet, 1).refusal;
       },
       "⟦PROBLEM 1: ⟦max ⟦IS BELOW min (3 < 5)⟧⟧⟧"},
      {"versions are named by their codes", [] { return VersionSpan(Versioned({}).versions); },
       "⟦B TO C⟧"},
  };
  for (const WordsRow& row : rows) EXPECT_EQ(row.text(), row.translated) << row.why;
}

// A draw beyond degree 9 is told apart by the failure text in the program's language: in
// another one, the advice is still to lower the degree, not that the program refused.
TEST(RenewalWords, TellADegreeAbove9InTheProgramsLanguage) {
  test::PseudoLanguage pseudo;
  Stream stream(11);
  const Renewal renewal = Renew(PolynomialCombinedParams{"A^10", {"x"}}, {}, stream);
  EXPECT_EQ(renewal.field, "degree");
  EXPECT_EQ(renewal.message,
            "⟦NO NEW NUMBERS AFTER 1000 DRAWS: ⟦EVERY DRAW GAVE A RESULT OF DEGREE ABOVE 9 "
            "(\"⟦DEGREE OF RESULT >9⟧\"). LOWER THE TOP OF degree (NOW 8).⟧⟧");
}

}  // namespace
}  // namespace tessaro
