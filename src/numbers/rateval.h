#pragma once

#include <string_view>

#include "numbers/rational.h"

namespace tessaro {

// Evaluation levels (nested parentheses or signs) beyond this fail, so no text can
// exhaust the stack.
inline constexpr int RatEvalMaxNesting = 200;

// Why a step of an evaluation failed.
enum class RatEvalFailure {
  Unreadable,      // an empty operand, a misplaced operator, a character that is no part of one
  TooDeep,         // nested beyond RatEvalMaxNesting
  DivisionByZero,  // a zero divisor, a literal denominator 0, 0 to a negative power
  Overflow,        // a step passed Long_Max
};

// Told the steps of an evaluation in the order the evaluator takes them, for a working that
// shows them. Every `part` is a piece of the text handed to RatEval (the same characters),
// so its place in the text tells where the step stands.
class RatEvalObserver {
 public:
  virtual ~RatEvalObserver() = default;
  // A literal taken as it stands (a fraction literal unreduced).
  virtual void Read(std::string_view part, Rational value) = 0;
  // A step done: the operation, power or sign that `part` spells out has this value.
  virtual void Worked(std::string_view part, Rational value) = 0;
  // The step on `part` failed, and with it the evaluation.
  virtual void Failed(std::string_view part, RatEvalFailure why) = 0;
};

// RatAdd, RatSub, RatMul or RatDiv for op "+", "-", "*", "/"; false for any other op.
bool RatApply(char op, Rational a, Rational b, Rational& r);

// Exact value of an expression of integer literals, + - * / ^ and parentheses, with no
// blanks. + binds loosest, then -, *, /, and ^ tightest; - and / group from the left.
// A + or - at the start, after an operator or after "(" is a sign, which stays outside a
// power (-2^2 = -4). The exponent must be an integer literal; a negative one gives the
// reciprocal power. On success r is in lowest terms with a positive denominator (0 is 0/1).
// False for unreadable text, a zero divisor or an overflow in any step; an integer literal
// out of range, or an exponent that is not an integer literal, throws ConversionError.
// An observer, when given, is told every step.
bool RatEval(std::string_view text, Rational& r, RatEvalObserver* observer = nullptr);

}  // namespace tessaro
