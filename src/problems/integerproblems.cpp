#include "problems/integerproblems.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace tessaro {

namespace {

constexpr std::string_view Eol = "\r\n";
constexpr std::string_view Separator = "==============\r\n";
const std::string Dot = "\xC2\xB7";  // the product sign

// One text of a problem: sections join with the separator line.
class Text {
 public:
  void StartSection() {
    if (!text_.empty()) text_ += Separator;
  }
  void Line(const std::string& line) {
    text_ += line;
    text_ += Eol;
  }
  void LastLine(const std::string& line) { text_ += line; }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

void SingleSection(const IntegerProblemInput& in, Text& q, Text& a) {
  q.StartSection();
  q.Line("Calculate (if possible) for N = " + in.IdN + " :");
  q.Line("N^" + in.Lexp);
  q.Line("Factorization of N");
  q.Line("N factorial (N!)");
  q.Line("The expressions of N in hexadecimal,binary,octal and " + in.IdBX + " basis");
  a.StartSection();
  a.Line("N^" + in.Lexp + " = " + in.IdPot);
  a.Line("Factorization: N = " + in.IdDF);
  a.Line("N! = " + in.IdFctr);
  a.Line("Expression in other basis:");
  a.Line(" Hexadecimal, N= " + in.IdHex);
  a.Line(" Binary, N= " + in.IdBin);
  a.Line(" Octal, N= " + in.IdOct);
  a.Line(" Basis " + in.IdBX + ", N= " + in.IdX);
}

void TwoSection(const IntegerProblemInput& in, Text& q, Text& a) {
  q.StartSection();
  q.Line("If a= " + in.IdA + "  b= " + in.IdB + " calculate:");
  q.Line("a" + Dot + "b, a/b, hcd(a,b), LCM(a,b)");
  a.StartSection();
  a.Line("a" + Dot + "b= " + in.IdM);
  a.Line("a/b= " + in.IdD + " (Q= " + in.IdQ + ", R= " + in.IdR + ")");
  a.Line("hcd(a,b)= " + in.IdMCD);
  a.Line("LCM(a,b)= " + in.IdMCM);
}

void CombinedSection(const IntegerProblemInput& in, Text& q, Text& a) {
  const std::string& e = in.IdOC;
  std::string line = "If ";
  // Name each letter the expression uses, once, in list order.
  const std::size_t letters = std::min(in.UsedLetters.size(), in.Nums.size());
  for (std::size_t i = 0; i < letters; ++i) {
    const char letter = in.UsedLetters[i];
    if (e.find(letter) == std::string::npos) continue;
    line += "  ";
    line += letter;
    line += "= " + std::to_string(in.Nums[i]);
  }
  line += ", calculate " + e;
  q.StartSection();
  q.Line(line);
  a.StartSection();
  a.Line(e + " = " + in.EtOC + " = " + in.IdROC1 + " = " + in.IdROC2);
}

void ListSection(const IntegerProblemInput& in, Text& q, Text& a) {
  std::string list;
  for (std::size_t i = 0; i < in.Sels.size(); ++i) {
    if (i > 0) list += ", ";
    list += std::to_string(in.Sels[i]);
  }
  q.StartSection();
  q.LastLine("Calculate the hcd and LCM of " + list);
  a.StartSection();
  a.Line("hcd(" + list + ") = " + in.EtMCDn);
  a.Line("LCM(" + list + ") = " + in.EtMCMn);
}

}  // namespace

int TTps(const std::array<bool, 4>& tps) {
  return static_cast<int>(std::count(tps.begin(), tps.end(), true));
}

TPrbl IntegerProblem(int kind, const IntegerProblemInput& in) {
  using Section = void (*)(const IntegerProblemInput&, Text&, Text&);
  static constexpr Section sections[4] = {SingleSection, TwoSection, CombinedSection,
                                          ListSection};
  Text q;
  Text a;
  if (kind == PrAll) {
    for (int i = 0; i < 4; ++i)
      if (in.Tps[i]) sections[i](in, q, a);
  } else if (kind >= PrOne && kind <= PrList) {
    // A kind's own command is enabled only while its results are on display, so it
    // builds its section from the window's texts whatever the shared flags say.
    sections[kind - 1](in, q, a);
  }
  return TPrbl{q.Take(), a.Take()};
}

}  // namespace tessaro
