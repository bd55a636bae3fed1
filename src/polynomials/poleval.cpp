#include "polynomials/poleval.h"

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

// Where s splits at op: an occurrence whose left part holds as many "(" as ")". "+", "*"
// and "^" take the first; "-" and "/" the last, so that A-B-C is (A-B)-C and A/B/C is
// (A/B)/C, and a "-" that does not follow an operand is a sign, not an operator.
std::size_t SplitAt(std::string_view s, char op) {
  std::size_t found = std::string_view::npos;
  int depth = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == op && depth == 0) {
      if (op == '/' || (op == '-' && i > 0 && EndsOperand(s[i - 1]))) {
        found = i;
      } else if (op != '-') {
        return i;
      }
    }
    depth += ParenStep(s[i]);
  }
  return found;
}

int Operand(std::string_view s, std::span<const Polynomial> items, Polynomial& result) {
  PolZero(result);
  if (s.size() == 1) {
    const std::size_t item = Letters.find(s.front());
    if (item < items.size()) {
      result = items[item];
      return EvalDone;
    }
  }
  // A lone sign is no operand (RatFromText would take it for a bad integer literal).
  if (s == "-" || s == "+") return EvalWhatIsIt;
  Rational c;
  if (!RatFromText(s, c) || c.Den == 0) return EvalWhatIsIt;
  if (c.Num < -Long_Max || c.Num > Long_Max) return EvalOverflow;
  result[0] = c;
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

int Eval(std::string_view s, std::span<const Polynomial> items, int depth, Polynomial& result) {
  if (depth > MaxEvalDepth) return EvalWhatIsIt;
  s = WithoutEnclosing(s);
  for (const char op : Operators) {
    const std::size_t at = SplitAt(s, op);
    if (at == std::string_view::npos) continue;
    Polynomial x;
    int code = Eval(s.substr(0, at), items, depth + 1, x);
    if (code != EvalDone) return code;
    if (op == '^') return Power(x, s.substr(at + 1), result);
    Polynomial y;
    code = Eval(s.substr(at + 1), items, depth + 1, y);
    if (code != EvalDone) return code;
    return PolApply(op, x, y, result);
  }
  return Operand(s, items, result);
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

int PolEval(std::string_view text, std::span<const Polynomial> items, Polynomial& result) {
  Polynomial value;
  const int code = Eval(text, items, 1, value);
  if (code == EvalDone) {
    result = value;
  } else {
    PolZero(result);
  }
  return code;
}

}  // namespace tessaro
