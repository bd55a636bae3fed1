#include "numbers/rateval.h"

#include <vector>

#include "numbers/conversionerror.h"
#include "numbers/longint.h"

// The evaluator splits the text recursively, as the teaching material describes it: strip
// one enclosing pair of parentheses, take a literal, or split at a depth-0 operator,
// trying + - * / in that order, then a leading sign, then ^.
//
// Grouping: "+" and "*" split at their first occurrence, which groups to the right, and
// "-" and "/" at their last, which groups to the left; both give the true value, since a
// chain of + or * is associative while a-b-c must be (a-b)-c. Rather than recursing once
// per operator (a chain of 500 terms would be 500 levels deep), a chain of one operator is
// cut into all its segments and folded in the order the recursive split would combine
// them; so the depth grows only with parentheses and signs.

namespace tessaro {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A + or - right after one of these is an operator; anywhere else it is a sign.
bool EndsOperand(char c) { return IsDigit(c) || IsLetter(c) || c == ')'; }

// Removes one pair of parentheses when the first "(" is closed by the last character.
void StripEnclosing(std::string_view& e) {
  if (e.size() < 2 || e.front() != '(' || e.back() != ')') return;
  int depth = 0;
  for (size_t i = 0; i + 1 < e.size(); ++i) {
    if (e[i] == '(') ++depth;
    if (e[i] == ')') --depth;
    if (depth == 0) return;  // closed before the end: (a)+(b)
  }
  if (depth == 1) e = e.substr(1, e.size() - 2);
}

// Positions of op whose left part has as many "(" as ")"; a + or - only where binary.
std::vector<size_t> SplitPoints(std::string_view e, char op) {
  std::vector<size_t> points;
  int depth = 0;
  for (size_t i = 0; i < e.size(); ++i) {
    char c = e[i];
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      --depth;
    } else if (c == op && depth == 0) {
      bool binary = (op != '+' && op != '-') || (i > 0 && EndsOperand(e[i - 1]));
      if (binary) points.push_back(i);
    }
  }
  return points;
}

// A zero carries no denominator into later steps, where it could overflow an LCM.
void Normalize(Rational& r) {
  if (r.Num == 0) r.Den = 1;
}

// The text from the start of `first` to the end of `last`, two pieces of one text.
std::string_view Span(std::string_view first, std::string_view last) {
  return {first.data(), static_cast<size_t>(last.data() + last.size() - first.data())};
}

// What the evaluation tells its observer, when it has one.
struct Report {
  RatEvalObserver* observer;

  void Read(std::string_view part, Rational value) const {
    if (observer) observer->Read(part, value);
  }
  void Worked(std::string_view part, Rational value) const {
    if (observer) observer->Worked(part, value);
  }
  bool Failed(std::string_view part, RatEvalFailure why) const {
    if (observer) observer->Failed(part, why);
    return false;
  }
  // a op b failed: a zero divisor or denominator, else an overflow.
  bool ApplyFailed(std::string_view part, char op, Rational a, Rational b) const {
    const bool byZero = a.Den == 0 || b.Den == 0 || (op == '/' && b.Num == 0);
    return Failed(part, byZero ? RatEvalFailure::DivisionByZero : RatEvalFailure::Overflow);
  }
};

bool Eval(std::string_view e, Rational& r, int depth, const Report& report);

// An operand that is a fraction literal is taken as typed (unreduced); anything else is
// evaluated one level deeper. A literal denominator of 0 is a division by zero.
bool Operand(std::string_view text, Rational& r, int depth, const Report& report) {
  if (IsRatText(text)) {
    RatFromText(text, r);
    if (r.Den == 0) return report.Failed(text, RatEvalFailure::DivisionByZero);
    report.Read(text, r);
    return true;
  }
  return Eval(text, r, depth + 1, report);
}

// a+b+c is a+(b+c) and a*b*c is a*(b*c): operands left to right, combined from the right.
bool FoldRight(char op, std::string_view e, const std::vector<std::string_view>& parts,
               Rational& r, int depth, const Report& report) {
  size_t n = parts.size();
  std::vector<Rational> values(n);
  for (size_t i = 0; i < n; ++i) {
    // Each split rejects an empty side before it evaluates its left operand.
    if (parts[i].empty() || (i + 2 == n && parts[n - 1].empty())) {
      return report.Failed(e, RatEvalFailure::Unreadable);
    }
    if (!Operand(parts[i], values[i], depth, report)) return false;
  }
  Rational acc = values[n - 1];
  for (size_t i = n - 1; i-- > 0;) {
    const Rational right = acc;
    std::string_view part = Span(parts[i], parts[n - 1]);
    if (!RatApply(op, values[i], right, acc)) {
      return report.ApplyFailed(part, op, values[i], right);
    }
    Normalize(acc);
    report.Worked(part, acc);
  }
  r = acc;
  return true;
}

// a-b-c is (a-b)-c and a/b/c is (a/b)/c. Every split rejects its empty sides before any
// operand is evaluated, so all parts are checked first.
bool FoldLeft(char op, std::string_view e, const std::vector<size_t>& points,
              const std::vector<std::string_view>& parts, Rational& r, int depth,
              const Report& report) {
  for (std::string_view part : parts) {
    if (part.empty()) return report.Failed(e, RatEvalFailure::Unreadable);
  }
  Rational acc;
  size_t next = 1;
  // The innermost left part of a/b/c is the text a/b, a fraction literal when a and b are
  // integer literals, and then it is taken as typed.
  if (parts.size() >= 3 && IsRatText(e.substr(0, points[1]))) {
    if (!Operand(e.substr(0, points[1]), acc, depth, report)) return false;
    next = 2;
  } else if (!Operand(parts[0], acc, depth, report)) {
    return false;
  }
  for (size_t i = next; i < parts.size(); ++i) {
    Rational b;
    if (!Operand(parts[i], b, depth, report)) return false;
    const Rational a = acc;
    std::string_view part = Span(parts[0], parts[i]);
    if (!RatApply(op, a, b, acc)) return report.ApplyFailed(part, op, a, b);
    Normalize(acc);
    report.Worked(part, acc);
  }
  r = acc;
  return true;
}

bool Power(std::string_view e, Rational& r, int depth, const Report& report) {
  std::vector<size_t> carets = SplitPoints(e, '^');
  if (carets.empty()) return report.Failed(e, RatEvalFailure::Unreadable);
  std::string_view base = e.substr(0, carets[0]);
  std::string_view exponent = e.substr(carets[0] + 1);
  if (base.empty()) return report.Failed(e, RatEvalFailure::Unreadable);
  Rational a;
  if (!Operand(base, a, depth, report)) return false;
  if (!IsIntText(exponent)) throw ConversionError(exponent);
  int32_t k = IntOfText(exponent);
  if (k == 0) {
    r = {1, 1};
  } else if (a.Num == 0) {
    if (k < 0) return report.Failed(e, RatEvalFailure::DivisionByZero);  // 1/0
    r = {0, 1};
  } else {
    RatPow(a, k, r);
    if (r.Num == 0 || r.Den == 0) return report.Failed(e, RatEvalFailure::Overflow);
  }
  report.Worked(e, r);
  return true;
}

bool Eval(std::string_view e, Rational& r, int depth, const Report& report) {
  if (depth > RatEvalMaxNesting) return report.Failed(e, RatEvalFailure::TooDeep);
  const std::string_view whole = e;
  StripEnclosing(e);
  if (e.empty()) return report.Failed(whole, RatEvalFailure::Unreadable);
  if (IsIntText(e)) {
    r = {IntOfText(e), 1};
    report.Read(e, r);
    return true;
  }

  for (char op : {'+', '-', '*', '/'}) {
    std::vector<size_t> points = SplitPoints(e, op);
    if (points.empty()) continue;
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t p : points) {
      parts.push_back(e.substr(start, p - start));
      start = p + 1;
    }
    parts.push_back(e.substr(start));
    bool ok = (op == '+' || op == '*') ? FoldRight(op, e, parts, r, depth, report)
                                       : FoldLeft(op, e, points, parts, r, depth, report);
    if (ok) Normalize(r);
    return ok;
  }

  // No binary operator is left at depth 0, so a leading sign applies to the whole rest,
  // a power included: -2^2 is -(2^2).
  if (e.front() == '-' || e.front() == '+') {
    const std::string_view signed_ = e;
    bool negative = false;
    while ((e.front() == '-' || e.front() == '+') && !IsIntText(e)) {
      negative ^= e.front() == '-';
      e.remove_prefix(1);
    }
    if (!Eval(e, r, depth + 1, report)) return false;
    if (negative) {
      if (r.Num == INT32_MIN) return report.Failed(signed_, RatEvalFailure::Overflow);
      r.Num = -r.Num;
    }
    report.Worked(signed_, r);
    return true;
  }

  return Power(e, r, depth, report);
}

}  // namespace

bool RatApply(char op, Rational a, Rational b, Rational& r) {
  switch (op) {
    case '+': return RatAdd(a, b, r);
    case '-': return RatSub(a, b, r);
    case '*': return RatMul(a, b, r);
    case '/': return RatDiv(a, b, r);
    default: return false;
  }
}

bool RatEval(std::string_view text, Rational& r, RatEvalObserver* observer) {
  Rational result;
  if (!Eval(text, result, 0, Report{observer})) return false;
  r = result;
  return true;
}

}  // namespace tessaro
