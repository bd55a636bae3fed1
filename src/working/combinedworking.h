#pragma once

// The working of a combined operation: the expression with the list values put in, then one
// line per operation in the order the program's own evaluator takes them (innermost
// parentheses first; powers; · and / from the left; + and - as the evaluator groups them), each
// line starting "= " and holding the value of the first, the last the value the panel shows.
// A step that fails ends the working with the panel's failure text.

#include <span>
#include <string_view>

#include "polynomials/polynomial.h"
#include "working/working.h"

namespace tessaro {

// What the Integers window's combined panel shows for its expression with the letters
// replaced (EtOC): ending "= 601/50", or with "Division by 0 or >Long_Max in any step".
Working IntegerCombinedWorking(std::string_view replaced);

// The same for the Fractions window's combined panel: a failure ends with "Wrong entry".
Working FractionCombinedWorking(std::string_view replaced);

// The Polynomials window's combined panel for its expression and list: every letter is
// replaced by its polynomial in parentheses; a failure ends with the panel's text
// ("Not divisible polynomials", "Degree of result >9", ...).
Working PolynomialCombinedWorking(std::string_view expression, std::span<const Polynomial> items);

}  // namespace tessaro
