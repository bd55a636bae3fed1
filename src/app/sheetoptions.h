#pragma once

// The command line of the headless sheet commands: SHEET first, then options that each
// take one value, in any order, each at most once.

#include "worksheets/worksheet.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <iosfwd>
#include <optional>
#include <string>

namespace tessaro {

struct SheetCommandLine {
  QString sheet;
  QMap<QString, QString> values;  // by option, "--to" and the like
  bool Has(const QString& option) const { return values.contains(option); }
  QString Value(const QString& option) const { return values.value(option); }
};

// Writes a usage error to `err` and gives its exit code.
int UsageError(std::ostream& err, const std::string& why);

// The arguments after `command` ("--export"): the sheet, then options among `allowed`, those
// of `needed` required. None after a usage error, written to `err`.
std::optional<SheetCommandLine> ReadSheetCommandLine(const QStringList& args,
                                                     const std::string& command,
                                                     std::initializer_list<const char*> allowed,
                                                     std::initializer_list<const char*> needed,
                                                     std::ostream& err);

// The sheet of the command line, or none after its refusal, written to `err`.
std::optional<Worksheet> ReadCommandSheet(const QString& path, std::ostream& err);

// Writes the sheet to `path` whole, or says why not on `err`; the exit code.
int WriteCommandSheet(const Worksheet& sheet, const QString& path, std::ostream& err);

// --seed: a whole number from 0 to 18446744073709551615.
std::optional<std::uint64_t> SeedOfText(const QString& text);

}  // namespace tessaro
