#pragma once

// Same problem, new numbers: fresh params of a problem's kind drawn within its ranges, its
// texts made again by MakeProblem, the builders the windows use. Every draw is decided by
// the stream it is given (see stream.h), so a sheet and its seed always give the same
// problems.

#include "problems/kinds.h"
#include "problems/problem.h"
#include "renewal/ranges.h"
#include "renewal/stream.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// Draws a problem may take before it is left as it was.
inline constexpr int MaxDraws = 1000;
// The versions of a sheet, lettered A, B, ...
inline constexpr int MinVersions = 2;
inline constexpr int MaxVersions = 26;

enum class RenewOutcome {
  Renewed,  // params and texts are new
  Kept,     // a text problem: nothing to draw, left as it is
  Refused,  // the ranges cannot hold, or no draw gave a problem: left as it is
};

struct Renewal {
  RenewOutcome outcome = RenewOutcome::Kept;
  ProblemParams params;  // the new params, or the problem's own when not renewed
  TPrbl texts;           // Renewed: MakeProblem's texts for `params`
  std::string field;     // Refused: the range to change, by its key
  std::string message;   // Refused: what happened and which range to change, in words
  int draws = 0;         // draws made
};

// A draw is taken when MakeProblem makes its problem and the answer shows no failure text
// (an overflow, "Not calculable", a degree above 9); otherwise it is drawn again, at most
// MaxDraws times. Integer kinds draw every number within min .. max (a list's numbers all
// different, as the Integers window's list keeps them; b of a pair never 0; with
// euclid_steps a pair whose hcd takes exactly that many divisions). Fraction kinds draw
// reduced fractions that are never whole (a list's all different, a pair's two different
// unless the ranges hold hardly another). Polynomial kinds draw each polynomial's degree and
// coefficients, or its roots with int_roots, and polynomial-single its point. Exponent,
// basis, decimals, the expressions and the sizes of the lists stay.
Renewal Renew(const ProblemParams& params, const Ranges& ranges, Stream& stream);

struct RenewalInput {
  ProblemParams params;
  Ranges ranges;
};

// Every problem of a list renewed, problem i from the stream StreamSeed(seed, version, i).
// Version 0 is the list's own new numbers; version v >= 1 the v-th version (A is 1).
std::vector<Renewal> RenewAll(const std::vector<RenewalInput>& problems, std::uint64_t seed,
                              std::uint32_t version = 0);

// "Problem 3: " and the message: why the sheet's problem of that number (from 1) is refused.
std::string ProblemRefusal(int number, std::string_view message);

// "A" for version 1, "B" for 2, ... "Z" for 26; empty outside 1 .. 26.
std::string VersionCode(int version);

struct Version {
  std::string code;
  std::vector<Renewal> problems;
};

struct Versions {
  std::vector<Version> versions;  // empty when refused
  std::string refusal;            // why no versions were made
  int refusedProblem = -1;        // the index of the problem that could not be renewed
};

// `count` versions (MinVersions .. MaxVersions) of a list of problems, coded A, B, ...,
// version v drawn as RenewAll with version v. All or nothing: versions in which a problem
// keeps its own numbers would not be versions, so a problem that cannot be renewed refuses
// them all, "Problem 3: " and its message (problems counted from 1), and the drawing stops
// there.
Versions MakeVersions(const std::vector<RenewalInput>& problems, int count, std::uint64_t seed);

}  // namespace tessaro
