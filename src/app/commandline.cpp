#include "app/commandline.h"

#include "app/exportcommand.h"
#include "app/plotcommand.h"
#include "app/renewcommand.h"

#include "numbers/words.h"

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

// "tessaro: --help takes no arguments".
int NoArguments(std::ostream& err, std::string_view option) {
  //: %1 is an option of the command line, such as --help.
  err << "tessaro: " << Fill(translate("CommandLine", "%1 takes no arguments"), {option}) << "\n";
  return ExitUsage;
}

int Version(const QStringList& args, std::ostream& out, std::ostream& err) {
  if (!args.isEmpty()) return NoArguments(err, "--version");
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
  if (!args.isEmpty()) return NoArguments(err, "--help");
  // The command lines themselves are the same in every language, as the options are.
  //: The heading of the list of the program's command lines.
  out << translate("CommandLine", "Usage:") << "\n  tessaro                 "
      << translate("CommandLine", "starts the program's windows") << "\n";
  for (const CommandLine& c : Commands) out << "  " << c.usage << "\n";
  //: %1, %2 and %3 are the exit codes 0, 1 and 2.
  out << Fill(translate("CommandLine", "Exit codes: %1 written, %2 an input refused (the message "
                                       "on standard error), %3 a wrong command line."),
              {std::to_string(ExitDone), std::to_string(ExitRefused), std::to_string(ExitUsage)})
      << "\n";
  return ExitDone;
}

}  // namespace

std::string NeedsAValue(const std::string& option) {
  //: %1 is an option typed without its value.
  return Fill(translate("CommandLine", "%1 needs a value"), {option});
}

bool IsHeadless(const QStringList& args) {
  return !args.isEmpty() && args.first().startsWith(QStringLiteral("--"));
}

int RunHeadless(const QStringList& args, std::ostream& out, std::ostream& err) {
  const std::string option = args.value(0).toStdString();
  for (const CommandLine& c : Commands)
    if (c.option == option) return c.run(args.mid(1), out, err);
  //: %1 is what was typed for an option, %2 the command line that lists the options.
  err << "tessaro: "
      << Fill(translate("CommandLine", "unknown option %1 (%2 lists them)"), {option, "tessaro --help"})
      << "\n";
  return ExitUsage;
}

}  // namespace tessaro
