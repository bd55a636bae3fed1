#include "polynomials/poleval.h"

#include <vector>

#include "polynomials/coefficient.h"
#include "polynomials/polarith.h"

namespace tessaro {

namespace {

// Tried in this order, so + and - bind loosest and ^ tightest.
constexpr std::string_view Operators = "+-*/^";

bool EndsOperand(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ')';
}

int ParenStep(char c) { return c == '(' ? 1 : c == ')' ? -1 : 0; }

// s without the one pair of parentheses that encloses all of it, if there is one.
std::string_view WithoutEnclosing(std::string_view s) {
  if (s.size() < 2 || s.front() != '(' || s.back() != ')') return s;
  int depth = 0;
  for (std::size_t i = 0; i + 1 < s.size(); ++i) {
    depth += ParenStep(s[i]);
    if (depth == 0) return s;  // the first "(" closes before the end
  }
  return depth == 1 ? s.substr(1, s.size() - 2) : s;
}

// The parts of s between the depth-0 occurrences of op (left parts holding as many "(" as
// ")") at which s splits; a "-" splits only where it follows an operand, elsewhere it is a
// sign. One part: op does not split s.
std::vector<std::string_view> Parts(std::string_view s, char op) {
  std::vector<std::string_view> parts;
  std::size_t begin = 0;
  int depth = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == op && depth == 0 && (op != '-' || (i > 0 && EndsOperand(s[i - 1])))) {
      parts.push_back(s.substr(begin, i - begin));
      begin = i + 1;
    }
    depth += ParenStep(s[i]);
  }
  parts.push_back(s.substr(begin));
  return parts;
}

// The text from the start of `first` to the end of `last`, two pieces of one text.
std::string_view Span(std::string_view first, std::string_view last) {
  return {first.data(), static_cast<std::size_t>(last.data() + last.size() - first.data())};
}

// One evaluation: the list it reads letters from, and whom it tells its steps.
struct Walk {
  std::span<const Polynomial> items;
  PolEvalObserver* observer;

  int Failed(std::string_view part, int code) const {
    if (observer) observer->Failed(part, code);
    return code;
  }
  int Worked(std::string_view part, const Polynomial& value) const {
    if (observer) observer->Worked(part, value);
    return EvalDone;
  }
};

int Operand(std::string_view s, const Walk& walk, Polynomial& result) {
  PolZero(result);
  if (s.size() == 1) {
    const std::size_t item = Letters.find(s.front());
    if (item < walk.items.size()) {
      result = walk.items[item];
      if (walk.observer) walk.observer->Read(s, result);
      return EvalDone;
    }
  }
  // A lone sign is no operand (RatFromText would take it for a bad integer literal).
  if (s == "-" || s == "+") return walk.Failed(s, EvalWhatIsIt);
  Rational c;
  if (!RatFromText(s, c) || c.Den == 0) return walk.Failed(s, EvalWhatIsIt);
  if (!coef::WithinLongMax(c.Num)) return walk.Failed(s, EvalOverflow);
  result[0] = c;
  if (walk.observer) walk.observer->Read(s, result);
  return EvalDone;
}

int Power(const Polynomial& base, std::string_view exponent, Polynomial& result) {
  if (!IsIntText(exponent)) return EvalBadExponent;
  const int32_t n = IntOfText(exponent);
  if (n < 1) return EvalBadExponent;
  if (static_cast<int64_t>(PolDegree(base)) * n > MaxDegree) return EvalDegreeAbove9;
  // With the degree checked, only a coefficient overflow makes the power fail.
  return PolPow(base, n, result) == 0 ? EvalDone : EvalOverflow;
}

int Eval(std::string_view s, const Walk& walk, int depth, Polynomial& result);

// a+b+c and a*b*c split at their first operator, a+(b+c): every operand from the left, then
// combined from the right. a-b-c and a/b/c split at their last, (a-b)-c: combined from the
// left as each operand comes. Folding a chain at one level, rather than one level per
// operator, keeps the depth to the nesting of parentheses; the order of the evaluations, and
// so the code of the first failure, stays that of the recursive split.
int FoldRight(char op, const std::vector<std::string_view>& parts, const Walk& walk, int depth,
              Polynomial& result) {
  std::vector<Polynomial> values(parts.size());
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const int code = Eval(parts[i], walk, depth + 1, values[i]);
    if (code != EvalDone) return code;
  }
  Polynomial acc = values.back();
  for (std::size_t i = values.size() - 1; i-- > 0;) {
    const std::string_view part = Span(parts[i], parts.back());
    const int code = PolApply(op, values[i], acc, acc);
    if (code != EvalDone) return walk.Failed(part, code);
    walk.Worked(part, acc);
  }
  result = acc;
  return EvalDone;
}

int FoldLeft(char op, const std::vector<std::string_view>& parts, const Walk& walk, int depth,
             Polynomial& result) {
  Polynomial acc;
  int code = Eval(parts.front(), walk, depth + 1, acc);
  for (std::size_t i = 1; i < parts.size() && code == EvalDone; ++i) {
    Polynomial y;
    code = Eval(parts[i], walk, depth + 1, y);
    if (code != EvalDone) break;
    const std::string_view part = Span(parts.front(), parts[i]);
    code = PolApply(op, acc, y, acc);
    code = code == EvalDone ? walk.Worked(part, acc) : walk.Failed(part, code);
  }
  if (code == EvalDone) result = acc;
  return code;
}

int Eval(std::string_view s, const Walk& walk, int depth, Polynomial& result) {
  if (depth > MaxEvalDepth) return walk.Failed(s, EvalWhatIsIt);
  s = WithoutEnclosing(s);
  for (const char op : Operators) {
    const std::vector<std::string_view> parts = Parts(s, op);
    if (parts.size() < 2) continue;
    if (op == '+' || op == '*') return FoldRight(op, parts, walk, depth, result);
    if (op == '-' || op == '/') return FoldLeft(op, parts, walk, depth, result);
    // "^" splits at its first occurrence; the whole rest is the exponent.
    Polynomial base;
    const int code = Eval(parts.front(), walk, depth + 1, base);
    if (code != EvalDone) return code;
    const int power = Power(base, s.substr(parts.front().size() + 1), result);
    return power == EvalDone ? walk.Worked(s, result) : walk.Failed(s, power);
  }
  return Operand(s, walk, result);
}

}  // namespace

int PolApply(char op, const Polynomial& x, const Polynomial& y, Polynomial& result) {
  switch (op) {
    case '+':
      return PolAdd(x, y, result) == 1 ? EvalDone : EvalOverflow;
    case '-':
      return PolSub(x, y, result) == 1 ? EvalDone : EvalOverflow;
    case '*':
      switch (PolMul(x, y, result)) {
        case 1: return EvalDone;
        case 0: return EvalDegreeAbove9;
        default: return EvalOverflow;
      }
    case '/': {
      Polynomial rest;
      switch (PolDivMod(x, y, result, rest)) {
        case 0: return EvalDone;
        case -1: return EvalOverflow;
        default: return EvalNotDivisible;  // a remainder, or the zero divisor (-2)
      }
    }
    default:
      return EvalWhatIsIt;
  }
}

int PolEval(std::string_view text, std::span<const Polynomial> items, Polynomial& result,
            PolEvalObserver* observer) {
  Polynomial value;
  const int code = Eval(text, Walk{items, observer}, 1, value);
  if (code == EvalDone) {
    result = value;
  } else {
    PolZero(result);
  }
  return code;
}

}  // namespace tessaro
