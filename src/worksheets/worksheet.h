#pragma once

// A worksheet: problems gathered from the themes, numbered, with a title, instructions and
// the placement of the answer key. Pure data; the file, the writers and the windows use it.

#include "problems/kinds.h"
#include "problems/problem.h"
#include "renewal/ranges.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// Where the answers go when the sheet is printed or exported.
enum class KeyPlacement {
  Separate,  // on their own page(s) after the questions
  Embedded,  // each under its question
  None,      // left out
};

// The paper; FromLocale lets the program choose A4 or Letter from the user's locale.
enum class PageSize { FromLocale, A4, Letter };

// One problem of a sheet: the inputs it was made from and its texts. The texts are the
// ones the theme window shows for those inputs unless the teacher edited them; an edit is
// kept as it is. A text problem has no inputs: its texts are all it is. New numbers are
// drawn within its ranges: only the fields the teacher set, the others take their defaults.
struct SheetProblem {
  ProblemParams params;
  TPrbl texts;
  bool working = false;  // the key shows the answer's working under it
  Ranges ranges;
  bool operator==(const SheetProblem&) const = default;
};

// One version of the whole sheet, with numbers of its own; its code (A to Z) heads its
// questions and its key.
struct SheetVersion {
  std::string code;
  std::vector<SheetProblem> problems;
  bool operator==(const SheetVersion&) const = default;
};

struct Worksheet {
  std::string title;
  std::string instructions;  // lines separated by CR LF
  int columns = 1;           // 1 or 2
  KeyPlacement key = KeyPlacement::Separate;
  std::uint64_t seed = 0;    // the seed the last new numbers or versions were drawn from
  PageSize page = PageSize::FromLocale;
  std::vector<SheetProblem> problems;
  std::vector<SheetVersion> versions;  // none: the problems are printed as they are
  bool operator==(const Worksheet&) const = default;
};

// The suffix of a worksheet file.
inline constexpr std::string_view SheetSuffix = ".tsheet";

// The names the file gives the key placements and page sizes, and back; none for an
// unknown name.
std::string_view KeyName(KeyPlacement key);
std::optional<KeyPlacement> KeyOfName(std::string_view name);
std::string_view PageName(PageSize page);  // "" for FromLocale
std::optional<PageSize> PageOfName(std::string_view name);

// The problems of a sheet for what the Problem window shows. `edited` is what its two areas
// hold now. Unedited, each section of the shown problem becomes one problem with its
// params and texts. Edited, the edit is kept: a one-section problem keeps its params with
// the edited texts; a problem of several sections ("All") is cut at the theme's separator
// lines, and when the pieces still match the sections each section keeps its params with
// its piece; otherwise, and when nothing says what the texts were made from, the whole
// edited problem becomes one text problem.
std::vector<SheetProblem> ProblemsFromShown(const ShownProblem& shown, const TPrbl& edited);

// A text with every line end made CR LF, as problem texts have them.
std::string CrLfLines(std::string_view text);

}  // namespace tessaro
