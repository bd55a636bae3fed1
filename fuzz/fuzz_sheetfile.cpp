// Any bytes as a worksheet file give a sheet or one refusal, never a crash; a sheet that
// reads writes back to a file that reads to the same sheet. Its exports hold to their forms:
// the LaTeX source is plain ASCII, every GIFT question one line. New numbers for a small
// sheet give a sheet the reader takes back as it is, or a refusal.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "worksheets/renewsheet.h"
#include "worksheets/sheetfile.h"
#include "worksheets/writers.h"

using namespace tessaro;

namespace {

void Check(bool holds) {
  if (!holds) __builtin_trap();
}

std::vector<std::string_view> LinesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t from = 0; from < text.size();) {
    const std::size_t end = text.find("\r\n", from);
    Check(end != std::string_view::npos);  // every line ends with CR LF
    lines.push_back(text.substr(from, end - from));
    from = end + 2;
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const SheetRead read = ParseSheet(bytes, "fuzz.tsheet");
  if (!read.sheet) {
    Check(read.error.rfind("fuzz.tsheet: ", 0) == 0);
    return 0;
  }
  Check(read.error.empty());
  const Worksheet& sheet = *read.sheet;
  Check(sheet.columns == 1 || sheet.columns == 2);

  const std::string json = SheetJson(sheet);
  const SheetRead again = ParseSheet(json, "again.tsheet");
  Check(again.sheet.has_value() && *again.sheet == sheet);
  Check(SheetJson(*again.sheet) == json);

  for (const KeyPlacement key : {KeyPlacement::Separate, KeyPlacement::Embedded, KeyPlacement::None}) {
    const std::optional<Printout> printout = PrintoutOf(sheet, {key, ""});
    Check(printout.has_value());
    for (const char c : LatexText(*printout))
      Check(c == '\r' || c == '\n' || (c >= ' ' && c <= '~'));
    const std::string gift = GiftText(*printout);
    for (const std::string_view line : LinesOf(gift)) Check(line.empty() || line.substr(0, 2) == "::");
    const std::string plain = PlainText(*printout);
    LinesOf(plain);
  }

  // A problem may take its 1,000 draws: two keep an input within the time of one.
  if (sheet.problems.size() <= 2) {
    const SheetDraw drawn = WithNewNumbers(sheet, size);
    Check(drawn.sheet.has_value() != !drawn.refusal.empty());
    if (drawn.sheet) {
      const SheetRead renewed = ParseSheet(SheetJson(*drawn.sheet), "renewed.tsheet");
      Check(renewed.sheet.has_value() && *renewed.sheet == *drawn.sheet);
    }
  }
  return 0;
}
