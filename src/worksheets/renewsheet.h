#pragma once

// New numbers and versions for a whole sheet: its problems renewed within their ranges, the
// texts made again by MakeProblem, every draw decided by the sheet's seed (see
// renewal/stream.h): problem i of the sheet draws from the stream (seed, 0, i) for New
// numbers, and from (seed, v, i) for version v (A is 1).

#include "renewal/renew.h"
#include "worksheets/worksheet.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessaro {

// True when the teacher edited the texts of a problem: they are not what MakeProblem makes
// of its params. A text problem has only its texts, so nothing of it is an edit to lose.
bool TextsEdited(const SheetProblem& problem);

// Problem `index` of `sheet` renewed as New numbers with `seed` renews it.
Renewal RenewProblem(const Worksheet& sheet, std::size_t index, std::uint64_t seed);

// The problem with the renewal's params and texts when it was renewed, else as it was; its
// working and its ranges stay.
SheetProblem Renewed(const SheetProblem& problem, const Renewal& renewal);

// A sheet with new numbers or new versions, or why not.
struct SheetDraw {
  std::optional<Worksheet> sheet;
  std::string refusal;  // "Problem 3: No new numbers after 1000 draws: ..."
  int refusedProblem = -1;
};

// Every problem renewed from `seed`, edits and all, and `seed` kept as the sheet's. All or
// nothing: a problem no draw renews refuses the sheet. The versions stay as they were.
SheetDraw WithNewNumbers(const Worksheet& sheet, std::uint64_t seed);

// The sheet with `count` versions (MinVersions .. MaxVersions) drawn from `seed`, in place of
// any it had, and `seed` kept as the sheet's. A version's problem keeps the working of the
// problem it was drawn from; a text problem is the same in every version.
SheetDraw WithVersions(const Worksheet& sheet, int count, std::uint64_t seed);

// "A to C" for versions A, B, C; "A" for one; empty for none.
std::string VersionSpan(const std::vector<SheetVersion>& versions);

}  // namespace tessaro
