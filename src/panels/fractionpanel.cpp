#include "panels/fractionpanel.h"

#include <cstdint>
#include <cstdlib>
#include <numeric>

namespace tessaro {

FractionList MakeFractionList() { return FractionList(FractionListRules(), RatEqual); }

bool ReducesWithinLongMax(Rational r) {
  if (r.Num == 0) return true;  // every zero prints as 0 and adds as 0
  const std::int64_t g = std::gcd(std::int64_t{r.Num}, std::int64_t{r.Den});
  const std::int64_t num = r.Num / g;
  const std::int64_t den = r.Den / g;
  // Only a sign that has to move can push a part past the bound: a positive denominator
  // stays as typed.
  return den > 0 || (std::llabs(num) <= Long_Max && -den <= Long_Max);
}

EnteredFraction EnterFraction(FractionList& list, std::string_view numerator,
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
  if (!ReducesWithinLongMax(typed)) {
    entry.Outcome = FractionEntry::DoesNotFit;
    return entry;
  }
  Rational simplified = typed;
  RatSimplify(simplified);
  // The list tells a repeat by the pair as typed, not by its value: 2/4 may join 1/2.
  switch (list.Add(typed)) {
    case ListAdd::Duplicate:
      entry.Outcome = FractionEntry::AlreadyListed;
      return entry;
    case ListAdd::Full:
      entry.Outcome = FractionEntry::ListFull;
      return entry;
    case ListAdd::Added:
      break;
  }
  if (simplifyAlways) list.Replace(list.Size() - 1, simplified);
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
  results.F1 = RatText(f1);
  results.F2 = RatText(f2);
  const auto cell = [&](auto op) {
    Rational r;
    return op(f1, f2, r) ? RatText(r) : ShownFailure(NotCalculable);
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
