#include "panels/fractionpanel.h"

#include <algorithm>

namespace tessaro {

EnteredFraction EnterFraction(std::vector<Rational>& list, std::string_view numerator,
                              std::string_view denominator, bool simplifyAlways) {
  Rational typed;
  const int32_t num = IntOfText(numerator);
  const int32_t den = IntOfText(denominator);
  RatSet(num, den, typed);
  EnteredFraction entry;
  if (den == 0) {
    entry.Outcome = FractionEntry::ZeroDenominator;
    return entry;
  }
  // The same pair as typed, not merely the same value: 2/4 may join 1/2.
  if (std::any_of(list.begin(), list.end(), [&](Rational r) { return RatEqual(r, typed); })) {
    entry.Outcome = FractionEntry::AlreadyListed;
    return entry;
  }
  if (list.size() >= MaxFractions) {
    entry.Outcome = FractionEntry::ListFull;
    return entry;
  }
  Rational simplified = typed;
  RatSimplify(simplified);
  list.push_back(simplifyAlways ? simplified : typed);
  entry.AsTyped = RatText(typed);
  entry.Simplified = RatText(simplified);
  return entry;
}

std::vector<std::string> FractionListTexts(const std::vector<Rational>& list) {
  std::vector<std::string> texts;
  texts.reserve(list.size());
  for (Rational r : list) texts.push_back(RatText(r));
  return texts;
}

std::array<std::string, 4> BinaryLabels(std::string_view first, std::string_view second) {
  const std::string a(first);
  const std::string b(second);
  return {a + " + " + b, a + " - " + b, a + " \xC2\xB7 " + b, a + " / " + b};
}

BinaryResults BinaryOperations(std::string_view first, std::string_view second) {
  BinaryResults results;
  Rational f1;
  Rational f2;
  if (!RatFromText(first, f1) || !RatFromText(second, f2)) return results;
  if (f1.Den == 0 || f2.Den == 0) {
    results.Outcome = BinaryOutcome::ZeroDenominator;
    return results;
  }
  results.Outcome = BinaryOutcome::Done;
  const auto cell = [&](auto op) {
    Rational r;
    return op(f1, f2, r) ? RatText(r) : std::string(NotCalculable);
  };
  results.Cells = {cell(RatAdd), cell(RatSub), cell(RatMul), cell(RatDiv)};
  return results;
}

std::optional<std::string> CombinedValue(std::string_view expression) {
  Rational r;
  if (!RatEval(expression, r)) return std::nullopt;
  return RatText(r);
}

}  // namespace tessaro
