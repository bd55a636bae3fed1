#pragma once

#include <span>
#include <string_view>

#include "polynomials/polynomial.h"

namespace tessaro {

// Result codes of PolApply and PolEval.
inline constexpr int EvalDone = 0;
inline constexpr int EvalNotDivisible = 1;    // a remainder was left, or a division by 0
inline constexpr int EvalBadExponent = 2;     // the exponent is not an integer >= 1
inline constexpr int EvalDegreeAbove9 = 3;
inline constexpr int EvalWhatIsIt = 4;        // an unreadable operand, or nesting too deep
inline constexpr int EvalOverflow = -1;       // a coefficient passed Long_Max

// Deepest nesting PolEval follows before refusing with EvalWhatIsIt; a chain of one operator,
// however long, counts as one level.
inline constexpr int MaxEvalDepth = 200;

// Told the steps of an evaluation in the order the evaluator takes them, for a working that
// shows them. Every `part` is a piece of the text handed to PolEval (the same characters).
class PolEvalObserver {
 public:
  virtual ~PolEvalObserver() = default;
  // An operand read: a letter's polynomial or a constant.
  virtual void Read(std::string_view part, const Polynomial& value) = 0;
  // A step done: the operation or power that `part` spells out has this value.
  virtual void Worked(std::string_view part, const Polynomial& value) = 0;
  // The step on `part` failed with `code` (one of the codes above but EvalDone), and with it
  // the evaluation.
  virtual void Failed(std::string_view part, int code) = 0;
};

// One step x op y for op in + - * /.
int PolApply(char op, const Polynomial& x, const Polynomial& y, Polynomial& result);

// The value of an expression of + - * / ^, parentheses, rational constants and the letters
// of Letters; items[i] is the polynomial named by Letters[i]. "-" and "/" group from the
// left. result is zeroed unless the code is EvalDone. Throws ConversionError for an exponent
// or a constant beyond 32 bits. An observer, when given, is told every step.
int PolEval(std::string_view text, std::span<const Polynomial> items, Polynomial& result,
            PolEvalObserver* observer = nullptr);

}  // namespace tessaro
