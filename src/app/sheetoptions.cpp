#include "app/sheetoptions.h"

#include "app/commandline.h"
#include "ui/ui.h"
#include "worksheets/sheetfile.h"

#include <algorithm>
#include <ostream>

namespace tessaro {

int UsageError(std::ostream& err, const std::string& why) {
  err << "tessaro: " << why << " (tessaro --help shows the command)\n";
  return ExitUsage;
}

std::optional<SheetCommandLine> ReadSheetCommandLine(const QStringList& args,
                                                     const std::string& command,
                                                     std::initializer_list<const char*> allowed,
                                                     std::initializer_list<const char*> needed,
                                                     std::ostream& err) {
  if (args.isEmpty() || args.first().startsWith(QStringLiteral("--"))) {
    UsageError(err, command + " needs the sheet file first");
    return std::nullopt;
  }
  SheetCommandLine line;
  line.sheet = args.first();
  for (qsizetype i = 1; i < args.size(); i += 2) {
    const QString& option = args[i];
    const bool known = std::any_of(allowed.begin(), allowed.end(),
                                   [&](const char* a) { return option == QLatin1String(a); });
    if (!known) {
      UsageError(err, command + " takes no " + ToStd(option));
      return std::nullopt;
    }
    if (i + 1 >= args.size()) {
      UsageError(err, ToStd(option) + " needs a value");
      return std::nullopt;
    }
    if (line.values.contains(option)) {
      UsageError(err, ToStd(option) + " is given twice");
      return std::nullopt;
    }
    line.values.insert(option, args[i + 1]);
  }
  for (const char* option : needed)
    if (!line.values.contains(QLatin1String(option))) {
      UsageError(err, command + " needs " + option);
      return std::nullopt;
    }
  return line;
}

std::optional<Worksheet> ReadCommandSheet(const QString& path, std::ostream& err) {
  SheetRead read = ReadSheet(ToStd(path));
  if (!read.sheet) err << "tessaro: " << read.error << "\n";
  return std::move(read.sheet);
}

int WriteCommandSheet(const Worksheet& sheet, const QString& path, std::ostream& err) {
  if (!WriteSheet(ToStd(path), sheet)) {
    err << "tessaro: Cannot create file " << ToStd(path) << "\n";
    return ExitRefused;
  }
  return ExitDone;
}

std::optional<std::uint64_t> SeedOfText(const QString& text) {
  // Digits only: toULongLong would take blanks, a sign and 0x as well.
  if (text.isEmpty() || text.size() > 20 ||
      std::any_of(text.begin(), text.end(), [](QChar c) { return c < u'0' || c > u'9'; }))
    return std::nullopt;
  bool ok = false;
  const qulonglong seed = text.toULongLong(&ok);
  if (!ok) return std::nullopt;
  return static_cast<std::uint64_t>(seed);
}

}  // namespace tessaro
