#pragma once

// Polynomials with wide integer coefficients: the exact ground of the real-root search
// (internal to the polynomial library and its tests). Index k holds the coefficient of x^k;
// the last coefficient is never 0, so the zero polynomial is empty.

#include <vector>

#include "numbers/wideint.h"
#include "polynomials/polynomial.h"

namespace tessaro {

using WidePoly = std::vector<WideInt>;

// -1 for the zero polynomial.
int Degree(const WidePoly& a);
void TrimZeros(WidePoly& a);

// L·p with L the LCM of the denominators, exact however large L grows. False for a
// denominator 0.
bool WidePolyOf(const Polynomial& p, WidePoly& out, WideInt* scale = nullptr);

WidePoly Derivative(const WidePoly& a);
// a divided by the hcd of its coefficients, with a positive leading coefficient; the roots
// stay the same.
WidePoly PrimitivePart(WidePoly a);

// The remainder r of c·a = q·b + r with c = lc(b)^(deg a - deg b + 1), deg r < deg b (b not
// zero). `negative` tells whether c < 0, for whoever needs the true remainder's sign.
WidePoly PseudoRemainder(const WidePoly& a, const WidePoly& b, WidePoly* quotient = nullptr,
                         bool* negative = nullptr);
// The quotient of a by a divisor b of a, made primitive.
WidePoly ExactQuotient(const WidePoly& a, const WidePoly& b);
// The primitive hcd of a and b, positive leading coefficient; empty when both are zero.
WidePoly Gcd(const WidePoly& a, const WidePoly& b);

// a(x + 1) in place, or a(x - 1) for `minus`, by additions only.
void TaylorShift(WidePoly& a, bool minus = false);
// The sign changes along the coefficients, zeros skipped.
int SignVariations(const WidePoly& a);

// Certificates modulo primes, cheap beside the exact hcd. True only when proven: that a has
// no repeated root; that a has no rational root. False means "not proven", not the opposite.
bool SquareFreeByPrimes(const WidePoly& a);
bool NoRationalRootByPrimes(const WidePoly& a);

// The sign of a(n / 2^e), e >= 0.
int SignAtDyadic(const WidePoly& a, const WideInt& n, int e);
// The sign of a(n / d), d > 0.
int SignAt(const WidePoly& a, const WideInt& n, const WideInt& d);
// a(x) exactly.
WideRational ValueAt(const WidePoly& a, const WideRational& x);

}  // namespace tessaro
