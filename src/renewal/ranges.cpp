#include "renewal/ranges.h"

#include "numbers/words.h"
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

// The reasons follow the field's key: "max is below min (3 < 5)". The keys, the numbers and
// the signs are filled in after translation.
Check Bounded(const char* field, std::int32_t v, std::int32_t lo, std::int32_t hi) {
  //: After the name of a field: "basis must be from 2 to 201".
  if (v < lo || v > hi)
    return RangeRefusal{field, Fill(translate("ProblemParams", "must be from %1 to %2"),
                                    {Text(lo), Text(hi)})};
  return std::nullopt;
}

Check Ordered(const char* field, const IntRange& r, std::int32_t lo, std::int32_t hi) {
  //: After the key of a range [start, end]: "degree must lie within 0 to 9".
  if (r.lo < lo || r.lo > hi || r.hi < lo || r.hi > hi)
    return RangeRefusal{field, Fill(translate("Ranges", "must lie within %1 to %2"),
                                    {Text(lo), Text(hi)})};
  //: After the key of a range [start, end]: "coef starts above its end (2 > -2)"; %1 is the
  //: start, %2 the end.
  if (r.lo > r.hi)
    return RangeRefusal{field, Fill(translate("Ranges", "starts above its end (%1 > %2)"),
                                    {Text(r.lo), Text(r.hi)})};
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
  //: After the key max: "max is below min (3 < 5)"; %1 is the key min, %2 max's value, %3 min's.
  if (*r.max < *r.min)
    return RangeRefusal{"max", Fill(translate("Ranges", "is below %1 (%2 < %3)"),
                                    {"min", Text(*r.max), Text(*r.min)})};
  if (!IsIntPair(params)) return std::nullopt;
  //: After the key max: "max leaves only 0 to draw, and b is never 0"; %1 is 0, %2 the name of
  //: the divisor b.
  if (*r.min == 0 && *r.max == 0)
    return RangeRefusal{"max", Fill(translate("Ranges", "leaves only %1 to draw, and %2 is never %1"),
                                    {"0", "b"})};
  if (!r.euclid_steps) return std::nullopt;
  if (Check c = Bounded("euclid_steps", *r.euclid_steps, 1, MaxEuclidSteps)) return c;
  const std::int32_t least = LeastEuclidNumber(*r.euclid_steps);
  if (Reach(*r.min, *r.max) < least)
    //: After the key euclid_steps: "euclid_steps of 5 needs a number of 13 or more in
    //: magnitude; min and max allow at most 12". %1 is the steps, %2 the least number, %3 and
    //: %4 the keys min and max, %5 the largest number they allow.
    return RangeRefusal{"euclid_steps",
                        Fill(translate("Ranges", "of %1 needs a number of %2 or more in magnitude; "
                                                 "%3 and %4 allow at most %5"),
                             {Text(*r.euclid_steps), Text(least), "min", "max",
                              std::to_string(Reach(*r.min, *r.max))})};
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
  //: After the key lead: "lead holds only 0, and a leading coefficient is never 0"; %1 is 0.
  if (r.lead->lo == 0 && r.lead->hi == 0)
    return RangeRefusal{"lead", Fill(translate("Ranges", "holds only %1, and a leading coefficient "
                                                         "is never %1"),
                                     {"0"})};
  if (Check c = Ordered("roots", *r.roots, -RangeBound, RangeBound)) return c;
  if (r.point)
    if (Check c = Ordered("point", *r.point, -RangeBound, RangeBound)) return c;
  // Renewal takes no answer with a result beyond degree 9: an integral raises the degree by
  // one, a product adds the degrees.
  const std::string top = Text(MaxDegree);
  //: After the key degree: "degree starts at 9, and the integral of a polynomial of degree 9 is
  //: beyond degree 9"; %1 is 9.
  if (IsSingle(params) && r.degree->lo == MaxDegree)
    return RangeRefusal{"degree", Fill(translate("Ranges", "starts at %1, and the integral of a "
                                                           "polynomial of degree %1 is beyond "
                                                           "degree %1"),
                                       {top})};
  //: After the key degree: "degree starts at 5, and the product of two polynomials of that
  //: degree is beyond degree 9"; %1 is the start, %2 is 9.
  if (IsPolPair(params) && 2 * r.degree->lo > MaxDegree)
    return RangeRefusal{"degree", Fill(translate("Ranges", "starts at %1, and the product of two "
                                                           "polynomials of that degree is beyond "
                                                           "degree %2"),
                                       {Text(r.degree->lo), top})};
  //: After the key common_factor: "common_factor needs a degree of 1 or more; degree goes up
  //: to 0"; %1 is 1, %2 the key degree, %3 its end.
  if (r.common_factor.value_or(false) && r.degree->hi < 1)
    return RangeRefusal{"common_factor",
                        Fill(translate("Ranges", "needs a degree of %1 or more; %2 goes up to %3"),
                             {"1", "degree", Text(r.degree->hi)})};
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
  return FieldRefusal(refusal.field, refusal.reason);
}

std::string SpanText(std::string_view from, std::string_view to) {
  //: A span of numbers or of versions: "-8 to 8", "A to D".
  return Fill(translate("Ranges", "%1 to %2"), {from, to});
}

std::optional<RangeRefusal> CheckRanges(const ProblemParams& params, const Ranges& given) {
  if (const std::optional<std::string> foreign = ForeignField(params, given))
    //: After the key of a range: "proper is not a range of polynomial-single problems"; %1 is
    //: the kind's name as the files write it.
    return RangeRefusal{*foreign, Fill(translate("Ranges", "is not a range of %1 problems"),
                                       {KindName(params)})};
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
