#include "worksheets/sheetfile.h"

#include "problems/testfiles.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaro {
namespace {

// A sheet file with these problems (the text between the brackets of "problems").
std::string SheetWith(const std::string& problems, const std::string& more = "") {
  return R"({"format": "tessaro-worksheet", "version": 1, "title": "Week 3",)" + more +
         R"( "problems": [)" + problems + "]}";
}

struct RefusalRow {
  const char* why;
  std::string bytes;
  std::string message;
};

TEST(SheetFile, RefusesWithOneMessageNamingFileProblemAndField) {
  const std::string pair = R"({"kind": "integer-pair", "params": {"a": 7, "b": 2, "decimals": 2}})";
  const RefusalRow rows[] = {
      {"not JSON", "{\"format\": ", "w.tsheet: not a worksheet: not JSON text in UTF-8 (at byte 12)"},
      {"bytes that are not UTF-8 inside a text",
       SheetWith("", R"( "instructions": ")" "\xFF" R"(",)"),
       "w.tsheet: not a worksheet: not JSON text in UTF-8 (at byte 83)"},
      {"a number beyond a double", SheetWith("", R"( "seed": 1e400,)"),
       "w.tsheet: not a worksheet: it holds a number too large to read"},
      {"a list, not an object", "[]",
       "w.tsheet: not a Tessaro worksheet (no { ... } around it)"},
      {"another format", R"({"format": "tessaro-tools", "version": 1, "problems": []})",
       "w.tsheet: not a Tessaro worksheet (field \"format\" must be \"tessaro-worksheet\")"},
      {"no format", R"({"version": 1, "problems": []})",
       "w.tsheet: not a Tessaro worksheet (field \"format\" must be \"tessaro-worksheet\")"},
      {"a newer version", R"({"format": "tessaro-worksheet", "version": 2, "problems": []})",
       "w.tsheet: field \"version\": the file is of a newer version than this program reads "
       "(1); a newer Tessaro opens it"},
      {"version 0", R"({"format": "tessaro-worksheet", "version": 0, "problems": []})",
       "w.tsheet: field \"version\": must be a whole number from 1"},
      {"version as a text", R"({"format": "tessaro-worksheet", "version": "1", "problems": []})",
       "w.tsheet: field \"version\": must be a whole number from 1"},
      {"no problems", R"({"format": "tessaro-worksheet", "version": 1})",
       "w.tsheet: field \"problems\": is missing"},
      {"problems not a list", SheetWith("").replace(SheetWith("").find('['), 2, "{}"),
       "w.tsheet: field \"problems\": must be a list [ ... ]"},
      {"three columns", SheetWith("", R"( "columns": 3,)"), "w.tsheet: field \"columns\": must be 1 or 2"},
      {"an unknown key placement", SheetWith("", R"( "key": "after",)"),
       "w.tsheet: field \"key\": must be \"separate\", \"embedded\" or \"none\""},
      {"a negative seed", SheetWith("", R"( "seed": -1,)"),
       "w.tsheet: field \"seed\": must be a whole number from 0 to 18446744073709551615"},
      {"an unknown page", SheetWith("", R"( "page": "a5",)"),
       "w.tsheet: field \"page\": must be \"a4\" or \"letter\""},
      {"a title that is a number", SheetWith("", R"( "instructions": 5,)"),
       "w.tsheet: field \"instructions\": must be a text in double quotes"},
      {"a misspelt field", SheetWith("", R"( "colums": 2,)"),
       "w.tsheet: field \"colums\": is not a field of a worksheet"},
      {"a problem that is not an object", SheetWith(pair + ", 5"),
       "w.tsheet: problem 2: must be an object { ... }"},
      {"an unknown kind", SheetWith(R"({"kind": "integer", "params": {}})"),
       "w.tsheet: problem 1, field \"kind\": \"integer\" is not a kind of problem"},
      {"no kind", SheetWith(R"({"params": {}})"), "w.tsheet: problem 1, field \"kind\": is missing"},
      {"no params", SheetWith(R"({"kind": "fraction-pair"})"),
       "w.tsheet: problem 1, field \"params\": is missing"},
      {"a missing param", SheetWith(pair + R"(, {"kind": "fraction-pair", "params": {"f1": "1/2"}})"),
       "w.tsheet: problem 2, field \"f2\": is missing"},
      {"a param of another kind",
       SheetWith(R"({"kind": "polynomial-pair", "params": {"a": "x", "b": "x", "c": "x"}})"),
       "w.tsheet: problem 1, field \"c\": is not a field of the params of polynomial-pair"},
      {"an integer that is a fraction",
       SheetWith(R"({"kind": "integer-pair", "params": {"a": 1.5, "b": 2, "decimals": 2}})"),
       "w.tsheet: problem 1, field \"a\": must be an integer from -2147483648 to 2147483647"},
      {"an integer beyond 32 bits",
       SheetWith(R"({"kind": "integer-pair", "params": {"a": 2147483648, "b": 2, "decimals": 2}})"),
       "w.tsheet: problem 1, field \"a\": must be an integer from -2147483648 to 2147483647"},
      {"an exponent the window does not offer",
       SheetWith(R"({"kind": "integer-single", "params": {"n": 5, "exponent": 10, "basis": 12}})"),
       "w.tsheet: problem 1, field \"exponent\": must be from 2 to 9"},
      {"a list item that is a text",
       SheetWith(R"({"kind": "integer-list", "params": {"numbers": [4, "6"]}})"),
       "w.tsheet: problem 1, field \"numbers\": item 2 must be an integer"},
      {"a list of one number", SheetWith(R"({"kind": "integer-list", "params": {"numbers": [4]}})"),
       "w.tsheet: problem 1, field \"numbers\": must hold from 2 to 23 items"},
      {"a fraction the window refuses",
       SheetWith(R"({"kind": "fraction-pair", "params": {"f1": "1/2", "f2": "3/0"}})"),
       "w.tsheet: problem 1, field \"f2\": has denominator 0"},
      {"a polynomial the window refuses",
       SheetWith(R"({"kind": "polynomial-single", "params": {"p": "1+x", "x": "1"}})"),
       "w.tsheet: problem 1, field \"p\": is not a rational polynomial"},
      {"a combined operation that fails, texts present or not",
       SheetWith(R"({"kind": "fraction-combined", "params": {"expression": "a/0", "fractions": ["1/2"]},
                   "question": "q", "answer": "a"})"),
       "w.tsheet: problem 1, field \"expression\": cannot be calculated"},
      {"an expression longer than a field takes",
       SheetWith(R"({"kind": "polynomial-combined", "params": {"expression": ")" +
                 std::string(1001, 'A') + R"(", "polynomials": ["x"]}})"),
       "w.tsheet: problem 1, field \"expression\": is longer than 1000 characters"},
      {"a text problem without its answer",
       SheetWith(R"({"kind": "text", "question": "Find x"})"),
       "w.tsheet: problem 1, field \"answer\": is missing (a text problem has only its texts)"},
      {"a text problem with params", SheetWith(R"({"kind": "text", "params": {"a": 1}})"),
       "w.tsheet: problem 1, field \"a\": is not a field of the params of text"},
      {"a question that is not a text",
       SheetWith(R"({"kind": "text", "question": ["a"], "answer": ""})"),
       "w.tsheet: problem 1, field \"question\": must be a text in double quotes"},
      {"working that is not true or false", SheetWith(pair.substr(0, pair.size() - 1) + R"(, "working": 1})"),
       "w.tsheet: problem 1, field \"working\": must be true or false"},
      {"a version code of two letters",
       SheetWith("", R"( "versions": [{"code": "AB", "problems": []}],)"),
       "w.tsheet: field \"code\": \"AB\" must be one capital letter A to Z"},
      {"a version twice",
       SheetWith("", R"( "versions": [{"code": "A", "problems": []}, {"code": "A", "problems": []}],)"),
       "w.tsheet: field \"code\": version A is there twice"},
      {"a version's problem refused",
       SheetWith("", R"( "versions": [{"code": "B", "problems": [)" + pair + R"(, {"kind": "x"}]}],)"),
       "w.tsheet: version B, problem 2, field \"kind\": \"x\" is not a kind of problem"},
      {"a number beyond 32 bits in a text param",
       SheetWith(R"({"kind": "fraction-pair", "params": {"f1": "99999999999", "f2": "1"}})"),
       "w.tsheet: problem 1, field \"params\": '99999999999' is not a valid integer value"},
  };
  for (const RefusalRow& row : rows) {
    SCOPED_TRACE(row.why);
    const SheetRead read = ParseSheet(row.bytes, "w.tsheet");
    EXPECT_FALSE(read.sheet.has_value());
    EXPECT_EQ(read.error, row.message);
  }
}

// A sheet of one problem of `kind` with these params and ranges (the text of the object).
std::string WithRanges(const std::string& kind, const std::string& params, const std::string& ranges) {
  return SheetWith(R"({"kind": ")" + kind + R"(", "params": )" + params + R"(, "ranges": )" + ranges + "}");
}

TEST(SheetFile, RefusesRangesThatDoNotReadOrCannotHold) {
  const std::string pair = R"({"a": 7, "b": 2, "decimals": 2})";
  const std::string pol = R"({"p": "x^2-1", "x": "0"})";
  const std::string prefix = "w.tsheet: problem 1, field \"ranges\": ";
  const struct {
    const char* why;
    std::string bytes;
    std::string message;  // after the prefix
  } rows[] = {
      {"not an object", WithRanges("integer-pair", pair, "[1, 10]"), "must be an object { ... }"},
      {"a misspelt range", WithRanges("integer-pair", pair, R"({"maximum": 10})"),
       "maximum is not a field of ranges"},
      {"a number as a text", WithRanges("integer-pair", pair, R"({"min": "1"})"),
       "min must be a whole number from -2147483646 to 2147483646"},
      {"a fraction", WithRanges("integer-pair", pair, R"({"max": 2.5})"),
       "max must be a whole number from -2147483646 to 2147483646"},
      {"Long_Max + 1 is beyond every range", WithRanges("integer-pair", pair, R"({"max": 2147483647})"),
       "max must be a whole number from -2147483646 to 2147483646"},
      {"beyond 64 bits", WithRanges("integer-pair", pair, R"({"min": -99999999999999999999})"),
       "min must be a whole number from -2147483646 to 2147483646"},
      {"the lowest 64-bit number", WithRanges("integer-pair", pair, R"({"min": -9223372036854775808})"),
       "min must be a whole number from -2147483646 to 2147483646"},
      {"the highest 64-bit number", WithRanges("integer-pair", pair, R"({"max": 18446744073709551615})"),
       "max must be a whole number from -2147483646 to 2147483646"},
      {"a flag that is a number", WithRanges("fraction-pair", R"({"f1": "1/2", "f2": "1/3"})", R"({"proper": 1})"),
       "proper must be true or false"},
      {"a pair of one number", WithRanges("polynomial-single", pol, R"({"degree": [3]})"),
       "degree must be a pair [lo, hi] of whole numbers from -2147483646 to 2147483646"},
      {"a pair that is a text", WithRanges("polynomial-single", pol, R"({"coef": "-8..8"})"),
       "coef must be a pair [lo, hi] of whole numbers from -2147483646 to 2147483646"},
      {"a pair with a text inside", WithRanges("polynomial-single", pol, R"({"lead": [1, "9"]})"),
       "lead must be a pair [lo, hi] of whole numbers from -2147483646 to 2147483646"},
      {"min above max", WithRanges("integer-pair", pair, R"({"min": 5, "max": 3})"),
       "max is below min (3 < 5)"},
      {"min above the default max", WithRanges("integer-single", R"({"n": 5, "exponent": 2, "basis": 12})", R"({"min": 50})"),
       "max is below min (10 < 50)"},
      {"a degree above 9", WithRanges("polynomial-combined", R"({"expression": "A", "polynomials": ["x"]})",
                                      R"({"degree": [1, 10]})"),
       "degree must lie within 0 to 9"},
      {"nine divisions", WithRanges("integer-pair", pair, R"({"max": 100, "euclid_steps": 9})"),
       "euclid_steps must be from 1 to 8"},
      {"a range of another kind", WithRanges("integer-list", R"({"numbers": [4, 6]})", R"({"degree": [1, 2]})"),
       "degree is not a range of integer-list problems"},
      {"a text problem has none", SheetWith(R"({"kind": "text", "question": "q", "answer": "a", "ranges": {"min": 1}})"),
       "min is not a range of text problems"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    const SheetRead read = ParseSheet(row.bytes, "w.tsheet");
    EXPECT_FALSE(read.sheet.has_value());
    EXPECT_EQ(read.error, prefix + row.message);
  }
  // A version's problem is named by its version too.
  EXPECT_EQ(ParseSheet(SheetWith("", R"( "versions": [{"code": "B", "problems": [{"kind": "integer-pair", "params": )" +
                                         pair + R"(, "ranges": {"min": 3, "max": 1}}]}],)"),
                       "w.tsheet")
                .error,
            "w.tsheet: version B, problem 1, field \"ranges\": max is below min (1 < 3)");
}

TEST(SheetFile, ReadsEachTypeOfRangeAndWritesOnlyTheFieldsSet) {
  const SheetRead read = ParseSheet(
      SheetWith(R"({"kind": "integer-pair", "params": {"a": 7, "b": 2, "decimals": 2},
                   "ranges": {"max": 1000, "euclid_steps": 5}},
                  {"kind": "polynomial-pair", "params": {"a": "x", "b": "x+1"},
                   "ranges": {"degree": [1, 4], "int_roots": true, "roots": [-3, 3], "common_factor": true}},
                  {"kind": "fraction-pair", "params": {"f1": "1/2", "f2": "1/3"}, "ranges": {}})"),
      "r.tsheet");
  ASSERT_TRUE(read.sheet) << read.error;
  Ranges euclid;
  euclid.max = 1000;
  euclid.euclid_steps = 5;
  EXPECT_EQ(read.sheet->problems[0].ranges, euclid);
  Ranges roots;
  roots.degree = IntRange{1, 4};
  roots.int_roots = true;
  roots.roots = IntRange{-3, 3};
  roots.common_factor = true;
  EXPECT_EQ(read.sheet->problems[1].ranges, roots);
  EXPECT_EQ(read.sheet->problems[2].ranges, Ranges{}) << "an empty object: every default";

  const std::string json = SheetJson(*read.sheet);
  EXPECT_NE(json.find("\"ranges\": {\r\n        \"max\": 1000,\r\n        \"euclid_steps\": 5\r\n      },"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("\"degree\": [\r\n          1,\r\n          4\r\n        ],"), std::string::npos) << json;
  const std::size_t third = json.find("fraction-pair");
  EXPECT_EQ(json.find("\"ranges\"", third), std::string::npos) << "no ranges set, none written";
}

TEST(SheetFile, AFileLargerThanAnySheetIsRefusedUnread) {
  const std::string huge(MaxSheetBytes + 1, ' ');
  EXPECT_EQ(ParseSheet(huge, "big.tsheet").error, "big.tsheet: larger than 16 MB: not a worksheet");
}

struct KindRow {
  const char* kind;
  const char* params;  // as the file writes them
  ProblemParams expected;
};

// A problem without texts gets exactly what MakeProblem makes of the same params, that is
// what the window shows; the params read are the ones written.
TEST(SheetFile, TextsAbsentAreMadeFromTheParamsOfEachKind) {
  const KindRow rows[] = {
      {"integer-single", R"({"n": 12, "exponent": 2, "basis": 12})", IntegerSingleParams{12, 2, 12}},
      {"integer-pair", R"({"a": -7, "b": 2, "decimals": 3})", IntegerPairParams{-7, 2, 3}},
      {"integer-list", R"({"numbers": [12, 18, 30]})", IntegerListParams{{12, 18, 30}}},
      {"integer-combined", R"({"expression": "a+b*2", "numbers": [12, 18, 5], "decimals": 2})",
       IntegerCombinedParams{"a+b*2", {12, 18, 5}, 2}},
      {"fraction-pair", R"({"f1": "2/4", "f2": "3/4"})", FractionPairParams{"2/4", "3/4"}},
      {"fraction-combined", R"({"expression": "a+c", "fractions": ["1/2", "3/4", "5/6"]})",
       FractionCombinedParams{"a+c", {"1/2", "3/4", "5/6"}}},
      {"polynomial-single", R"({"p": "x^2-1", "x": "1/2"})", PolynomialSingleParams{"x^2-1", "1/2"}},
      {"polynomial-pair", R"({"a": "x^3-x", "b": "x^2-1"})", PolynomialPairParams{"x^3-x", "x^2-1"}},
      {"polynomial-combined", R"({"expression": "A*C", "polynomials": ["x", "x+1", "2"]})",
       PolynomialCombinedParams{"A*C", {"x", "x+1", "2"}}},
  };
  for (const KindRow& row : rows) {
    SCOPED_TRACE(row.kind);
    const std::string problem =
        std::string(R"({"kind": ")") + row.kind + R"(", "params": )" + row.params + "}";
    const SheetRead read = ParseSheet(SheetWith(problem), "k.tsheet");
    ASSERT_TRUE(read.sheet) << read.error;
    ASSERT_EQ(read.sheet->problems.size(), 1u);
    const SheetProblem& p = read.sheet->problems[0];
    EXPECT_EQ(p.params, row.expected);
    const MadeProblem made = MakeProblem(row.expected);
    ASSERT_TRUE(made.texts);
    EXPECT_EQ(p.texts, *made.texts);
    EXPECT_FALSE(p.texts.Enun.empty());
    EXPECT_FALSE(p.working);
  }
}

TEST(SheetFile, PresentTextsAreKeptAndOnlyTheMissingOneIsMade) {
  const SheetRead read = ParseSheet(
      SheetWith(R"({"kind": "integer-pair", "params": {"a": 7, "b": 2, "decimals": 2},
                  "question": "What is 7 times 2?", "working": true},
                 {"kind": "text", "question": "Name a prime.", "answer": ""})"),
      "t.tsheet");
  ASSERT_TRUE(read.sheet) << read.error;
  const SheetProblem& edited = read.sheet->problems[0];
  EXPECT_EQ(edited.texts.Enun, "What is 7 times 2?");
  EXPECT_EQ(edited.texts.Resp, MakeProblem(IntegerPairParams{7, 2, 2}).texts->Resp);
  EXPECT_TRUE(edited.working);
  EXPECT_EQ(read.sheet->problems[1].texts, (TPrbl{"Name a prime.", ""}));
}

TEST(SheetFile, TheDefaultsOfAShortFile) {
  const SheetRead read = ParseSheet(R"({"format": "tessaro-worksheet", "version": 1, "problems": []})", "d");
  ASSERT_TRUE(read.sheet) << read.error;
  EXPECT_EQ(*read.sheet, Worksheet{});
}

Worksheet EverythingSheet() {
  Worksheet sheet;
  sheet.title = "Fractions, week 3 \xC2\xB7 \"quoted\"";
  sheet.instructions = "Give every answer in lowest terms.\r\nShow your work.";
  sheet.columns = 2;
  sheet.key = KeyPlacement::Embedded;
  sheet.seed = 18446744073709551615u;
  sheet.page = PageSize::Letter;
  sheet.problems = {
      {FractionPairParams{"1/2", "3/4"}, *MakeProblem(FractionPairParams{"1/2", "3/4"}).texts, true, {}},
      {IntegerListParams{{4, 6}}, {"edited\r\nquestion", "edited answer"}, false, {}},
      {TextParams{}, {"Name a prime.", "7"}, false, {}},
  };
  sheet.problems[0].ranges.max_den = 12;
  sheet.problems[0].ranges.proper = true;
  sheet.problems[1].ranges.min = -2147483646;
  sheet.problems[1].ranges.max = 2147483646;
  sheet.versions = {{"A", {sheet.problems[2]}}, {"B", {sheet.problems[0], sheet.problems[1]}}};
  // A version's problem may carry ranges too: they read and write as the sheet's own.
  sheet.versions[1].problems[1].ranges.max = 40;
  Ranges pol;
  pol.degree = IntRange{0, 9};
  pol.coef = IntRange{-2147483646, 2147483646};
  pol.int_roots = false;
  pol.point = IntRange{-1, 1};
  sheet.problems.push_back({PolynomialSingleParams{"x", "2"}, *MakeProblem(PolynomialSingleParams{"x", "2"}).texts,
                            false, pol});
  return sheet;
}

TEST(SheetFile, WritesEveryFieldAndReadsBackTheSameSheet) {
  const Worksheet sheet = EverythingSheet();
  const std::string json = SheetJson(sheet);
  EXPECT_EQ(json.rfind("{\r\n  \"format\": \"tessaro-worksheet\",\r\n  \"version\": 1,\r\n", 0), 0u)
      << json;
  EXPECT_EQ(json.find('\n'), json.find("\r\n") + 1) << "CR LF line ends";
  const SheetRead read = ParseSheet(json, "r.tsheet");
  ASSERT_TRUE(read.sheet) << read.error;
  EXPECT_EQ(*read.sheet, sheet);
  EXPECT_EQ(SheetJson(*read.sheet), json);
}

TEST(SheetFile, SavesInOneStepAndReadsTheFileBack) {
  test::TempFolder folder;
  const std::string path = folder.File("week.tsheet");
  ASSERT_TRUE(WriteSheet(path, EverythingSheet()));
  const SheetRead read = ReadSheet(path);
  ASSERT_TRUE(read.sheet) << read.error;
  EXPECT_EQ(*read.sheet, EverythingSheet());
  EXPECT_EQ(folder.Entries(), 1) << "no file left beside it";

  EXPECT_EQ(ReadSheet(folder.File("none.tsheet")).error,
            "Cannot open file " + folder.File("none.tsheet"));
  EXPECT_FALSE(WriteSheet(folder.File("no/such/folder.tsheet"), EverythingSheet()));
}

}  // namespace
}  // namespace tessaro
