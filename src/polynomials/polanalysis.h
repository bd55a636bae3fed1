#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "polynomials/polynomial.h"

namespace tessaro {

// What IntPolValueAt returns when a step passes Long_Max.
inline constexpr int32_t IntPolOverflow = 2147483647;

// The integer roots of P: scale·P = content · (x - roots[0])^multiplicities[0] ··· cofactor,
// with scale the L of PolToIntScaled. For the zero polynomial: no root, content 0 and a zero
// cofactor.
struct RootList {
  int count = 0;                            // distinct integer roots found, 0..9
  std::array<int32_t, 9> roots{};           // 0 first, then by increasing |r|, -r before r
  std::array<int, 9> multiplicities{};
  int32_t content = 1;                      // hcd of the scaled coefficients
  IntPolynomial cofactor{};                 // what is left after the content and the roots
  int32_t scale = 1;                        // L: the LCM of P's denominators
};

struct TwoS {
  std::string roots;          // e.g. "-1, -1, 2"
  std::string factorization;  // e.g. "1/2(x+1) (x-1)", equal to P
};

// False when a step overflows (or x or a coefficient has denominator 0).
bool PolValueAt(const Polynomial& p, Rational x, Rational& value);
// 1 done, -1 a coefficient overflowed.
int PolDerivative(const Polynomial& p, Polynomial& d);
// Constant of integration 0. 1 done, 0 degree 9, -1 a coefficient overflowed.
int PolIntegral(const Polynomial& p, Polynomial& i);
// Hcd of the non-zero coefficients, >= 1; 0 for the zero polynomial.
int32_t IntPolContent(const IntPolynomial& ip);
// IntPolOverflow when a power or a partial sum reaches Long_Max.
int32_t IntPolValueAt(const IntPolynomial& ip, int32_t v);
// Quotient of ip by x - r (the remainder is dropped). False, out untouched, when a
// coefficient of the quotient passes Long_Max.
bool IntPolDeflate(const IntPolynomial& ip, int32_t r, IntPolynomial& out);
// Number of distinct integer roots; -1 when the scaling or a candidate's value overflows.
int PolIntRoots(const Polynomial& p, RootList& roots);
// The roots text and a factorization text equal to P.
TwoS RootsText(const RootList& roots);

}  // namespace tessaro
