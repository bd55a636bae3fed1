#include "problems/fractionproblems.h"

#include "numbers/letters.h"
#include "numbers/words.h"
#include "problems/problemwords.h"

#include <cstddef>

namespace tessaro {

namespace {

constexpr const char* kSeparator = "\r\n----------------\r\n";

void AddBinary(const FractionTexts& t, std::string& q, std::string& a) {
  //: %1 and %2 give the fractions: "f1= 1/2", "f2= 3/4". The operations follow.
  q += Fill(translate("Problems", "If %1 and %2, calculate:"), {"f1= " + t.F1, "f2= " + t.F2}) +
       " ";
  for (std::size_t c = 0; c < t.Labels.size(); ++c) {
    const std::string sep = c + 1 < t.Labels.size() ? ", " : "";
    q += t.Labels[c] + sep;
    a += t.Labels[c] + " = " + t.Results[c] + sep;
  }
}

void AddCombined(const FractionTexts& t, std::string& q, std::string& a) {
  a += t.TxtOC + " = ";
  // Only the items whose letter the expression uses are named in the question.
  std::string given;
  for (std::size_t i = 0; i < t.List.size() && i < ItemLetters.size(); ++i) {
    const char letter = ItemLetters[i];
    if (t.TxtOC.find(letter) == std::string::npos) continue;
    if (!given.empty()) given += ", ";
    given += std::string(1, letter) + " = " + t.List[i];
  }
  q += given.empty() ? Calculate(t.TxtOC) : IfCalculate(" " + given, t.TxtOC);
  if (!t.List.empty()) a += t.EtOC + " = ";
  a += t.IdROC;
}

}  // namespace

TPrbl FractionProblem(const FractionTexts& texts, FractionProblemMode mode) {
  std::string q;
  std::string a;
  if (mode != FractionProblemMode::Combined) AddBinary(texts, q, a);
  if (mode == FractionProblemMode::All) {
    q += kSeparator;
    a += kSeparator;
  }
  if (mode != FractionProblemMode::Binary) AddCombined(texts, q, a);
  return TPrbl{q, a};
}

}  // namespace tessaro
