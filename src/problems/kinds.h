#pragma once

// The kinds of problem and the inputs each is made from. A theme window makes its problem
// from the operands of its last computation through MakeProblem, and a worksheet makes a
// problem from its stored params the same way, so both give the same texts.

#include "panels/integeroperands.h"
#include "problems/problem.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tessaro {

// Question and answer as given: a problem file's, or typed.
struct TextParams {
  bool operator==(const TextParams&) const = default;
};

// Integers: the hcd and LCM of 2 to 23 numbers.
struct IntegerListParams {
  std::vector<std::int32_t> numbers;
  bool operator==(const IntegerListParams&) const = default;
};
// Fractions: the binary operations of two fraction texts.
struct FractionPairParams {
  std::string f1, f2;
  bool operator==(const FractionPairParams&) const = default;
};
// Fractions: an expression over the list a, b, ... of fraction texts (at most 22).
struct FractionCombinedParams {
  std::string expression;
  std::vector<std::string> fractions;
  bool operator==(const FractionCombinedParams&) const = default;
};
// Polynomials: the unary operations of p, its value at the point x.
struct PolynomialSingleParams {
  std::string p, x;
  bool operator==(const PolynomialSingleParams&) const = default;
};
// Polynomials: the binary operations of a and b.
struct PolynomialPairParams {
  std::string a, b;
  bool operator==(const PolynomialPairParams&) const = default;
};
// Polynomials: an expression over the list A, B, ... of polynomial texts (at most 24).
struct PolynomialCombinedParams {
  std::string expression;
  std::vector<std::string> polynomials;
  bool operator==(const PolynomialCombinedParams&) const = default;
};

using ProblemParams =
    std::variant<TextParams, IntegerSingleParams, IntegerPairParams, IntegerListParams,
                 IntegerCombinedParams, FractionPairParams, FractionCombinedParams,
                 PolynomialSingleParams, PolynomialPairParams, PolynomialCombinedParams>;

// "text", "integer-single", "integer-pair", "integer-list", "integer-combined",
// "fraction-pair", "fraction-combined", "polynomial-single", "polynomial-pair",
// "polynomial-combined".
std::string_view KindName(const ProblemParams& params);
// The params of a kind, with their defaults, by its name; none for an unknown name.
std::optional<ProblemParams> ParamsOfKind(std::string_view name);

// A problem made from its params, or the param at fault and why.
struct MadeProblem {
  std::optional<TPrbl> texts;
  std::string field;   // e.g. "f2", "numbers", "expression"
  std::string reason;  // e.g. "is not a fraction"
};

// A field and what is wrong with it as one sentence, "f2 is not a fraction", in the
// language's order. The field is named as the files name it, in every language.
std::string FieldRefusal(std::string_view field, std::string_view reason);

// The question and answer the theme window shows for these inputs. Params out of their
// ranges, texts the window refuses and a combined operation that fails make no problem.
// A text problem has no texts of its own to make: it is refused too.
MadeProblem MakeProblem(const ProblemParams& params);

// One section of a problem a window shows, with the inputs it was made from.
struct ProblemPart {
  ProblemParams params;
  TPrbl texts;
};

// What a theme hands the Problem window: the texts to show and the sections they were made
// of ("All" makes several, joined by the theme's separator).
struct ShownProblem {
  TPrbl texts;
  std::vector<ProblemPart> parts;
};

// The "All" problem of a theme from the sections it has on display, each made as by
// MakeProblem and joined as the theme joins them: the Integers window's sections in the
// order single, pair, combined, list with a line of "="; the Fractions window's pair and
// combined parts with a line of 16 hyphens; the Polynomials window's single (when shown),
// pair and combined parts with a line of 16 hyphens. Refused like MakeProblem when a
// section cannot be made or the sections are not of one theme.
MadeProblem MakeAllProblem(const std::vector<ProblemParams>& sections);

// A theme window's problem of these sections: each part made by MakeProblem, the texts of
// the one part or, with `all`, of MakeAllProblem. None, with the param at fault and why, when
// a part or the join is refused (none, without a reason, for no section).
struct MadeShown {
  std::optional<ShownProblem> shown;
  std::string field;
  std::string reason;
};
MadeShown MakeShownProblem(const std::vector<ProblemParams>& sections, bool all);

// How a theme window shows the problem it made: the start-up hands it the Problem window's.
using ShowProblem = std::function<void(const ShownProblem&)>;

}  // namespace tessaro
