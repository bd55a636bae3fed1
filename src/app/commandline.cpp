#include "app/commandline.h"

#include "app/exportcommand.h"
#include "app/plotcommand.h"
#include "app/renewcommand.h"

#include <QCoreApplication>

#include <functional>
#include <ostream>
#include <string_view>

namespace tessaro {

namespace {

using Command = std::function<int(const QStringList& args, std::ostream& out, std::ostream& err)>;

struct CommandLine {
  std::string_view option;
  std::string_view usage;  // its line of --help
  Command run;
};

int Help(const QStringList&, std::ostream& out, std::ostream&);

int Version(const QStringList& args, std::ostream& out, std::ostream& err) {
  if (!args.isEmpty()) {
    err << "tessaro: --version takes no arguments\n";
    return ExitUsage;
  }
  out << "tessaro " << QCoreApplication::applicationVersion().toStdString() << "\n";
  return ExitDone;
}

const CommandLine Commands[] = {
    {"--help", "tessaro --help", Help},
    {"--version", "tessaro --version", Version},
    {"--export",
     "tessaro --export SHEET --to pdf|odt|tex|gift|txt --out FILE [--key separate|embedded|none] "
     "[--version CODE]",
     ExportCommand},
    {"--new-numbers", "tessaro --new-numbers SHEET --seed S --out OUT.tsheet", NewNumbersCommand},
    {"--versions", "tessaro --versions SHEET --count K --seed S --out OUT.tsheet", VersionsCommand},
    {"--plot", "tessaro --plot POLYNOMIAL --out FILE.svg|FILE.png [--size WxH]", PlotCommand},
};

int Help(const QStringList& args, std::ostream& out, std::ostream& err) {
  if (!args.isEmpty()) {
    err << "tessaro: --help takes no arguments\n";
    return ExitUsage;
  }
  out << "Usage:\n  tessaro                 starts the program's windows\n";
  for (const CommandLine& c : Commands) out << "  " << c.usage << "\n";
  out << "Exit codes: 0 written, 1 an input refused (the message on standard error), "
         "2 a wrong command line.\n";
  return ExitDone;
}

}  // namespace

bool IsHeadless(const QStringList& args) {
  return !args.isEmpty() && args.first().startsWith(QStringLiteral("--"));
}

int RunHeadless(const QStringList& args, std::ostream& out, std::ostream& err) {
  const std::string option = args.value(0).toStdString();
  for (const CommandLine& c : Commands)
    if (c.option == option) return c.run(args.mid(1), out, err);
  err << "tessaro: unknown option " << option << " (tessaro --help lists them)\n";
  return ExitUsage;
}

}  // namespace tessaro
