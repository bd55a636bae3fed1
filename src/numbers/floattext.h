#pragma once

#include <string>

namespace tessaro {

// At most 15 significant digits, rounded, trailing zeros dropped; scientific form
// "mantissaE<exp>" beyond 15 integer digits or for non-zero magnitudes below 0.0001.
std::string FloatText(long double x);

// FloatText with the decimals cut (not rounded) after d places; an exponent is kept.
std::string FloatTextDec(long double x, int d);

}  // namespace tessaro
