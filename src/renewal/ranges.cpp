#include "renewal/ranges.h"

#include "polynomials/polynomial.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <type_traits>
#include <variant>

namespace tessaro {

namespace {

// The first field at fault, or none.
using Check = std::optional<RangeRefusal>;

std::string Text(std::int32_t v) { return std::to_string(v); }

Check Bounded(const char* field, std::int32_t v, std::int32_t lo, std::int32_t hi) {
  if (v < lo || v > hi) return RangeRefusal{field, "must be from " + Text(lo) + " to " + Text(hi)};
  return std::nullopt;
}

Check Ordered(const char* field, const IntRange& r, std::int32_t lo, std::int32_t hi) {
  if (r.lo < lo || r.lo > hi || r.hi < lo || r.hi > hi)
    return RangeRefusal{field, "must lie within " + Text(lo) + " to " + Text(hi)};
  if (r.lo > r.hi)
    return RangeRefusal{field, "starts above its end (" + Text(r.lo) + " > " + Text(r.hi) + ")"};
  return std::nullopt;
}

// The largest magnitude a number of lo .. hi can have.
std::int64_t Reach(std::int32_t lo, std::int32_t hi) {
  return std::max(std::llabs(std::int64_t{lo}), std::llabs(std::int64_t{hi}));
}

bool IsSingle(const ProblemParams& p) { return std::holds_alternative<PolynomialSingleParams>(p); }
bool IsPolPair(const ProblemParams& p) { return std::holds_alternative<PolynomialPairParams>(p); }
bool IsIntPair(const ProblemParams& p) { return std::holds_alternative<IntegerPairParams>(p); }

// The first field set in `r` that the kind of `params` does not have.
std::optional<std::string> ForeignField(const ProblemParams& params, const Ranges& r) {
  std::optional<std::string> foreign;
  ForEachRangeField([&](std::string_view key, auto field) {
    if (!foreign && (r.*field).has_value() && !HasRangeField(params, key))
      foreign = std::string(key);
  });
  return foreign;
}

Check CheckInteger(const ProblemParams& params, const Ranges& r) {
  if (Check c = Bounded("min", *r.min, -RangeBound, RangeBound)) return c;
  if (Check c = Bounded("max", *r.max, -RangeBound, RangeBound)) return c;
  if (*r.max < *r.min)
    return RangeRefusal{"max", "is below min (" + Text(*r.max) + " < " + Text(*r.min) + ")"};
  if (!IsIntPair(params)) return std::nullopt;
  if (*r.min == 0 && *r.max == 0)
    return RangeRefusal{"max", "leaves only 0 to draw, and b is never 0"};
  if (!r.euclid_steps) return std::nullopt;
  if (Check c = Bounded("euclid_steps", *r.euclid_steps, 1, MaxEuclidSteps)) return c;
  const std::int32_t least = LeastEuclidNumber(*r.euclid_steps);
  if (Reach(*r.min, *r.max) < least)
    return RangeRefusal{"euclid_steps",
                        "of " + Text(*r.euclid_steps) + " needs a number of " + Text(least) +
                            " or more in magnitude; min and max allow at most " +
                            std::to_string(Reach(*r.min, *r.max))};
  return std::nullopt;
}

Check CheckFraction(const Ranges& r) {
  if (Check c = Bounded("max_num", *r.max_num, 1, RangeBound)) return c;
  return Bounded("max_den", *r.max_den, 2, RangeBound);
}

Check CheckPolynomial(const ProblemParams& params, const Ranges& r) {
  if (Check c = Ordered("degree", *r.degree, 0, MaxDegree)) return c;
  if (Check c = Ordered("coef", *r.coef, -RangeBound, RangeBound)) return c;
  if (Check c = Ordered("lead", *r.lead, -RangeBound, RangeBound)) return c;
  if (r.lead->lo == 0 && r.lead->hi == 0)
    return RangeRefusal{"lead", "holds only 0, and a leading coefficient is never 0"};
  if (Check c = Ordered("roots", *r.roots, -RangeBound, RangeBound)) return c;
  if (r.point)
    if (Check c = Ordered("point", *r.point, -RangeBound, RangeBound)) return c;
  // Renewal takes no answer with a result beyond degree 9: an integral raises the degree by
  // one, a product adds the degrees.
  if (IsSingle(params) && r.degree->lo == MaxDegree)
    return RangeRefusal{"degree", "starts at 9, and the integral of a polynomial of degree 9 "
                                  "is beyond degree 9"};
  if (IsPolPair(params) && 2 * r.degree->lo > MaxDegree)
    return RangeRefusal{"degree", "starts at " + Text(r.degree->lo) +
                                      ", and the product of two polynomials of that degree is "
                                      "beyond degree 9"};
  if (r.common_factor.value_or(false) && r.degree->hi < 1)
    return RangeRefusal{"common_factor", "needs a degree of 1 or more; degree goes up to " +
                                             Text(r.degree->hi)};
  return std::nullopt;
}

}  // namespace

RangeFamily FamilyOf(const ProblemParams& params) {
  return std::visit(
      [](const auto& p) {
        using P = std::decay_t<decltype(p)>;
        if constexpr (std::is_same_v<P, IntegerSingleParams> ||
                      std::is_same_v<P, IntegerPairParams> ||
                      std::is_same_v<P, IntegerListParams> ||
                      std::is_same_v<P, IntegerCombinedParams>)
          return RangeFamily::Integer;
        else if constexpr (std::is_same_v<P, FractionPairParams> ||
                           std::is_same_v<P, FractionCombinedParams>)
          return RangeFamily::Fraction;
        else if constexpr (std::is_same_v<P, PolynomialSingleParams> ||
                           std::is_same_v<P, PolynomialPairParams> ||
                           std::is_same_v<P, PolynomialCombinedParams>)
          return RangeFamily::Polynomial;
        else
          return RangeFamily::None;
      },
      params);
}

Ranges DefaultRanges(const ProblemParams& params) {
  Ranges r;
  switch (FamilyOf(params)) {
    case RangeFamily::Integer:
      // The two-integer panel's dice draw 1 .. 10; the list's dice 1 .. 30 most of the time.
      r.min = 1;
      r.max = std::holds_alternative<IntegerListParams>(params) ||
                      std::holds_alternative<IntegerCombinedParams>(params)
                  ? 30
                  : 10;
      break;
    case RangeFamily::Fraction:
      // The Fractions window's dice: 1 .. 30 over 2 .. 41, never whole.
      r.max_num = 30;
      r.max_den = 41;
      r.proper = false;
      break;
    case RangeFamily::Polynomial:
      // The Polynomials window's dice: degree 1 .. 8, leading coefficient 1 .. 9, the
      // others -8 .. 8.
      r.degree = IntRange{1, 8};
      r.coef = IntRange{-8, 8};
      r.lead = IntRange{1, 9};
      r.int_roots = false;
      r.roots = IntRange{-5, 5};
      if (IsSingle(params)) r.point = IntRange{-5, 5};
      if (IsPolPair(params)) r.common_factor = false;
      break;
    case RangeFamily::None:
      break;
  }
  return r;
}

Ranges WithDefaults(const ProblemParams& params, const Ranges& given) {
  Ranges r = DefaultRanges(params);
  ForEachRangeField([&](std::string_view, auto field) {
    if (given.*field) r.*field = given.*field;
  });
  return r;
}

bool HasRangeField(const ProblemParams& params, std::string_view key) {
  // Every field of a kind has a default but euclid_steps, which is absent unless asked for.
  if (key == "euclid_steps") return IsIntPair(params);
  const Ranges defaults = DefaultRanges(params);
  bool has = false;
  ForEachRangeField([&](std::string_view k, auto field) {
    if (k == key) has = (defaults.*field).has_value();
  });
  return has;
}

std::string RefusalText(const RangeRefusal& refusal) {
  return refusal.field + " " + refusal.reason;
}

std::optional<RangeRefusal> CheckRanges(const ProblemParams& params, const Ranges& given) {
  if (const std::optional<std::string> foreign = ForeignField(params, given))
    return RangeRefusal{*foreign,
                        "is not a range of " + std::string(KindName(params)) + " problems"};
  const Ranges r = WithDefaults(params, given);
  switch (FamilyOf(params)) {
    case RangeFamily::Integer:
      return CheckInteger(params, r);
    case RangeFamily::Fraction:
      return CheckFraction(r);
    case RangeFamily::Polynomial:
      return CheckPolynomial(params, r);
    case RangeFamily::None:
      break;
  }
  return std::nullopt;
}

std::int32_t LeastEuclidNumber(int steps) {
  if (steps <= 1) return 1;
  // F(steps + 2) with F(1) = F(2) = 1.
  std::int32_t a = 1, b = 1;
  for (int i = 2; i < steps + 2; ++i) {
    const std::int32_t c = a + b;
    a = b;
    b = c;
  }
  return b;
}

}  // namespace tessaro
