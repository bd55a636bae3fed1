#pragma once

// The ranges of one problem as a form to fill in: the fields its kind has, each in words
// with its value as text, and the ranges read back from what the teacher typed. The
// Worksheet window's ranges dialog shows and reads this form; the file reads its numbers
// within the same bounds.

#include "problems/kinds.h"
#include "renewal/ranges.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

enum class RangeType {
  Number,  // one whole number
  Flag,    // yes or no
  Pair,    // lo .. hi
};

struct RangeEntry {
  std::string key;    // as in the file: "min", "degree", ...
  RangeType type = RangeType::Number;
  std::string label;  // what it is, in words
  std::string lo;     // Number: its text; Pair: the text of its start
  std::string hi;     // Pair: the text of its end
  bool flag = false;  // Flag
};

// Why a number of a range is not read, after its key: "must be a whole number from
// -2147483646 to 2147483646".
std::string NotARangeNumber();

// A whole number of a range, blanks around it allowed; none beyond ±2147483646.
std::optional<std::int32_t> RangeNumber(std::string_view text);

// The fields the kind of `params` has, in the order of the file, each showing its value in
// `ranges` or else its default. euclid_steps, which has none, shows empty: any number of
// divisions. A text problem has no fields.
std::vector<RangeEntry> RangeEntries(const ProblemParams& params, const Ranges& ranges);

// The ranges the entries hold, keeping only the fields that differ from the kind's
// defaults (and euclid_steps when it is not empty), so that the file keeps what the teacher
// chose; or the first field at fault: a number that does not read, or ranges that cannot
// hold (CheckRanges).
struct RangesEntered {
  std::optional<Ranges> ranges;
  RangeRefusal refusal;
};
RangesEntered RangesOfEntries(const ProblemParams& params, const std::vector<RangeEntry>& entries);

}  // namespace tessaro
