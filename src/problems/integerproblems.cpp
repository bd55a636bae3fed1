#include "problems/integerproblems.h"

#include "numbers/words.h"
#include "problems/problemwords.h"

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
  //: %1 is "N = " and a number; keep the blank before the colon.
  q.Line(Fill(translate("Problems", "Calculate (if possible) for %1 :"), {"N = " + in.IdN}));
  q.Line("N^" + in.Lexp);
  //: %1 is the name of the number, N.
  q.Line(Fill(translate("Problems", "Factorization of %1"), {"N"}));
  //: %1 is the name of the number, N; %2 its factorial, N!.
  q.Line(Fill(translate("Problems", "%1 factorial (%2)"), {"N", "N!"}));
  //: %1 is the name of the number, N; %2 a basis from 2 to 201.
  q.Line(Fill(translate("Problems", "The expressions of %1 in hexadecimal,binary,octal and %2 basis"),
              {"N", in.IdBX}));
  a.StartSection();
  a.Line("N^" + in.Lexp + " = " + in.IdPot);
  //: %1 is the factorization written out.
  a.Line(Fill(translate("Problems", "Factorization: %1"), {"N = " + in.IdDF}));
  a.Line("N! = " + in.IdFctr);
  a.Line(translate("Problems", "Expression in other basis:"));
  // Each basis on a line of its own, indented by a blank.
  const auto basisLine = [&a](const std::string& words) { a.Line(" " + words); };
  //: %1 is "N= " and the number in that basis.
  basisLine(Fill(translate("Problems", "Hexadecimal, %1"), {"N= " + in.IdHex}));
  //: %1 is "N= " and the number in that basis.
  basisLine(Fill(translate("Problems", "Binary, %1"), {"N= " + in.IdBin}));
  //: %1 is "N= " and the number in that basis.
  basisLine(Fill(translate("Problems", "Octal, %1"), {"N= " + in.IdOct}));
  //: %1 is the basis, a number; %2 is "N= " and the number in that basis.
  basisLine(Fill(translate("Problems", "Basis %1, %2"), {in.IdBX, "N= " + in.IdX}));
}

void TwoSection(const IntegerProblemInput& in, Text& q, Text& a) {
  const std::string hcd = HcdName(), lcm = LcmName();
  q.StartSection();
  //: %1 gives the numbers: "a= 12  b= 18".
  q.Line(Fill(translate("Problems", "If %1 calculate:"), {"a= " + in.IdA + "  b= " + in.IdB}));
  q.Line("a" + Dot + "b, a/b, " + hcd + "(a,b), " + lcm + "(a,b)");
  a.StartSection();
  a.Line("a" + Dot + "b= " + in.IdM);
  a.Line("a/b= " + in.IdD + " (Q= " + in.IdQ + ", R= " + in.IdR + ")");
  a.Line(hcd + "(a,b)= " + in.IdMCD);
  a.Line(lcm + "(a,b)= " + in.IdMCM);
}

void CombinedSection(const IntegerProblemInput& in, Text& q, Text& a) {
  const std::string& e = in.IdOC;
  std::string given;
  // Name each letter the expression uses, once, in list order.
  const std::size_t letters = std::min(in.UsedLetters.size(), in.Nums.size());
  for (std::size_t i = 0; i < letters; ++i) {
    const char letter = in.UsedLetters[i];
    if (e.find(letter) == std::string::npos) continue;
    given += "  ";
    given += letter;
    given += "= " + std::to_string(in.Nums[i]);
  }
  q.StartSection();
  q.Line(IfCalculate(given, e));
  a.StartSection();
  a.Line(e + " = " + in.EtOC + " = " + in.IdROC1 + " = " + in.IdROC2);
}

void ListSection(const IntegerProblemInput& in, Text& q, Text& a) {
  std::string list;
  for (std::size_t i = 0; i < in.Sels.size(); ++i) {
    if (i > 0) list += ", ";
    list += std::to_string(in.Sels[i]);
  }
  const std::string hcd = HcdName(), lcm = LcmName();
  q.StartSection();
  //: %1 and %2 are the names of the hcd and the LCM (as translated in Notation); %3 the numbers.
  q.LastLine(Fill(translate("Problems", "Calculate the %1 and %2 of %3"), {hcd, lcm, list}));
  a.StartSection();
  a.Line(hcd + "(" + list + ") = " + in.EtMCDn);
  a.Line(lcm + "(" + list + ") = " + in.EtMCMn);
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
