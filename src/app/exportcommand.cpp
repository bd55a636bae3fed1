#include "app/exportcommand.h"

#include "app/commandline.h"
#include "app/sheetoptions.h"
#include "sheetwindow/sheetexport.h"
#include "ui/ui.h"

#include <ostream>

namespace tessaro {

int ExportCommand(const QStringList& args, std::ostream&, std::ostream& err) {
  const std::optional<SheetCommandLine> line = ReadSheetCommandLine(
      args, "--export", {"--to", "--out", "--key", "--version"}, {"--to", "--out"}, err);
  if (!line) return ExitUsage;
  const std::optional<ExportFormat> format = FormatOfName(ToStd(line->Value(QStringLiteral("--to"))));
  if (!format) return UsageError(err, "--to takes pdf, odt, tex, gift or txt");
  ExportOptions options;
  if (line->Has(QStringLiteral("--key"))) {
    options.key = KeyOfName(ToStd(line->Value(QStringLiteral("--key"))));
    if (!options.key) return UsageError(err, "--key takes separate, embedded or none");
  }
  if (line->Has(QStringLiteral("--version"))) {
    options.version = ToStd(line->Value(QStringLiteral("--version")));
    if (options.version.size() != 1 || options.version[0] < 'A' || options.version[0] > 'Z')
      return UsageError(err, "--version takes a version's code, a capital letter A to Z");
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
