#include "app/exportcommand.h"

#include "app/commandline.h"
#include "sheetwindow/sheetexport.h"
#include "ui/ui.h"
#include "worksheets/sheetfile.h"

#include <QMap>

#include <ostream>

namespace tessaro {

namespace {

int Usage(std::ostream& err, const std::string& why) {
  err << "tessaro: " << why << " (tessaro --help shows the command)\n";
  return ExitUsage;
}

}  // namespace

int ExportCommand(const QStringList& args, std::ostream&, std::ostream& err) {
  if (args.isEmpty() || args.first().startsWith(QStringLiteral("--")))
    return Usage(err, "--export needs the sheet file first");
  const QString sheetPath = args.first();
  QMap<QString, QString> values;
  for (qsizetype i = 1; i < args.size(); i += 2) {
    const QString& option = args[i];
    if (option != QStringLiteral("--to") && option != QStringLiteral("--out") &&
        option != QStringLiteral("--key"))
      return Usage(err, "--export takes no " + ToStd(option));
    if (i + 1 >= args.size()) return Usage(err, ToStd(option) + " needs a value");
    if (values.contains(option)) return Usage(err, ToStd(option) + " is given twice");
    values.insert(option, args[i + 1]);
  }
  if (!values.contains(QStringLiteral("--to"))) return Usage(err, "--export needs --to");
  if (!values.contains(QStringLiteral("--out"))) return Usage(err, "--export needs --out");
  const std::optional<ExportFormat> format = FormatOfName(ToStd(values[QStringLiteral("--to")]));
  if (!format) return Usage(err, "--to takes pdf, odt, tex, gift or txt");
  ExportOptions options;
  if (values.contains(QStringLiteral("--key"))) {
    options.key = KeyOfName(ToStd(values[QStringLiteral("--key")]));
    if (!options.key) return Usage(err, "--key takes separate, embedded or none");
  }

  const SheetRead read = ReadSheet(ToStd(sheetPath));
  if (!read.sheet) {
    err << "tessaro: " << read.error << "\n";
    return ExitRefused;
  }
  const QString failed = ExportSheet(*read.sheet, options, *format, values[QStringLiteral("--out")]);
  if (!failed.isEmpty()) {
    err << "tessaro: " << ToStd(failed) << "\n";
    return ExitRefused;
  }
  return ExitDone;
}

}  // namespace tessaro
