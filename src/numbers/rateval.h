#pragma once

#include <string_view>

#include "numbers/rational.h"

namespace tessaro {

// Evaluation levels (nested parentheses or signs) beyond this fail, so no text can
// exhaust the stack.
inline constexpr int RatEvalMaxNesting = 200;

// RatAdd, RatSub, RatMul or RatDiv for op "+", "-", "*", "/"; false for any other op.
bool RatApply(char op, Rational a, Rational b, Rational& r);

// Exact value of an expression of integer literals, + - * / ^ and parentheses, with no
// blanks. + binds loosest, then -, *, /, and ^ tightest; - and / group from the left.
// A + or - at the start, after an operator or after "(" is a sign, which stays outside a
// power (-2^2 = -4). The exponent must be an integer literal; a negative one gives the
// reciprocal power. On success r is in lowest terms with a positive denominator (0 is 0/1).
// False for unreadable text, a zero divisor or an overflow in any step; an integer literal
// out of range, or an exponent that is not an integer literal, throws ConversionError.
bool RatEval(std::string_view text, Rational& r);

}  // namespace tessaro
