#include "app/plotcommand.h"

#include "app/commandline.h"
#include "graphwindow/graphpainter.h"
#include "numbers/conversionerror.h"
#include "ui/ui.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <ostream>

namespace tessaro {

namespace {

constexpr QSize DefaultSize(800, 600);
// Large enough for print, small enough that the picture fits in memory many times over.
constexpr int SmallestSide = 100;
constexpr int LargestSide = 8000;

struct PlotArguments {
  QString polynomial;
  QString out;
  QSize size = DefaultSize;
};

// The arguments, or a usage error on `err`.
bool ReadArguments(const QStringList& args, PlotArguments& read, std::ostream& err) {
  if (args.isEmpty()) {
    err << "tessaro: --plot needs a polynomial\n";
    return false;
  }
  read.polynomial = args.first();
  for (qsizetype i = 1; i < args.size(); i += 2) {
    const QString& option = args[i];
    if (i + 1 >= args.size()) {
      err << "tessaro: " << ToStd(option) << " needs a value\n";
      return false;
    }
    const QString& value = args[i + 1];
    if (option == QStringLiteral("--out")) {
      read.out = value;
    } else if (option == QStringLiteral("--size")) {
      static const QRegularExpression form(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));
      const QRegularExpressionMatch m = form.match(value);
      const int w = m.hasMatch() ? m.captured(1).toInt() : 0;
      const int h = m.hasMatch() ? m.captured(2).toInt() : 0;
      if (w < SmallestSide || w > LargestSide || h < SmallestSide || h > LargestSide) {
        err << "tessaro: --size is WIDTHxHEIGHT, each " << SmallestSide << " to " << LargestSide
            << " pixels\n";
        return false;
      }
      read.size = QSize(w, h);
    } else {
      err << "tessaro: --plot does not take " << ToStd(option) << "\n";
      return false;
    }
  }
  const QString suffix = QFileInfo(read.out).suffix().toLower();
  if (suffix != QStringLiteral("svg") && suffix != QStringLiteral("png")) {
    err << "tessaro: --plot needs --out FILE.svg or --out FILE.png\n";
    return false;
  }
  return true;
}

}  // namespace

int PlotCommand(const QStringList& args, std::ostream&, std::ostream& err) {
  PlotArguments read;
  if (!ReadArguments(args, read, err)) return ExitUsage;
  Polynomial p{};
  try {
    if (!PolFromText(ToStd(read.polynomial), p)) {
      err << "tessaro: Not a rational polynomial\n";
      return ExitRefused;
    }
  } catch (const ConversionError& e) {
    err << "tessaro: " << e.what() << "\n";
    return ExitRefused;
  }
  const GraphFacts facts = FactsOf(p);
  GraphPicture picture;
  picture.facts = &facts;
  picture.view = FittedView(facts);
  picture.caption = GraphCaption(QStringLiteral("P"), p);
  if (ExportGraph(read.out, read.size, picture) != ExportResult::Written) {
    err << "tessaro: Cannot create file " << ToStd(QDir::toNativeSeparators(read.out)) << "\n";
    return ExitRefused;
  }
  return ExitDone;
}

}  // namespace tessaro
