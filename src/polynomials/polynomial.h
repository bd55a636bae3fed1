#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "numbers/numbers.h"

namespace tessaro {

// Degree at most 9: index k holds the coefficient of x^k.
inline constexpr int MaxDegree = 9;
using Polynomial = std::array<Rational, MaxDegree + 1>;
using IntPolynomial = std::array<int32_t, MaxDegree + 1>;

// The letters that name the stored polynomials, by position (no Q).
inline constexpr std::string_view Letters = "ABCDEFGHIJKLMNOPRSTUVWXYZ";

void PolZero(Polynomial& p);
// Highest index with a non-zero numerator; 0 for constants and for the zero polynomial.
int PolDegree(const Polynomial& p);
bool PolIsNonZero(const Polynomial& p);
int IntPolDegree(const IntPolynomial& ip);
void PolFromInt(const IntPolynomial& ip, Polynomial& p);

// ip = L·p with L the LCM of the denominators of the non-zero coefficients. False, with ip
// zeroed, when L or a scaled coefficient exceeds Long_Max or a denominator is 0.
bool PolToIntScaled(const Polynomial& p, IntPolynomial& ip);

// The one text form, e.g. 3x^2-x+1/2; "0" for the zero polynomial.
std::string PolToText(const Polynomial& p);
std::string IntPolToText(const IntPolynomial& ip);

// Reads the text form back. False for an empty text, an unreadable coefficient, a denominator
// 0 or a numerator or denominator beyond Long_Max; p is then partly filled and must be
// discarded. Throws ConversionError for a non-digit exponent and for the texts IntOfText refuses.
bool PolFromText(std::string_view text, Polynomial& p);
// What every window and command says of a text PolFromText does not read, in the program's
// language: "Not a rational polynomial".
std::string NotARationalPolynomial();

// Degree n exactly (n in 0..9): leading coefficient 1..9, the lower ones in -8..8.
void IntPolRandom(int n, IntPolynomial& ip);

}  // namespace tessaro
