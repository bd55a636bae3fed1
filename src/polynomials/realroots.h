#pragma once

#include <vector>

#include "numbers/wideint.h"
#include "polynomials/polynomial.h"

namespace tessaro {

// One real root of a polynomial.
struct RealRoot {
  int multiplicity = 1;
  // A rational root is found exactly: `value` is the root itself.
  bool exact = false;
  WideRational value;
  // An irrational root lies strictly between low/2^exponent and high/2^exponent, an interval
  // at most 2^-30 wide that holds no other root.
  WideInt low, high;
  int exponent = 0;
  // Within 1e-9 of the root (the nearest double for an exact one).
  double approx = 0;
};

enum class RootsOutcome {
  Found,     // every real root, possibly none
  EveryX,    // the zero polynomial: every x is a root
  Refused,   // a coefficient with denominator 0
};

// Every real root of p, ascending, each once with its multiplicity; none is invented and
// none left out. The arithmetic is exact at any size (no overflow, no floating point) up to
// the approximations of the irrational roots.
RootsOutcome PolRealRoots(const Polynomial& p, std::vector<RealRoot>& roots);

// A real root of the derivative, with the polynomial's value there.
struct StationaryPoint {
  RealRoot x;  // its multiplicity is that of the root of the derivative
  bool exactY = false;  // the value is exact when x is
  WideRational y;
  double approxY = 0;
  // The curve turns (a maximum or a minimum) where the derivative changes sign, i.e. at a
  // root of odd multiplicity; at an even one it flattens and goes on (x^3 at 0).
  bool Turning() const { return x.multiplicity % 2 == 1; }
};

// The stationary points of p, ascending. EveryX for a constant (its derivative is zero).
RootsOutcome PolStationaryPoints(const Polynomial& p, std::vector<StationaryPoint>& points);

// p(x) exactly. False for a coefficient with denominator 0.
bool PolValueExact(const Polynomial& p, const WideRational& x, WideRational& value);
// p(x) in double precision, for drawing; ±infinity or NaN where it leaves the doubles.
double PolValueApprox(const Polynomial& p, double x);

}  // namespace tessaro
