// The files of the Qt layer (PDF, ODT) and the headless tessaro --export, run as a user's
// script runs it.

#include "harness/program.h"
#include "sheetwindow/sheetexport.h"
#include "worksheets/sheetfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tessaro {
namespace {

Worksheet ThreeKinds() {
  Worksheet sheet;
  sheet.title = "Week 3";
  sheet.instructions = "Lowest terms.";
  for (const ProblemParams& p : {ProblemParams{FractionPairParams{"1/2", "3/4"}},
                                 ProblemParams{IntegerListParams{{12, 18}}},
                                 ProblemParams{PolynomialCombinedParams{"A*A", {"x+1"}}}})
    sheet.problems.push_back({p, *MakeProblem(p).texts, false, {}});
  return sheet;
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The text of a PDF as pdftotext reads it, one blank for any run of blanks.
QString PdfText(const QString& path) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  pdftotext.waitForFinished(30000);
  return QString::fromUtf8(pdftotext.readAllStandardOutput()).replace(QRegularExpression(" +"), " ");
}

TEST(SheetExport, PdfHoldsTheTextsInOrderWithTheKeyOnItsOwnPage) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
    GTEST_SKIP() << "pdftotext is not installed (scripts/test installs it)";
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("week.pdf"));
  ASSERT_EQ(ExportSheet(ThreeKinds(), {}, ExportFormat::Pdf, pdf), QString());
  const QString text = PdfText(pdf);
  const QStringList pages = text.split(QChar(u'\f'));
  ASSERT_GE(pages.size(), 2) << text.toStdString();
  qsizetype at = 0;
  for (const char* expected :
       {"Week 3", "Lowest terms.", "Name: ____ Date: ____", "1. If f1= 1/2 and f2= 3/4",
        "2. Calculate the hcd and LCM of 12, 18", "3. Calculate A*A , being:", "A= x+1"}) {
    const qsizetype found = pages[0].indexOf(QString::fromUtf8(expected), at);
    EXPECT_GE(found, 0) << expected << " in order on the first page:\n" << pages[0].toStdString();
    at = std::max<qsizetype>(at, found);
  }
  EXPECT_FALSE(pages[0].contains("Answer key"));
  const QString key = pages.mid(1).join(QString());
  at = 0;
  for (const char* expected : {"Answer key", "1. f1 + f2 = 5/4", "2. hcd(12, 18) = 6",
                               "LCM(12, 18) = 36", "3. A*A = x^2+2x+1"}) {
    const qsizetype found = key.indexOf(QString::fromUtf8(expected), at);
    EXPECT_GE(found, 0) << expected << " in order in the key:\n" << key.toStdString();
    at = std::max<qsizetype>(at, found);
  }
}

TEST(SheetExport, OdtIsAnOpenDocumentTextHoldingTheTexts) {
  QTemporaryDir dir;
  const QString odt = dir.filePath(QStringLiteral("week.odt"));
  ASSERT_EQ(ExportSheet(ThreeKinds(), {KeyPlacement::Embedded, ""}, ExportFormat::Odt, odt),
            QString());
  const QByteArray bytes = Bytes(odt);
  // A zip whose first entry, stored, is the mimetype.
  EXPECT_TRUE(bytes.startsWith("PK"));
  EXPECT_TRUE(bytes.contains("application/vnd.oasis.opendocument.text"));
}

TEST(SheetExport, AFileThatCannotBeWrittenLeavesNothingBehind) {
  QTemporaryDir dir;
  for (const ExportFormatInfo& info : ExportFormats) {
    SCOPED_TRACE(info.name);
    const QString path = dir.filePath(QStringLiteral("missing/folder.out"));
    EXPECT_EQ(ExportSheet(ThreeKinds(), {}, info.format, path),
              QStringLiteral("Cannot create file ") + path);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
  }
}

struct HeadlessRow {
  const char* why;
  QStringList args;  // after --export; SHEET, BAD and OUT stand for the files
  int exit;
  const char* err;  // a part of standard error
};

TEST(HeadlessExport, ExitCodesAndNothingWrittenOnFailure) {
  QTemporaryDir dir;
  const QString sheet = dir.filePath(QStringLiteral("week.tsheet"));
  const QString bad = dir.filePath(QStringLiteral("bad.tsheet"));
  ASSERT_TRUE(WriteSheet(sheet.toStdString(), ThreeKinds()));
  QFile badFile(bad);
  ASSERT_TRUE(badFile.open(QIODevice::WriteOnly));
  badFile.write(R"({"format": "tessaro-worksheet", "version": 1, "problems": [{"kind": "text"}]})");
  badFile.close();

  const HeadlessRow rows[] = {
      {"plain text written", {"SHEET", "--to", "txt", "--out", "OUT"}, 0, ""},
      {"PDF written", {"SHEET", "--to", "pdf", "--out", "OUT"}, 0, ""},
      {"options in any order, a key", {"SHEET", "--out", "OUT", "--key", "none", "--to", "gift"}, 0, ""},
      {"no sheet", {"--to", "txt", "--out", "OUT"}, 2, "--export needs the sheet file first"},
      {"no --out", {"SHEET", "--to", "txt"}, 2, "--export needs --out"},
      {"an unknown format", {"SHEET", "--to", "docx", "--out", "OUT"}, 2, "--to takes pdf, odt, tex, gift or txt"},
      {"an unknown key", {"SHEET", "--to", "txt", "--out", "OUT", "--key", "top"}, 2,
       "--key takes separate, embedded or none"},
      {"an option twice", {"SHEET", "--to", "txt", "--to", "pdf", "--out", "OUT"}, 2, "--to is given twice"},
      {"an option without its value", {"SHEET", "--to", "txt", "--out"}, 2, "--out needs a value"},
      {"a sheet refused", {"BAD", "--to", "txt", "--out", "OUT"}, 1,
       "bad.tsheet: problem 1, field \"question\": is missing"},
      {"a sheet that is not there", {"NONE", "--to", "pdf", "--out", "OUT"}, 1, "Cannot open file "},
      {"an output that cannot be made", {"SHEET", "--to", "odt", "--out", "NOFOLDER"}, 1,
       "Cannot create file "},
  };
  int n = 0;
  for (const HeadlessRow& row : rows) {
    SCOPED_TRACE(row.why);
    const QString out = dir.filePath(QStringLiteral("out%1").arg(++n));
    QStringList args = {QStringLiteral("--export")};
    for (const QString& a : row.args)
      args << (a == "SHEET" ? sheet : a == "BAD" ? bad : a == "OUT" ? out
               : a == "NONE" ? dir.filePath("none.tsheet") : a == "NOFOLDER" ? dir.filePath("no/x.odt") : a);
    const test::Outcome run = test::Tessaro(args);
    EXPECT_EQ(run.code, row.exit) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(row.err))) << run.err.toStdString();
    EXPECT_EQ(QFile::exists(out), row.exit == 0) << "written exactly when it says so";
  }
  EXPECT_FALSE(QFile::exists(dir.filePath("no"))) << "no folder made for a failed output";
  EXPECT_EQ(Bytes(dir.filePath("out1")).left(15), QByteArray("Week 3\r\nLowest "));
  EXPECT_TRUE(Bytes(dir.filePath("out2")).startsWith("%PDF"));
}

TEST(HeadlessExport, HelpListsTheExportCommand) {
  const test::Outcome run = test::Tessaro({QStringLiteral("--help")});
  EXPECT_EQ(run.code, 0);
  EXPECT_TRUE(run.out.contains(
      "tessaro --export SHEET --to pdf|odt|tex|gift|txt --out FILE [--key separate|embedded|none]"));
}

}  // namespace
}  // namespace tessaro
