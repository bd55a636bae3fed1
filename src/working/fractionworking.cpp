#include "working/fractionworking.h"

#include <numeric>
#include <string>

#include "numbers/numbers.h"
#include "numbers/words.h"
#include "panels/failuretexts.h"
#include "polynomials/coefficient.h"
#include "working/stepwords.h"

namespace tessaro {

namespace {

using work::Dot;
using work::Divide;
using work::Factor;
using work::Str;

// n/d with the sign on the numerator, or n alone for d = 1.
std::string Frac(std::int64_t n, std::int64_t d) {
  if (d < 0) {
    n = -n;
    d = -d;
  }
  return d == 1 ? Str(n) : Str(n) + "/" + Str(d);
}

// An operand after an operator: a negative one in parentheses.
std::string After(const std::string& text) {
  return !text.empty() && text[0] == '-' ? "(" + text + ")" : text;
}

// The steps joined by " = ", then the failure or the value, when it is not the last step.
std::string Chain(const std::vector<std::string>& steps) {
  std::string line;
  for (const std::string& s : steps) line += (line.empty() ? "" : " = ") + s;
  return line;
}

// A step and the words that it cannot be calculated: "1/2 + 3/0 > LONG_MAX, Not calculable".
std::string NotCalculableAfter(const std::string& step) {
  return step + ", " + ShownFailure(NotCalculable);
}

std::string Failed(const std::vector<std::string>& steps) {
  return NotCalculableAfter(Chain(steps) + std::string(IntOverflow));
}

// "1/0: denominator 0": `text` is the fraction or operation with a zero denominator.
std::string DenominatorZero(const std::string& text) {
  //: %1 is a fraction or an operation of fractions with a denominator 0; %2 is 0.
  return Fill(translate("Working", "%1: denominator %2"), {text, "0"});
}

std::string Finished(std::vector<std::string> steps, Rational r) {
  const std::string value = RatText(r);
  if (steps.back() != value) steps.push_back(value);
  return Chain(steps);
}

std::string SumLine(bool subtract, Rational a, Rational b, const std::string& head) {
  const std::int32_t l = Lcm(a.Den, b.Den);
  if (l == 0) {
    return NotCalculableAfter(head + ": " + LcmName() + "(" + Str(std::abs(std::int64_t{a.Den})) +
                              "," + Str(std::abs(std::int64_t{b.Den})) + ") > LONG_MAX");
  }
  // Each fraction over the LCM: its numerator times l / its denominator.
  const std::int64_t p = std::int64_t{l} / a.Den * a.Num;
  const std::int64_t q = std::int64_t{l} / b.Den * b.Num;
  const std::string sign = subtract ? " - " : " + ";
  std::vector<std::string> steps{head};
  if (!(a.Den == l && b.Den == l)) steps.push_back(Frac(p, l) + sign + After(Frac(q, l)));
  if (!coef::WithinLongMax(p) || !coef::WithinLongMax(q)) return Failed(steps);
  const std::int64_t s = subtract ? p - q : p + q;
  steps.push_back(Frac(s, l));
  if (!coef::WithinLongMax(s)) return Failed(steps);
  Rational r;
  if (!(subtract ? RatSub(a, b, r) : RatAdd(a, b, r))) return Failed(steps);
  return Finished(steps, r);
}

std::string ProductLine(Rational a, Rational b, const std::string& head) {
  std::vector<std::string> steps{head};
  steps.push_back("(" + Factor(a.Num) + Dot + Factor(b.Num) + ")/(" + Factor(a.Den) + Dot +
                  Factor(b.Den) + ")");
  steps.push_back(Frac(std::int64_t{a.Num} * b.Num, std::int64_t{a.Den} * b.Den));
  // The product cancels crosswise first, so it may fit where these products do not.
  Rational r;
  if (!RatMul(a, b, r)) return Failed(steps);
  return Finished(steps, r);
}

std::string QuotientLine(Rational a, Rational b, const std::string& head) {
  if (b.Num == 0) return NotCalculableAfter(work::DivisionByZero(head));
  std::vector<std::string> steps{head};
  steps.push_back(RatText(a) + " " + Dot + " " + After(Frac(b.Den, b.Num)));
  const std::int64_t n = std::int64_t{a.Num} * b.Den, d = std::int64_t{a.Den} * b.Num;
  steps.push_back(Frac(n, d));
  Rational r;
  if (!coef::WithinLongMax(n) || !coef::WithinLongMax(d) || !RatDiv(a, b, r)) return Failed(steps);
  return Finished(steps, r);
}

}  // namespace

Working SimplifyWorking(Rational typed) {
  Working w;
  const std::string text = RatText(typed);
  const std::string pair = Str(typed.Num) + "/" + Str(typed.Den);
  if (typed.Den == 0) {
    w.Add(DenominatorZero(pair));
    return w;
  }
  if (typed.Num == 0) {
    w.Add(pair + " = 0");
    return w;
  }
  const std::int64_t g = std::gcd(std::int64_t{typed.Num}, std::int64_t{typed.Den});
  if (g == 1 && typed.Den > 0) {
    //: %1 is a fraction, %2 says its numerator and denominator have no common divisor:
    //: "3/4: hcd(3,4) = 1, already in lowest terms".
    w.Add(Fill(translate("Working", "%1: %2, already in lowest terms"),
               {text, HcdName() + "(" + Str(typed.Num) + "," + Str(typed.Den) + ") = 1"}));
    return w;
  }
  // Dividing by the hcd with the sign of the denominator leaves that one positive.
  const std::int64_t divisor = typed.Den < 0 ? -g : g;
  const std::string steps = pair + " = (" + Str(typed.Num) + Divide + Factor(divisor) + ")/(" +
                            Str(typed.Den) + Divide + Factor(divisor) + ")";
  Rational reduced = typed;
  if (!RatSimplify(reduced)) {
    // Only a numerator of 2147483648 cannot be written: the fraction stays as typed.
    //: %1 is a simplification that cannot be written ("... > LONG_MAX"), %2 the fraction as typed.
    w.Add(Fill(translate("Working", "%1, kept as %2"),
               {steps + " = " + Frac(typed.Num / divisor, typed.Den / divisor) + std::string(IntOverflow), text}));
    return w;
  }
  w.Add(steps + " = " + RatText(reduced));
  return w;
}

Working FractionOperationWorking(char op, Rational a, Rational b) {
  Working w;
  const std::string sign = op == '*' ? std::string(" ") + Dot + " " : std::string(" ") + op + " ";
  const std::string head = RatText(a) + sign + After(RatText(b));
  if (a.Den == 0 || b.Den == 0) {
    w.Add(NotCalculableAfter(DenominatorZero(head)));
    return w;
  }
  switch (op) {
    case '+':
      w.Add(SumLine(false, a, b, head));
      break;
    case '-':
      w.Add(SumLine(true, a, b, head));
      break;
    case '*':
      w.Add(ProductLine(a, b, head));
      break;
    default:
      w.Add(QuotientLine(a, b, head));
      break;
  }
  return w;
}

Working FractionPairWorking(std::string_view f1, std::string_view f2) {
  Working w;
  Rational a, b;
  if (!RatFromText(f1, a) || !RatFromText(f2, b)) {
    //: %1 and %2 are the two texts typed as fractions.
    w.Add(Fill(translate("Working", "%1, %2: not two fractions"), {f1, f2}));
    return w;
  }
  for (char op : {'+', '-', '*', '/'}) {
    const Working one = FractionOperationWorking(op, a, b);
    for (const std::string& line : one.Lines()) w.Add(line);
  }
  return w;
}

}  // namespace tessaro
