#pragma once

// The working of the Fractions window's results: a simplification and the four binary
// operations, each on one line as a textbook writes it, ending in the cell's text.

#include <string_view>

#include "numbers/rational.h"
#include "working/working.h"

namespace tessaro {

// "10/4 = (10÷2)/(4÷2) = 5/2"; "3/4: hcd(3,4) = 1, already in lowest terms".
Working SimplifyWorking(Rational typed);

// One binary operation of the fractions as typed, op one of + - * /:
// "1/6 + 1/10 = 5/30 + 3/30 = 8/30 = 4/15" (the sum over the LCM of the denominators),
// "2/3 · 9/4 = (2·9)/(3·4) = 18/12 = 3/2", "1/2 / 3/4 = 1/2 · 4/3 = 4/6 = 2/3". A step that
// passes Long_Max ends the line with the cell's "Not calculable".
Working FractionOperationWorking(char op, Rational a, Rational b);

// What the binary panel shows for its two operand texts: the sum, difference, product and
// quotient, a line each. Texts the panel refuses give a line that says so. May throw
// ConversionError, as the panel does, for a number out of range.
Working FractionPairWorking(std::string_view f1, std::string_view f2);

}  // namespace tessaro
