#pragma once

#include "problems/problem.h"

#include <array>
#include <string>
#include <vector>

namespace tessaro {

// What the Fractions window shows at the moment a problem is asked for. The problem
// repeats these texts; it computes nothing.
struct FractionTexts {
  std::string F1, F2;                    // texts of the two operand boxes
  std::array<std::string, 4> Labels;     // grid row 0: f1 + f2, f1 - f2, f1 · f2, f1 / f2
  std::array<std::string, 4> Results;    // grid row 1, in the same order
  std::vector<std::string> List;         // the list's texts; row i is named by the i-th letter
  std::string TxtOC;                     // the expression as typed at the last evaluation
  std::string EtOC;                      // the expression with the letters replaced
  std::string IdROC;                     // the combined result
};

// Which parts a fraction problem holds.
enum class FractionProblemMode { All = 0, Binary = 1, Combined = 2 };

// The fraction problem of `mode` from the window's texts: a binary-operations part, a
// combined-operation part, or both separated by a line of 16 hyphens.
TPrbl FractionProblem(const FractionTexts& texts, FractionProblemMode mode);

}  // namespace tessaro
