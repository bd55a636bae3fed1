#pragma once

// The tools file Tools.rel and its table of tools.

#include <array>
#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace tessaro {

// One tool of the Tools menu: four texts of fixed widths (terminator included, so a
// field holds one character less). Texts are UTF-8; widths count characters.
struct TTool {
  static constexpr std::size_t TitWidth = 64;
  static constexpr std::size_t FtxWidth = 48;
  static constexpr std::size_t DirWidth = 128;
  static constexpr std::size_t ParsWidth = 32;
  // The longest texts that read back from the file: a title passes a 40-byte line
  // buffer, the other lines must fit their field together with their line end.
  static constexpr std::size_t TitRead = 38;
  static constexpr std::size_t FtxRead = FtxWidth - 2;
  static constexpr std::size_t DirRead = DirWidth - 2;
  static constexpr std::size_t ParsRead = ParsWidth - 2;

  std::string Tit;   // the menu item's caption
  std::string Ftx;   // the command line that starts the tool
  std::string Dir;   // work directory, kept and edited only
  std::string Pars;  // parameters, kept and edited only

  bool operator==(const TTool&) const = default;
};

inline constexpr int MaxTools = 11;

// Tools 1 to n; record 0 is never used.
struct TToolTable {
  std::array<TTool, MaxTools + 1> Tools{};
  int n = 0;
};

// Read and written in the working directory.
inline constexpr const char* ToolsFileName = "Tools.rel";

// Reads one line (up to LF, a CR before it dropped) into `line`, cut to `limit`
// characters; the rest of a longer line is skipped. A line that is not valid UTF-8 is
// taken as Latin-1. At the end of the file returns 0 and leaves `line` unchanged;
// otherwise returns the length in bytes of the line kept.
std::size_t ReadLine(std::istream& in, std::string& line, std::size_t limit);

// Fills tools 1 to count from the file, four lines a tool, up to the first empty title
// line, the end of the file, or the eleventh tool; sets n to count and returns it. A
// file that cannot be opened gives 0 and leaves the records as they were.
int ReadTools(TToolTable& table, const std::string& path);
int ReadTools(TToolTable& table);

// The file's text: four lines a tool, each ending with CR LF; nothing for no tools.
std::string ToolsText(const TToolTable& table);

// Replaces the file with the table's text in one step; false when that fails, and the
// old file then stays as it was.
bool WriteTools(const TToolTable& table, const std::string& path);
bool WriteTools(const TToolTable& table);

// Stores `text` in a field of `width`: at most width - 1 characters, cut at a character
// boundary. A line end would split the field over two lines of the file, so it
// becomes a blank.
void CopyText(std::string_view text, std::string& field, std::size_t width);

// Takes tool k (1 to n) out; the tools after it move up one place.
void RemoveTool(TToolTable& table, int k);

// Exchanges tools a and b (both 1 to n).
void ExchangeTools(TToolTable& table, int a, int b);

}  // namespace tessaro
