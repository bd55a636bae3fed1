#pragma once

// The working of the Polynomials window's results, from the polynomials its panels use:
// the long division, the integer-root search with the factorization, the derivative and the
// integral. Each ends in the text the panel shows.

#include "polynomials/polynomial.h"
#include "working/working.h"

namespace tessaro {

// A ÷ B as a textbook lays it out: a scheme with the terms in columns by their power (a
// table without lines), then a line per step (leading term ÷ leading term, the product, the
// subtraction with the new remainder), ending "Q = …, R = …" in the window's text form.
Working PolDivisionWorking(const Polynomial& a, const Polynomial& b);

// The integer roots and the factorization as the window finds them: the polynomial scaled
// to integer coefficients and its content taken out, the divisors of the constant term tried
// as -s then s with their values ("P(-1) = 0: root", "P(2) = 6"), each root divided out as
// often as it divides, ending with the roots and "P = factorization" as the window shows them.
Working PolRootsWorking(const Polynomial& p);

// Term by term: "(3x^2)' = 6x", ending "(P)' = P'".
Working PolDerivativeWorking(const Polynomial& p);

// Term by term: "∫ 3x^2 dx = x^3", ending "∫ (P) dx = …+C".
Working PolIntegralWorking(const Polynomial& p);

// What the unary panel shows: the roots and factorization, the derivative and the integral.
Working PolynomialSingleWorking(const Polynomial& p);

// What the binary panel's quotient and remainder come from: the long division A ÷ B.
Working PolynomialPairWorking(const Polynomial& a, const Polynomial& b);

}  // namespace tessaro
