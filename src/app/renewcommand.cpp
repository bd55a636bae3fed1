#include "app/renewcommand.h"

#include "app/commandline.h"
#include "app/sheetoptions.h"
#include "numbers/words.h"
#include "renewal/renew.h"
#include "ui/ui.h"
#include "worksheets/renewsheet.h"

#include <functional>
#include <ostream>

namespace tessaro {

namespace {

// Reads the sheet and the seed, draws, and writes OUT only when the draw holds.
int DrawCommand(const SheetCommandLine& line, std::ostream& err,
                const std::function<SheetDraw(const Worksheet&, std::uint64_t)>& draw) {
  const std::optional<std::uint64_t> seed = SeedOfText(line.Value(QStringLiteral("--seed")));
  //: %1 is the option --seed, %2 and %3 the smallest and the largest seed.
  if (!seed)
    return UsageError(err, Fill(translate("CommandLine", "%1 takes a whole number from %2 to %3"),
                                {"--seed", "0", "18446744073709551615"}));
  const std::optional<Worksheet> sheet = ReadCommandSheet(line.sheet, err);
  if (!sheet) return ExitRefused;
  const SheetDraw drawn = draw(*sheet, *seed);
  if (!drawn.sheet) {
    err << "tessaro: " << ToStd(line.sheet) << ": " << drawn.refusal << "\n";
    return ExitRefused;
  }
  return WriteCommandSheet(*drawn.sheet, line.Value(QStringLiteral("--out")), err);
}

}  // namespace

int NewNumbersCommand(const QStringList& args, std::ostream&, std::ostream& err) {
  const std::optional<SheetCommandLine> line = ReadSheetCommandLine(
      args, "--new-numbers", {"--seed", "--out"}, {"--seed", "--out"}, err);
  if (!line) return ExitUsage;
  return DrawCommand(*line, err, WithNewNumbers);
}

int VersionsCommand(const QStringList& args, std::ostream&, std::ostream& err) {
  const std::optional<SheetCommandLine> line = ReadSheetCommandLine(
      args, "--versions", {"--count", "--seed", "--out"}, {"--count", "--seed", "--out"}, err);
  if (!line) return ExitUsage;
  bool ok = false;
  const int count = line->Value(QStringLiteral("--count")).toInt(&ok);
  if (!ok || count < MinVersions || count > MaxVersions)
    //: %1 is the option --count, %2 and %3 the fewest and the most versions.
    return UsageError(err, Fill(translate("CommandLine", "%1 takes a number of versions from %2 to %3"),
                                {"--count", std::to_string(MinVersions), std::to_string(MaxVersions)}));
  return DrawCommand(*line, err, [count](const Worksheet& sheet, std::uint64_t seed) {
    return WithVersions(sheet, count, seed);
  });
}

}  // namespace tessaro
