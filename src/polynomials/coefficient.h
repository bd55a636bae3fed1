#pragma once

// Checked arithmetic of single coefficients, shared by the polynomial operations (internal).
// Every result is in lowest terms with a positive denominator, and a zero is always 0/1: a zero
// left with some other denominator would otherwise take part in later LCMs and could make them
// overflow for nothing. A denominator 0 makes every operation fail.

#include <cstdint>
#include <string_view>

#include "numbers/numbers.h"

namespace tessaro::coef {

inline bool IsZero(const Rational& c) { return c.Num == 0; }

// The bound of every checked operation.
inline bool WithinLongMax(int64_t v) { return v >= -Long_Max && v <= Long_Max; }

// A typed coefficient: what RatFromText reads, with a denominator other than 0 and both
// parts within Long_Max, the bound of every checked operation that will meet it. c is
// written only on success; may throw ConversionError as RatFromText does.
bool Read(std::string_view text, Rational& c);

// False for -2147483648, whose opposite is not a 32-bit value.
bool Negate(int32_t x, int32_t& out);
// Lowest terms, positive denominator, zero as 0/1; false for a denominator 0.
bool Reduce(Rational& c);

bool Add(Rational a, Rational b, Rational& r);
bool Sub(Rational a, Rational b, Rational& r);
bool Mul(Rational a, Rational b, Rational& r);
// False also for a zero divisor.
bool Div(Rational a, Rational b, Rational& r);

}  // namespace tessaro::coef
