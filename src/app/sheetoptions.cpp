#include "app/sheetoptions.h"

#include "app/commandline.h"
#include "numbers/words.h"
#include "ui/ui.h"
#include "worksheets/sheetfile.h"

#include <algorithm>
#include <ostream>

namespace tessaro {

int UsageError(std::ostream& err, const std::string& why) {
  //: %1 says what is wrong with the command line, %2 is the command line that shows the right
  //: one.
  err << "tessaro: "
      << Fill(translate("CommandLine", "%1 (%2 shows the command)"), {why, "tessaro --help"}) << "\n";
  return ExitUsage;
}

std::optional<SheetCommandLine> ReadSheetCommandLine(const QStringList& args,
                                                     const std::string& command,
                                                     std::initializer_list<const char*> allowed,
                                                     std::initializer_list<const char*> needed,
                                                     std::ostream& err) {
  if (args.isEmpty() || args.first().startsWith(QStringLiteral("--"))) {
    //: %1 is an option, such as --export.
    UsageError(err, Fill(translate("CommandLine", "%1 needs the sheet file first"), {command}));
    return std::nullopt;
  }
  SheetCommandLine line;
  line.sheet = args.first();
  for (qsizetype i = 1; i < args.size(); i += 2) {
    const QString& option = args[i];
    const bool known = std::any_of(allowed.begin(), allowed.end(),
                                   [&](const char* a) { return option == QLatin1String(a); });
    if (!known) {
      //: %1 is an option, %2 another option typed after it.
      UsageError(err, Fill(translate("CommandLine", "%1 takes no %2"), {command, ToStd(option)}));
      return std::nullopt;
    }
    if (i + 1 >= args.size()) {
      UsageError(err, NeedsAValue(ToStd(option)));
      return std::nullopt;
    }
    if (line.values.contains(option)) {
      //: %1 is an option.
      UsageError(err, Fill(translate("CommandLine", "%1 is given twice"), {ToStd(option)}));
      return std::nullopt;
    }
    line.values.insert(option, args[i + 1]);
  }
  for (const char* option : needed)
    if (!line.values.contains(QLatin1String(option))) {
      //: %1 is an option, %2 another option it needs.
      UsageError(err, Fill(translate("CommandLine", "%1 needs %2"), {command, option}));
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
    err << "tessaro: " << ToStd(CannotCreateFile(path)) << "\n";
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
