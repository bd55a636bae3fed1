#pragma once

// The texts that the Polynomials window shows for its operations, failures included.
// The window reads its fields, calls these and writes what they return.

#include "polynomials/polynomials.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

// The coefficient grid: cell k holds the coefficient of x^k, an empty cell stands for 0.
using PolCells = std::array<std::string, 10>;

enum class CellsRead {
  Empty,    // every cell empty: nothing to add
  Read,     // p holds the polynomial
  Refused,  // a cell is not a rational, or has denominator 0
};
// May throw ConversionError, as RatFromText does.
CellsRead PolFromCells(const PolCells& cells, Polynomial& p);

// The non-zero coefficients of `ip` in decimal; the other cells empty.
PolCells CellsOfIntPol(const IntPolynomial& ip);

// P(x) for the text of x: "Not calculable" when x is not a rational, has denominator 0, or
// a step of the evaluation overflows. May throw ConversionError, as RatFromText does.
std::string PolValueText(const Polynomial& p, std::string_view x);

struct PolUnaryTexts {
  std::string roots, factorization, derivative, integral;
};
// The integer roots, factorization, derivative and integral (with "+C") of p.
PolUnaryTexts UnaryTextsOf(const Polynomial& p);

struct PolBinaryTexts {
  std::string sum, difference, product, quotient, remainder, hcd, lcm;
};
// A + B, A - B, A · B, quotient and remainder of A / B, hcd and LCM.
PolBinaryTexts BinaryTextsOf(const Polynomial& a, const Polynomial& b);

// The captions of the binary results for the letters of the operands.
struct PolBinaryCaptions {
  std::string sum, difference, product, quotient, letters;
};
PolBinaryCaptions BinaryCaptionsOf(char a, char b);

struct TextColour {
  int red, green, blue;
};
struct PolCombinedText {
  std::string text;
  std::optional<TextColour> colour;  // none: the usual text colour
};
// What the combined-operation field shows for a result code of PolEval.
PolCombinedText CombinedTextOf(int code, const Polynomial& result);

}  // namespace tessaro
