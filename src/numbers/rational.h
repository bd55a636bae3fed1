#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaro {

// An exact fraction. Operation results are in lowest terms with Den > 0, except that a
// zero keeps the denominator it came with; texts are read unreduced, as typed.
struct Rational {
  int32_t Num = 0;
  int32_t Den = 1;
};

// "n" or "n/d" of integer texts, split at the first "/"; false for anything else.
// A part that looks like an integer but is out of range throws ConversionError.
bool RatFromText(std::string_view text, Rational& r);

// Integer text, "/", integer text (split at the first "/"); a plain integer is not one.
bool IsRatText(std::string_view text);

void RatSet(int32_t n, int32_t d, Rational& r);

// Lowest terms with a positive denominator; true if r changed. A zero is left alone, and
// so is a fraction whose reduced form needs +2147483648.
bool RatSimplify(Rational& r);

// Divides x and y by their hcd and moves a negative sign of y to x; true if the hcd was not 1.
bool CrossCancel(int32_t& x, int32_t& y);

// The four checked operations: false on overflow past Long_Max in any step, on a zero
// denominator among the operands, or (RatDiv) on a zero divisor; r is then not written.
bool RatAdd(Rational a, Rational b, Rational& r);
bool RatSub(Rational a, Rational b, Rational& r);
bool RatMul(Rational a, Rational b, Rational& r);
bool RatDiv(Rational a, Rational b, Rational& r);

// a^k without a flag: a 0 in Num or Den signals overflow. k = 0 gives 1/1; k < 0 the
// reciprocal power, with Den 0 for a zero base.
void RatPow(Rational a, int32_t k, Rational& r);

// Same numerator and same denominator (1/2 and 2/4 differ).
bool RatEqual(Rational a, Rational b);

// Same value (cross products equal).
bool RatEquiv(Rational a, Rational b);

// "0", "n" or "n/d" as stored: -3/4, 5, 3/-4.
std::string RatText(Rational r);

// A positive reduced fraction that is not a whole number, numerator 1..30, denominator 2..41
// before reduction.
void RatRandom(Rational& r);

}  // namespace tessaro
