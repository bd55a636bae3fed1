#pragma once

#include "polynomials/polynomial.h"

namespace tessaro {

// Outputs may be the same objects as the inputs; an output is written only on success unless
// stated otherwise.

// The result codes below, by name. PolDivMod has its own: 0 exact, 1 a remainder, -1, -2.
inline constexpr int PolDone = 1;
inline constexpr int PolDegreeTooHigh = 0;
inline constexpr int PolOverflowed = -1;
inline constexpr int PolDividesExactly = 0;
inline constexpr int PolZeroDivisor = -2;

// 1 done, -1 a coefficient overflowed.
int PolAdd(const Polynomial& a, const Polynomial& b, Polynomial& s);
int PolSub(const Polynomial& a, const Polynomial& b, Polynomial& d);
// 1 done, 0 the degree would exceed 9, -1 a coefficient overflowed.
int PolMul(const Polynomial& a, const Polynomial& b, Polynomial& m);
// a = q·b + r with deg r < deg b. 0 b divides a, 1 a remainder is left, -1 a coefficient
// overflowed, -2 b is the zero polynomial. q and r are zero unless the code is 0 or 1.
int PolDivMod(const Polynomial& a, const Polynomial& b, Polynomial& q, Polynomial& r);
// True when a = k·b; k is 0/0 when both are zero.
bool PolProportional(const Polynomial& a, const Polynomial& b, Rational& k);
// Positive leading coefficient, numerators without a common factor; a constant becomes 1.
// Left as it is when that would take a numerator beyond 32 bits.
void PolNormalize(Polynomial& g);
// 1 done, 0 a coefficient overflowed.
int PolHcd(const Polynomial& a, const Polynomial& b, Polynomial& g);
// (a / hcd)·b. 1 done, 0 the hcd failed or the degree would exceed 9, -1 a coefficient overflowed.
int PolLcm(const Polynomial& a, const Polynomial& b, Polynomial& l);
// p^n for n >= 1: 0 done, 1 failed (n < 1, degree above 9 or a coefficient overflowed).
int PolPow(const Polynomial& p, int n, Polynomial& out);

}  // namespace tessaro
