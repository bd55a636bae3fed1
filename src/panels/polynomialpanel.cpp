#include "panels/polynomialpanel.h"

#include "numbers/words.h"
#include "panels/failuretexts.h"
#include "panels/fractionpanel.h"
#include "polynomials/coefficient.h"
#include "polynomials/polarith.h"

namespace tessaro {

namespace {

// A coefficient the window may use: a rational with a non-zero denominator.
bool ReadRational(std::string_view text, Rational& r) { return RatFromText(text, r) && r.Den != 0; }

}  // namespace

CellsRead PolFromCells(const PolCells& cells, Polynomial& p) {
  PolZero(p);
  bool any = false;
  for (int k = 0; k < 10; ++k) {
    if (cells[k].empty()) continue;
    any = true;
    // The text form's rule, so that every item of the list reads back from its text.
    if (!coef::Read(cells[k], p[k])) return CellsRead::Refused;
  }
  return any ? CellsRead::Read : CellsRead::Empty;
}

PolCells CellsOfIntPol(const IntPolynomial& ip) {
  PolCells cells;
  for (int k = 0; k < 10; ++k)
    if (ip[k] != 0) cells[k] = std::to_string(ip[k]);
  return cells;
}

std::string PolValueText(const Polynomial& p, std::string_view x) {
  Rational at, value;
  if (!ReadRational(x, at) || !PolValueAt(p, at, value)) return ShownFailure(NotCalculable);
  return RatText(value);
}

PolUnaryTexts UnaryTextsOf(const Polynomial& p) {
  PolUnaryTexts t;
  RootList roots{};
  if (PolIntRoots(p, roots) < 0) {
    t.roots = t.factorization = ShownFailure(NotCalculable);
  } else {
    TwoS texts = RootsText(roots);
    t.roots = std::move(texts.roots);
    t.factorization = std::move(texts.factorization);
  }
  Polynomial d{};
  t.derivative = PolDerivative(p, d) == PolDone ? PolToText(d) : ShownFailure(CoefficientOverflow);
  Polynomial i{};
  switch (PolIntegral(p, i)) {
    case PolDone:
      t.integral = PolToText(i) + "+C";
      break;
    case PolDegreeTooHigh:
      t.integral = ShownFailure(DegreeAbove9);
      break;
    default:
      t.integral = ShownFailure(CoefficientOverflow);
  }
  return t;
}

PolBinaryTexts BinaryTextsOf(const Polynomial& a, const Polynomial& b) {
  PolBinaryTexts t;
  Polynomial r{};
  t.sum = PolAdd(a, b, r) == PolDone ? PolToText(r) : ShownFailure(CoefficientOverflow);
  t.difference = PolSub(a, b, r) == PolDone ? PolToText(r) : ShownFailure(CoefficientOverflow);
  switch (PolMul(a, b, r)) {
    case PolDone:
      t.product = PolToText(r);
      break;
    case PolDegreeTooHigh:
      t.product = ShownFailure(DegreeAbove9);
      break;
    default:
      t.product = ShownFailure(CoefficientOverflow);
  }
  Polynomial q{};
  const int division = PolDivMod(a, b, q, r);
  if (division >= PolDividesExactly) {  // exactly or with a remainder
    t.quotient = PolToText(q);
    t.remainder = PolToText(r);
  } else {
    // Any failure but an overflow is a zero divisor.
    t.quotient = t.remainder = ShownFailure(division == PolOverflowed ? CoefficientOverflow : NotCalculable);
  }
  t.hcd = PolHcd(a, b, r) == PolDone ? PolToText(r) : ShownFailure(HcdLcmOverflow);
  t.lcm = PolLcm(a, b, r) == PolDone ? PolToText(r) : ShownFailure(HcdLcmOverflow);
  return t;
}

PolBinaryCaptions BinaryCaptionsOf(char a, char b) {
  const std::string x(1, a), y(1, b);
  auto [sum, difference, product, quotient] = BinaryLabels(x, y);
  return {std::move(sum), std::move(difference), std::move(product), std::move(quotient),
          x + "," + y};
}

PolCombinedText CombinedTextOf(int code, const Polynomial& result) {
  switch (code) {
    case EvalDone:
      return {PolToText(result), std::nullopt};
    case EvalNotDivisible:
      return {translate("Polynomials", "Not divisible polynomials"), TextColour{250, 0, 0}};
    case EvalBadExponent:
      //: %1 is ">1": the exponent must be an integer greater than 1.
      return {Fill(translate("Polynomials", "exponent should be %1 integer"), {">1"}),
              TextColour{150, 0, 0}};
    case EvalDegreeAbove9:
      return {ShownFailure(DegreeAbove9), TextColour{100, 0, 0}};
    case EvalOverflow:  // shown as a failed division is
      return {ShownFailure(CoefficientOverflow), TextColour{250, 0, 0}};
    default:
      //: An evaluation that ended in a way the program does not know; shouted on purpose.
      return {translate("Polynomials", "WHAT IS IT?"), TextColour{128, 0, 64}};
  }
}

}  // namespace tessaro
