#include "app/plotcommand.h"

#include "app/commandline.h"
#include "graphwindow/graphpainter.h"
#include "numbers/conversionerror.h"
#include "numbers/words.h"
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
    //: %1 is the option --plot.
    err << "tessaro: " << Fill(translate("CommandLine", "%1 needs a polynomial"), {"--plot"}) << "\n";
    return false;
  }
  read.polynomial = args.first();
  for (qsizetype i = 1; i < args.size(); i += 2) {
    const QString& option = args[i];
    if (i + 1 >= args.size()) {
      err << "tessaro: " << NeedsAValue(ToStd(option)) << "\n";
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
        //: %1 is the option --size, %2 the form of its value, %3 and %4 the smallest and the
        //: largest side.
        err << "tessaro: "
            << Fill(translate("CommandLine", "%1 is %2, each %3 to %4 pixels"),
                    {"--size", "WIDTHxHEIGHT", std::to_string(SmallestSide),
                     std::to_string(LargestSide)})
            << "\n";
        return false;
      }
      read.size = QSize(w, h);
    } else {
      //: %1 is the option --plot, %2 an option typed after it.
      err << "tessaro: "
          << Fill(translate("CommandLine", "%1 does not take %2"), {"--plot", ToStd(option)}) << "\n";
      return false;
    }
  }
  const QString suffix = QFileInfo(read.out).suffix().toLower();
  if (suffix != QStringLiteral("svg") && suffix != QStringLiteral("png")) {
    //: %1 is the option --plot, %2 and %3 the options that name its file.
    err << "tessaro: "
        << Fill(translate("CommandLine", "%1 needs %2 or %3"),
                {"--plot", "--out FILE.svg", "--out FILE.png"})
        << "\n";
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
      err << "tessaro: " << NotARationalPolynomial() << "\n";
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
    err << "tessaro: " << ToStd(CannotCreateFile(QDir::toNativeSeparators(read.out))) << "\n";
    return ExitRefused;
  }
  return ExitDone;
}

}  // namespace tessaro
