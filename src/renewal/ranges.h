#pragma once

// The ranges and constraints a problem's numbers are drawn within when it is renewed. Each
// field is optional: an absent field takes its kind's default, which is what the theme
// window's own dice draw. The field names are the keys of a problem's "ranges" object in a
// sheet file.

#include "problems/kinds.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

// lo .. hi inclusive.
struct IntRange {
  std::int32_t lo = 0;
  std::int32_t hi = 0;
  bool operator==(const IntRange&) const = default;
};

struct Ranges {
  // Integer kinds: every drawn number lies in min .. max. b of integer-pair is never 0.
  std::optional<std::int32_t> min, max;
  // integer-pair: Euclid's algorithm for hcd(a, b) takes exactly this many divisions (1..8).
  std::optional<std::int32_t> euclid_steps;
  // Fraction kinds: numerators 1 .. max_num, denominators 2 .. max_den, never a whole number;
  // proper: numerator below the denominator.
  std::optional<std::int32_t> max_num, max_den;
  std::optional<bool> proper;
  // Polynomial kinds: the degree (0..9); the leading coefficient, never 0, from lead; the
  // others from coef.
  std::optional<IntRange> degree, coef, lead;
  // int_roots: lead·(x - r1)···(x - rk), k the degree, every r from roots (repeats allowed).
  std::optional<bool> int_roots;
  std::optional<IntRange> roots;
  // polynomial-single: the point of the value, an integer.
  std::optional<IntRange> point;
  // polynomial-pair: A and B share a factor of degree at least 1.
  std::optional<bool> common_factor;

  bool operator==(const Ranges&) const = default;
};

// Calls visit(key, &Ranges::field) for every field, in the order above: one list of the
// fields and their keys for the defaults, the checks and a file's "ranges" object.
template <class Visit>
constexpr void ForEachRangeField(Visit&& visit) {
  visit("min", &Ranges::min);
  visit("max", &Ranges::max);
  visit("euclid_steps", &Ranges::euclid_steps);
  visit("max_num", &Ranges::max_num);
  visit("max_den", &Ranges::max_den);
  visit("proper", &Ranges::proper);
  visit("degree", &Ranges::degree);
  visit("coef", &Ranges::coef);
  visit("lead", &Ranges::lead);
  visit("int_roots", &Ranges::int_roots);
  visit("roots", &Ranges::roots);
  visit("point", &Ranges::point);
  visit("common_factor", &Ranges::common_factor);
}

// Which fields a kind has: the integer kinds min, max (and euclid_steps for integer-pair);
// the fraction kinds max_num, max_den, proper; the polynomial kinds degree, coef, lead,
// int_roots, roots (and point for polynomial-single, common_factor for polynomial-pair).
enum class RangeFamily { None, Integer, Fraction, Polynomial };
RangeFamily FamilyOf(const ProblemParams& params);
// Whether the kind of `params` has the field of this key.
bool HasRangeField(const ProblemParams& params, std::string_view key);

// The bound of every integer in a range: the program's Long_Max either way.
inline constexpr std::int32_t RangeBound = 2147483646;
inline constexpr std::int32_t MaxEuclidSteps = 8;

// Every field of the kind of `params` set to its default (euclid_steps stays absent: any
// number of divisions); the fields of other kinds absent. A text problem has none.
Ranges DefaultRanges(const ProblemParams& params);

// `given` with its absent fields of the kind filled in from the defaults.
Ranges WithDefaults(const ProblemParams& params, const Ranges& given);

// A range that cannot hold, with the field at fault (its key) and why.
struct RangeRefusal {
  std::string field;   // e.g. "max", "degree", "euclid_steps"
  std::string reason;  // e.g. "is below min (3 < 5)"
};

// The field and its reason in one sentence: "max is below min (3 < 5)".
std::string RefusalText(const RangeRefusal& refusal);

// "-8 to 8", "A to D": the first and the last of a span, in the program's language.
std::string SpanText(std::string_view from, std::string_view to);

// None when `given` can hold for the kind of `params`: bounds in order and within
// -2147483646 .. 2147483646, a degree 0 .. 9 that leaves room for the answer (an integral of
// polynomial-single, a product of polynomial-pair, both at most degree 9), euclid_steps 1 .. 8
// with numbers large enough for that many divisions, a lead range holding a number other than
// 0, no field of another kind. Otherwise the first field at fault.
std::optional<RangeRefusal> CheckRanges(const ProblemParams& params, const Ranges& given);

// The least larger number of a pair whose hcd takes exactly `steps` divisions (1..8): 1 for
// one division, else the Fibonacci number F(steps + 2) (Lamé).
std::int32_t LeastEuclidNumber(int steps);

}  // namespace tessaro
