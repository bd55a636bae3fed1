// tessaro --plot, run as scripts run it: the built program in a process of its own.

#include "harness/harness.h"
#include "harness/program.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace tessaro::test {
namespace {

QString Read(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(PlotCommand, TheSvgHoldsEveryRootLabelAsText) {
  QTemporaryDir dir;
  const QString out = dir.filePath("graph.svg");
  const Outcome run = Tessaro({"--plot", "2x^5-3x^4-4x^3+7x^2-2", "--out", out});
  ASSERT_EQ(run.code, 0) << run.err.toStdString();
  const QString svg = Read(out);
  for (const char* label : {">-1/2<", ">≈ -1.414<", ">1 (double)<", ">≈ 1.414<",
                            ">P(x) = 2x^5-3x^4-4x^3+7x^2-2<"})
    EXPECT_TRUE(svg.contains(QString::fromUtf8(label))) << label;
  EXPECT_TRUE(svg.contains(QString::fromUtf8(
      "<desc>Real roots: ≈ -1.414, -1/2, 1 (double), ≈ 1.414. Turning points: (≈ -1.087, "
      "≈ 4.185), (0, -2), (1, 0), (≈ 1.287, ≈ -0.101).</desc>")));
  EXPECT_TRUE(svg.contains("viewBox=\"0 0 800 600\"")) << "the default size";
}

TEST(PlotCommand, APngOfTheSizeAsked) {
  QTemporaryDir dir;
  const QString out = dir.filePath("graph.PNG");
  const Outcome run = Tessaro({"--plot", "4x^2-1", "--out", out, "--size", "640x480"});
  ASSERT_EQ(run.code, 0) << run.err.toStdString();
  EXPECT_EQ(QImage(out).size(), QSize(640, 480));
}

TEST(PlotCommand, ExitCodesAndNothingWrittenOnFailure) {
  QTemporaryDir dir;
  const QString kept = dir.filePath("kept.svg");
  {
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep");
  }
  const struct {
    const char* name;
    QStringList args;
    int code;
    const char* message;
  } rows[] = {
      {"a text that is no polynomial", {"--plot", "1+x", "--out", kept}, 1,
       "Not a rational polynomial"},
      {"a non-digit exponent", {"--plot", "x^a", "--out", kept}, 1,
       "'a' is not a valid integer value"},
      {"a number beyond 32 bits", {"--plot", "99999999999x", "--out", kept}, 1,
       "'99999999999' is not a valid integer value"},
      {"a folder that does not exist", {"--plot", "x", "--out", dir.filePath("no/g.svg")}, 1,
       "Cannot create file"},
      {"no polynomial", {"--plot"}, 2, "needs a polynomial"},
      {"no --out", {"--plot", "x"}, 2, "--out FILE.svg"},
      {"--out without a value", {"--plot", "x", "--out"}, 2, "--out needs a value"},
      {"another picture format", {"--plot", "x", "--out", dir.filePath("g.jpg")}, 2, "--out FILE.svg"},
      {"a size too small", {"--plot", "x", "--out", kept, "--size", "10x10"}, 2, "--size"},
      {"a size that is no size", {"--plot", "x", "--out", kept, "--size", "big"}, 2, "--size"},
      {"an unknown option", {"--plot", "x", "--out", kept, "--colour", "red"}, 2, "--colour"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Outcome run = Tessaro(row.args);
    EXPECT_EQ(run.code, row.code);
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(row.message))) << run.err.toStdString();
    EXPECT_EQ(Read(kept), "keep");
  }
  EXPECT_FALSE(QFile::exists(dir.filePath("g.jpg")));
}

TEST(PlotCommand, HelpListsIt) {
  QProcess process;
  process.start(QStringLiteral(TESSARO_BINARY), {"--help"});
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_TRUE(QString::fromUtf8(process.readAllStandardOutput())
                  .contains("tessaro --plot POLYNOMIAL --out FILE.svg|FILE.png [--size WxH]"));
}

}  // namespace
}  // namespace tessaro::test
