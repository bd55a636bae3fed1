#include "problems/polynomialproblems.h"

#include "numbers/words.h"

#include <string_view>

namespace tessaro {

namespace {

constexpr std::string_view CrLf = "\r\n";
constexpr std::string_view Separator = "\r\n----------------\r\n";

// A line of words and its line end.
std::string Line(const std::string& words) { return words + std::string(CrLf); }

void AppendUnary(const PolShown& s, TPrbl& p) {
  //: %1 is the polynomial. "poynomial" is the program's own spelling in English; write your
  //: language's word.
  p.Enun += Line(Fill(translate("Problems", "For the poynomial %1 calculate:"), {s.pol}));
  //: %1 is "x= " and the point.
  p.Enun += Line(Fill(translate("Problems", "Its value for %1"), {"x= " + s.x}));
  p.Enun += Line(translate("Problems", "Its integer roots (if any)"));
  p.Enun += Line(translate("Problems", "Its factorization."));
  p.Enun += Line(translate("Problems", "Its derivative."));
  p.Enun += Line(translate("Problems", "Its integral."));
  p.Resp += "P(" + s.x + ") = " + s.value + "\r\n";
  //: %1 lists the roots.
  p.Resp += Line(Fill(translate("Problems", "Integer roots: %1"), {s.roots}));
  //: %1 is the factorization written out.
  p.Resp += Line(Fill(translate("Problems", "Factorization: %1"), {s.factorization}));
  //: %1 is the derivative.
  p.Resp += Line(Fill(translate("Problems", "Derivative: %1"), {s.derivative}));
  //: %1 is the integral.
  p.Resp += Line(Fill(translate("Problems", "Integral: %1"), {s.integral}));
}

void AppendBinary(const PolShown& s, TPrbl& p) {
  const std::string hcd = HcdName(), lcm = LcmName();
  //: "poynomials" is the program's own spelling in English; write your language's word.
  p.Enun += Line(translate("Problems", "For the poynomials"));
  p.Enun += "A: " + s.a + "  B: " + s.b + "\r\n";
  //: %1 lists the operations: "A+B, A-B, ...".
  p.Enun += Line(Fill(translate("Problems", "calculate: %1"),
                      {"A+B, A-B, A\xC2\xB7" "B, A/B (->Q,R)," + hcd + "(A,B)," + lcm + "(A,B)"}));
  p.Resp += "A+B= " + s.sum + "\r\n";
  p.Resp += "A-B= " + s.difference + "\r\n";
  p.Resp += "A\xC2\xB7" "B= " + s.product + "\r\n";
  p.Resp += "A/B:  Q= " + s.quotient + " R= " + s.remainder + "\r\n";
  p.Resp += hcd + "(A,B)= " + s.hcd + "\r\n";
  p.Resp += lcm + "(A,B)= " + s.lcm + "\r\n";
}

void AppendCombined(const PolShown& s, TPrbl& p) {
  //: %1 is the expression; the values of its letters follow on the next lines.
  p.Enun += Fill(translate("Problems", "Calculate %1 , being:"), {s.expression}) + "  ";
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
