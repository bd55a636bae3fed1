#include "problems/polynomialproblems.h"

#include <string_view>

namespace tessaro {

namespace {

constexpr std::string_view CrLf = "\r\n";
constexpr std::string_view Separator = "\r\n----------------\r\n";

void AppendUnary(const PolShown& s, TPrbl& p) {
  p.Enun += "For the poynomial " + s.pol + " calculate:\r\n";
  p.Enun += "Its value for x= " + s.x + "\r\n";
  p.Enun += "Its integer roots (if any)\r\n";
  p.Enun += "Its factorization.\r\n";
  p.Enun += "Its derivative.\r\n";
  p.Enun += "Its integral.\r\n";
  p.Resp += "P(" + s.x + ") = " + s.value + "\r\n";
  p.Resp += "Integer roots: " + s.roots + "\r\n";
  p.Resp += "Factorization: " + s.factorization + "\r\n";
  p.Resp += "Derivative: " + s.derivative + "\r\n";
  p.Resp += "Integral: " + s.integral + "\r\n";
}

void AppendBinary(const PolShown& s, TPrbl& p) {
  p.Enun += "For the poynomials\r\n";
  p.Enun += "A: " + s.a + "  B: " + s.b + "\r\n";
  p.Enun += "calculate: A+B, A-B, A\xC2\xB7" "B, A/B (->Q,R),hcd(A,B),LCM(A,B)\r\n";
  p.Resp += "A+B= " + s.sum + "\r\n";
  p.Resp += "A-B= " + s.difference + "\r\n";
  p.Resp += "A\xC2\xB7" "B= " + s.product + "\r\n";
  p.Resp += "A/B:  Q= " + s.quotient + " R= " + s.remainder + "\r\n";
  p.Resp += "hcd(A,B)= " + s.hcd + "\r\n";
  p.Resp += "LCM(A,B)= " + s.lcm + "\r\n";
}

void AppendCombined(const PolShown& s, TPrbl& p) {
  p.Enun += "Calculate " + s.expression + " , being:  ";
  p.Enun += CrLf;
  // A plain character search, as the expression field holds the text.
  for (const PolListRow& row : s.list) {
    if (row.letter.empty() || s.expression.find(row.letter) == std::string::npos) continue;
    p.Enun += "  " + row.letter + "= " + row.text;
    p.Enun += CrLf;
  }
  p.Resp += s.expression + " = " + s.combined;
}

void AppendSeparator(TPrbl& p) {
  p.Enun += Separator;
  p.Resp += Separator;
}

}  // namespace

TPrbl PolMenuProblem(PolProblemKind kind, const PolShown& shown) {
  TPrbl p;
  switch (kind) {
    case PolProblemKind::Unary:
      if (!shown.pol.empty()) AppendUnary(shown, p);
      break;
    case PolProblemKind::Binary:
      AppendBinary(shown, p);
      break;
    case PolProblemKind::Combined:
      AppendCombined(shown, p);
      break;
    case PolProblemKind::All:
      if (!shown.pol.empty()) AppendUnary(shown, p);
      AppendSeparator(p);
      AppendBinary(shown, p);
      AppendSeparator(p);
      AppendCombined(shown, p);
      break;
  }
  return p;
}

TPrbl PolButtonProblem(PolProblemKind kind, const PolShown& shown, const TPrbl& last) {
  switch (kind) {
    case PolProblemKind::Unary:
      if (shown.pol.empty()) return last;
      break;
    case PolProblemKind::Binary:
      if (!shown.binaryDone) return last;
      break;
    case PolProblemKind::Combined:
      if (!shown.combinedDone) return last;
      break;
    case PolProblemKind::All:
      return last;  // no button asks for all of them
  }
  return PolMenuProblem(kind, shown);
}

}  // namespace tessaro
