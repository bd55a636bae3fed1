#include "problems/fractionproblems.h"

#include "numbers/letters.h"

#include <cstddef>

namespace tessaro {

namespace {

constexpr const char* kSeparator = "\r\n----------------\r\n";

void AddBinary(const FractionTexts& t, std::string& q, std::string& a) {
  q += "If f1= " + t.F1 + " and f2= " + t.F2 + ", calculate: ";
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
  q += given.empty() ? "C" : "If  " + given + ", c";
  if (!t.List.empty()) a += t.EtOC + " = ";
  q += "alculate " + t.TxtOC;
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
