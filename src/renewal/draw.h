#pragma once

// The draws behind renewal, one value or one pair at a time, each within its range. Every
// function takes the stream it draws from and gives nothing when the ranges leave no value
// to draw (or a polynomial's coefficients pass Long_Max); the caller then draws again.

#include "numbers/rational.h"
#include "polynomials/polynomial.h"
#include "renewal/ranges.h"
#include "renewal/stream.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tessaro {

// lo .. hi without 0 (lo <= hi, and not both 0).
std::int32_t DrawNonZero(Stream& s, std::int32_t lo, std::int32_t hi);

// `count` different numbers of lo .. hi in a random order; none when the range holds fewer.
std::optional<std::vector<std::int32_t>> DrawDistinct(Stream& s, std::int32_t lo,
                                                      std::int32_t hi, std::size_t count);

// a and b within min .. max, |a| >= |b| > 0, for which Euclid's algorithm takes exactly
// `steps` divisions (1..8). None when the signs or min leave no place for the pair drawn.
struct IntegerPair {
  std::int32_t a = 0, b = 0;
};
std::optional<IntegerPair> DrawEuclidPair(Stream& s, std::int32_t min, std::int32_t max,
                                          int steps);

// A reduced fraction, never whole: numerator 1 .. maxNum, denominator 2 .. maxDen, and with
// `proper` the numerator below the denominator. None only when 64 draws in a row were whole.
std::optional<Rational> DrawFraction(Stream& s, std::int32_t maxNum, std::int32_t maxDen,
                                     bool proper);

// A polynomial of the given degree. With int_roots, lead·(x - roots[0])···(x - roots[k-1])
// with k the degree and `roots` as drawn; otherwise the leading coefficient from lead and
// the others from coef, `roots` empty. None when a coefficient passes Long_Max.
struct DrawnPolynomial {
  Polynomial p{};
  std::vector<std::int32_t> roots;
};
// `r` holds every polynomial field (WithDefaults).
std::optional<DrawnPolynomial> DrawPolynomial(Stream& s, const Ranges& r, int degree);
// The degree, then the polynomial.
std::optional<DrawnPolynomial> DrawPolynomial(Stream& s, const Ranges& r);

// A and B of degrees from degree (at least 1) sharing the factor F of degree at least 1.
// With int_roots, F = x - r for a root r of A that B is given too; otherwise A = F·A' and
// B = F·B' with F, A' and B' drawn as DrawPolynomial does, so that lead and coef bound the
// factors rather than the products.
struct PolynomialPair {
  DrawnPolynomial a, b;
  Polynomial factor{};
};
std::optional<PolynomialPair> DrawCommonFactorPair(Stream& s, const Ranges& r);

}  // namespace tessaro
