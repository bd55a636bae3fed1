#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaro {

// The one bound of every checked operation: a checked product may reach it in
// magnitude, a checked power must stay strictly below it.
inline constexpr int32_t Long_Max = 2147483646;

// An optionally signed run of decimal digits; a lone sign passes, length is not limited.
bool IsIntText(std::string_view text);

// Leading blanks skipped; decimal -2147483648..2147483647, or "$", "x" or "0x" followed by
// one to eight hexadecimal digits whose 32-bit pattern is the value. Throws ConversionError.
int32_t IntOfText(std::string_view text);

// 1 and out = a*b when |a*b| <= Long_Max, else 0 with out untouched.
bool MulOk(int32_t a, int32_t b, int32_t& out);

// a^k, or 0 when a running power reaches Long_Max in magnitude; 1 for k <= 0.
int32_t PowOk(int32_t a, int32_t k);

// Highest common divisor of |a| and |b|, never negative. 0 when it is 2147483648
// (only -2147483648 with 0 or with itself), a value no int32_t can hold.
int32_t Hcd(int32_t a, int32_t b);

// Lowest common multiple of |a| and |b|, or 0 on overflow or for a zero operand.
int32_t Lcm(int32_t a, int32_t b);

// b divides a exactly; false for b = 0.
bool Divisible(int32_t a, int32_t b);

// n! for 0 <= n <= 160; 0 beyond 160 and for negative n.
long double Fact(int32_t n);

// Prime factorization such as "2^2 · 3"; "-" before that of |n| for negative n.
std::string FactorText(int32_t n);

}  // namespace tessaro
