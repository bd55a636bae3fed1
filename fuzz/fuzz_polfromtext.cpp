// Any bytes read as a polynomial must end in a polynomial, a failure or a ConversionError,
// never in a crash, undefined behaviour or a hang. What is read prints back to itself, and
// its analysis keeps its promises.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "polynomials/polynomials.h"

using namespace tessaro;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Polynomial p;
  try {
    if (!PolFromText(text, p)) return 0;
  } catch (const ConversionError&) {
    return 0;  // the conversion message is an expected outcome
  }
  for (const Rational& c : p) {
    if (c.Den == 0) __builtin_trap();
  }
  Polynomial back;
  if (!PolFromText(PolToText(p), back)) __builtin_trap();
  for (int k = 0; k <= MaxDegree; ++k) {
    if (back[k].Num != p[k].Num || (p[k].Num != 0 && back[k].Den != p[k].Den)) __builtin_trap();
  }

  RootList roots;
  const int count = PolIntRoots(p, roots);
  if (count >= 0) {
    int degrees = IntPolDegree(roots.cofactor);
    for (int i = 0; i < count; ++i) {
      // A true root whose powers pass Long_Max cannot be evaluated; x - r must divide P.
      Rational value;
      Polynomial factor, q, r;
      PolFromInt({-roots.roots[i], 1}, factor);
      if (PolValueAt(p, Rational{roots.roots[i], 1}, value) ? value.Num != 0
                                                             : PolDivMod(p, factor, q, r) == 1) {
        __builtin_trap();
      }
      degrees += roots.multiplicities[i];
    }
    if (PolIsNonZero(p) && degrees != PolDegree(p)) __builtin_trap();
    RootsText(roots);
  }
  Polynomial integral, derivative;
  if (PolIntegral(p, integral) == 1 && PolDerivative(integral, derivative) == 1) {
    for (int k = 0; k <= MaxDegree; ++k) {
      if (int64_t{derivative[k].Num} * p[k].Den != int64_t{p[k].Num} * derivative[k].Den) {
        __builtin_trap();
      }
    }
  }
  return 0;
}
