#include "app/exportcommand.h"

#include "app/commandline.h"
#include "app/sheetoptions.h"
#include "sheetwindow/sheetexport.h"
#include "numbers/words.h"
#include "ui/ui.h"

#include <ostream>

namespace tessaro {

int ExportCommand(const QStringList& args, std::ostream&, std::ostream& err) {
  const std::optional<SheetCommandLine> line = ReadSheetCommandLine(
      args, "--export", {"--to", "--out", "--key", "--version"}, {"--to", "--out"}, err);
  if (!line) return ExitUsage;
  const std::optional<ExportFormat> format = FormatOfName(ToStd(line->Value(QStringLiteral("--to"))));
  //: %1 is an option, %2 to %6 the values it takes.
  if (!format)
    return UsageError(err, Fill(translate("CommandLine", "%1 takes %2, %3, %4, %5 or %6"),
                                {"--to", "pdf", "odt", "tex", "gift", "txt"}));
  ExportOptions options;
  if (line->Has(QStringLiteral("--key"))) {
    options.key = KeyOfName(ToStd(line->Value(QStringLiteral("--key"))));
    //: %1 is an option, %2 to %4 the values it takes.
    if (!options.key)
      return UsageError(err, Fill(translate("CommandLine", "%1 takes %2, %3 or %4"),
                                  {"--key", "separate", "embedded", "none"}));
  }
  if (line->Has(QStringLiteral("--version"))) {
    options.version = ToStd(line->Value(QStringLiteral("--version")));
    if (options.version.size() != 1 || options.version[0] < 'A' || options.version[0] > 'Z')
      //: %1 is the option --version, %2 and %3 are A and Z.
      return UsageError(err, Fill(translate("CommandLine", "%1 takes a version's code, a capital "
                                                           "letter %2 to %3"),
                                  {"--version", "A", "Z"}));
  }

  const std::optional<Worksheet> sheet = ReadCommandSheet(line->sheet, err);
  if (!sheet) return ExitRefused;
  const QString failed = ExportSheet(*sheet, options, *format, line->Value(QStringLiteral("--out")));
  if (!failed.isEmpty()) {
    err << "tessaro: " << ToStd(failed) << "\n";
    return ExitRefused;
  }
  return ExitDone;
}

}  // namespace tessaro
