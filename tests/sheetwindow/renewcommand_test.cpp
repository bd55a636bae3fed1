// tessaro --new-numbers, --versions and --export --version, run as a user's script runs
// them, and the versions' codes in the headings of every export.

#include "harness/program.h"
#include "worksheets/sheetfile.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tessaro {
namespace {

// The sheet of the README's example: three problems, two with ranges.
constexpr const char* Week = R"({"format": "tessaro-worksheet", "version": 1, "title": "Week 3", "problems": [
  {"kind": "fraction-pair", "params": {"f1": "1/2", "f2": "3/4"}, "ranges": {"max_num": 9, "max_den": 12, "proper": true}},
  {"kind": "integer-pair", "params": {"a": 84, "b": 36, "decimals": 2}, "ranges": {"min": 10, "max": 200, "euclid_steps": 3}},
  {"kind": "text", "question": "Name a prime.", "answer": "7"}
]})";

// A problem whose every draw overflows: 200^9 is beyond Long_Max.
constexpr const char* Overflowing = R"({"format": "tessaro-worksheet", "version": 1, "problems": [
  {"kind": "integer-single", "params": {"n": 5, "exponent": 9, "basis": 12}, "ranges": {"min": 200, "max": 300}}
]})";

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const char* bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

class SheetCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    Write(Path("week.tsheet"), Week);
    Write(Path("over.tsheet"), Overflowing);
  }
  QString Path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
  // The arguments with WEEK, OVER and OUT put for the files, and the run.
  test::Outcome Run(const QStringList& args, const QString& out) const {
    QStringList real;
    for (const QString& a : args)
      real << (a == "WEEK" ? Path("week.tsheet") : a == "OVER" ? Path("over.tsheet") : a == "OUT" ? out
               : a == "NOFOLDER" ? Path("no/x.tsheet") : a);
    return test::Tessaro(real);
  }

  QTemporaryDir dir_;
};

TEST_F(SheetCommands, ExitCodesAndNothingWrittenOnFailure) {
  const struct {
    const char* why;
    QStringList args;
    int exit;
    const char* err;  // a part of standard error
  } rows[] = {
      {"new numbers written", {"--new-numbers", "WEEK", "--seed", "42", "--out", "OUT"}, 0, ""},
      {"versions written, options in any order", {"--versions", "WEEK", "--out", "OUT", "--seed", "0", "--count", "26"}, 0, ""},
      {"the largest seed", {"--new-numbers", "WEEK", "--seed", "18446744073709551615", "--out", "OUT"}, 0, ""},
      {"no sheet", {"--new-numbers", "--seed", "1", "--out", "OUT"}, 2, "--new-numbers needs the sheet file first"},
      {"no seed", {"--new-numbers", "WEEK", "--out", "OUT"}, 2, "--new-numbers needs --seed"},
      {"no count", {"--versions", "WEEK", "--seed", "1", "--out", "OUT"}, 2, "--versions needs --count"},
      {"no out", {"--versions", "WEEK", "--seed", "1", "--count", "3"}, 2, "--versions needs --out"},
      {"a negative seed", {"--new-numbers", "WEEK", "--seed", "-1", "--out", "OUT"}, 2,
       "--seed takes a whole number from 0 to 18446744073709551615"},
      {"a seed beyond 64 bits", {"--new-numbers", "WEEK", "--seed", "18446744073709551616", "--out", "OUT"}, 2,
       "--seed takes a whole number"},
      {"a seed in hexadecimal", {"--versions", "WEEK", "--seed", "0x10", "--count", "2", "--out", "OUT"}, 2,
       "--seed takes a whole number"},
      {"one version", {"--versions", "WEEK", "--seed", "1", "--count", "1", "--out", "OUT"}, 2,
       "--count takes a number of versions from 2 to 26"},
      {"27 versions", {"--versions", "WEEK", "--seed", "1", "--count", "27", "--out", "OUT"}, 2,
       "--count takes a number of versions from 2 to 26"},
      {"a count that is a word", {"--versions", "WEEK", "--seed", "1", "--count", "three", "--out", "OUT"}, 2,
       "--count takes a number"},
      {"an option of another command", {"--new-numbers", "WEEK", "--seed", "1", "--count", "3", "--out", "OUT"}, 2,
       "--new-numbers takes no --count"},
      {"a seed given twice", {"--new-numbers", "WEEK", "--seed", "1", "--seed", "2", "--out", "OUT"}, 2,
       "--seed is given twice"},
      {"a sheet that is not there", {"--versions", "NONE", "--seed", "1", "--count", "2", "--out", "OUT"}, 1,
       "Cannot open file NONE"},
      {"a problem no draw renews", {"--new-numbers", "OVER", "--seed", "1", "--out", "OUT"}, 1,
       "over.tsheet: Problem 1: No new numbers after 1000 draws: "},
      {"versions of it neither", {"--versions", "OVER", "--seed", "1", "--count", "2", "--out", "OUT"}, 1,
       "over.tsheet: Problem 1: No new numbers after 1000 draws: "},
      {"an output that cannot be made", {"--new-numbers", "WEEK", "--seed", "1", "--out", "NOFOLDER"}, 1,
       "Cannot create file "},
  };
  int n = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    const QString out = dir_.filePath(QStringLiteral("out%1.tsheet").arg(++n));
    const test::Outcome run = Run(row.args, out);
    EXPECT_EQ(run.code, row.exit) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(row.err))) << run.err.toStdString();
    EXPECT_EQ(QFile::exists(out), row.exit == 0) << "written exactly when it says so";
  }
  EXPECT_FALSE(QFile::exists(Path("no")));
}

TEST_F(SheetCommands, TheSameSheetAndSeedGiveTheSameFileAndAnotherSeedAnotherOne) {
  for (const QStringList& command : {QStringList{"--new-numbers", "WEEK", "--seed", "S", "--out", "OUT"},
                                     QStringList{"--versions", "WEEK", "--count", "3", "--seed", "S", "--out", "OUT"}}) {
    SCOPED_TRACE(command.first().toStdString());
    QByteArray files[3];
    const char* seeds[3] = {"42", "42", "43"};
    for (int i = 0; i < 3; ++i) {
      QStringList args = command;
      args[args.indexOf("S")] = QString::fromUtf8(seeds[i]);
      const QString out = dir_.filePath(QStringLiteral("run%1.tsheet").arg(i));
      ASSERT_EQ(Run(args, out).code, 0);
      files[i] = Bytes(out);
    }
    EXPECT_FALSE(files[0].isEmpty());
    EXPECT_EQ(files[0], files[1]) << "byte for byte";
    EXPECT_NE(files[0], files[2]);
    const SheetRead read = ParseSheet(files[0].toStdString(), "run0.tsheet");
    ASSERT_TRUE(read.sheet) << read.error;
    EXPECT_EQ(read.sheet->seed, 42u) << "the file keeps the seed its numbers came from";
    EXPECT_EQ(read.sheet->versions.size(), command.first() == "--versions" ? 3u : 0u);
    EXPECT_EQ(read.sheet->problems[0].ranges.max_den, 12) << "the ranges stay";
  }
}

// Where each of `parts` is found in `text`, in order; -1 from the first one missing.
bool InOrder(const QString& text, const QStringList& parts) {
  qsizetype at = 0;
  for (const QString& part : parts) {
    at = text.indexOf(part, at);
    if (at < 0) {
      ADD_FAILURE() << part.toStdString() << " not found in order in:\n" << text.toStdString();
      return false;
    }
  }
  return true;
}

TEST_F(SheetCommands, EveryExportWritesEachVersionWithItsCodeOverItsQuestionsAndItsKey) {
  const QString versions = Path("versions.tsheet");
  ASSERT_EQ(Run({"--versions", "WEEK", "--count", "3", "--seed", "42", "--out", "OUT"}, versions).code, 0);
  const QStringList headings = {"Week 3 - Version A", "Answer key - Version A", "Week 3 - Version B",
                                "Answer key - Version B", "Week 3 - Version C", "Answer key - Version C"};

  const QString txt = Path("v.txt");
  ASSERT_EQ(test::Tessaro({"--export", versions, "--to", "txt", "--out", txt}).code, 0);
  const QString text = QString::fromUtf8(Bytes(txt));
  EXPECT_TRUE(InOrder(text, headings));
  // Each version's key is its own: the answers under "Answer key - Version B" are B's.
  const SheetRead read = ReadSheet(versions.toStdString());
  ASSERT_TRUE(read.sheet) << read.error;
  const std::string bFraction = read.sheet->versions[1].problems[0].texts.Resp;
  const qsizetype keyB = text.indexOf("Answer key - Version B");
  EXPECT_EQ(text.indexOf(QString::fromStdString(bFraction), keyB), text.indexOf("1. ", keyB) + 3);

  const QString tex = Path("v.tex");
  ASSERT_EQ(test::Tessaro({"--export", versions, "--to", "tex", "--out", tex}).code, 0);
  QStringList texHeadings;
  // LaTeX keeps " - " from its ligature as " -{} ".
  for (QString h : headings) texHeadings << "{\\Large\\bfseries " + h.replace(" - ", " -{} ") + "\\par}";
  EXPECT_TRUE(InOrder(QString::fromUtf8(Bytes(tex)), texHeadings));

  const QString gift = Path("v.gift");
  ASSERT_EQ(test::Tessaro({"--export", versions, "--to", "gift", "--out", gift}).code, 0);
  EXPECT_TRUE(InOrder(QString::fromUtf8(Bytes(gift)),
                      {"::Week 3 - Version A 1::", "::Week 3 - Version B 1::", "::Week 3 - Version C 3::"}));

  if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
    const QString pdf = Path("v.pdf");
    ASSERT_EQ(test::Tessaro({"--export", versions, "--to", "pdf", "--out", pdf}).code, 0);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    pdftotext.waitForFinished(30000);
    EXPECT_TRUE(InOrder(QString::fromUtf8(pdftotext.readAllStandardOutput()), headings));
  }

  // One version alone.
  const QString b = Path("b.txt");
  ASSERT_EQ(test::Tessaro({"--export", versions, "--to", "txt", "--out", b, "--version", "B"}).code, 0);
  const QString onlyB = QString::fromUtf8(Bytes(b));
  EXPECT_TRUE(onlyB.startsWith("Week 3 - Version B\r\n"));
  EXPECT_TRUE(onlyB.contains("Answer key - Version B"));
  EXPECT_FALSE(onlyB.contains("Version A") || onlyB.contains("Version C"));

  const test::Outcome missing =
      test::Tessaro({"--export", versions, "--to", "txt", "--out", Path("d.txt"), "--version", "D"});
  EXPECT_EQ(missing.code, 1);
  EXPECT_TRUE(missing.err.contains("The sheet has no version D (it has A to C)")) << missing.err.toStdString();
  const test::Outcome none = test::Tessaro({"--export", Path("week.tsheet"), "--to", "txt", "--out", Path("e.txt"),
                                            "--version", "A"});
  EXPECT_EQ(none.code, 1);
  EXPECT_TRUE(none.err.contains("The sheet has no version A (it has no versions)")) << none.err.toStdString();
  const test::Outcome lower =
      test::Tessaro({"--export", versions, "--to", "txt", "--out", Path("f.txt"), "--version", "b"});
  EXPECT_EQ(lower.code, 2);
  EXPECT_TRUE(lower.err.contains("--version takes a version's code, a capital letter A to Z"));
  for (const char* name : {"d.txt", "e.txt", "f.txt"}) EXPECT_FALSE(QFile::exists(Path(name))) << name;
}

TEST_F(SheetCommands, HelpListsTheCommands) {
  const test::Outcome run = test::Tessaro({QStringLiteral("--help")});
  EXPECT_EQ(run.code, 0);
  for (const char* line : {"tessaro --new-numbers SHEET --seed S --out OUT.tsheet",
                           "tessaro --versions SHEET --count K --seed S --out OUT.tsheet",
                           "--out FILE [--key separate|embedded|none] [--version CODE]"})
    EXPECT_TRUE(run.out.contains(QString::fromUtf8(line))) << line;
}

}  // namespace
}  // namespace tessaro
