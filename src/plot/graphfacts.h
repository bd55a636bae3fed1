#pragma once

#include <string>
#include <vector>

#include "polynomials/polynomial.h"
#include "polynomials/realroots.h"

namespace tessaro {

// A point the graph marks: a real root, a turning point or a stationary point of inflection.
struct GraphPoint {
  double x = 0;
  double y = 0;
  // A root: "-1/2", "≈ 1.414", "1 (double)"; another point: "(0, -1)", "(≈ 0.577, ≈ -0.385)".
  std::string label;
  bool exact = false;  // a rational root: drawn filled, an irrational one hollow
  int multiplicity = 1;
};

enum class GraphState {
  Curve,           // a polynomial with a curve and its facts
  ZeroPolynomial,  // every x is a root
  Refused,         // a coefficient with denominator 0: nothing to draw
};

// Everything the graph shows of one polynomial, computed exactly once.
struct GraphFacts {
  Polynomial p{};
  GraphState state = GraphState::Refused;
  std::vector<GraphPoint> roots;          // ascending
  std::vector<GraphPoint> turningPoints;  // maxima and minima, ascending
  std::vector<GraphPoint> flatPoints;     // stationary points where the curve goes on
  double yIntercept = 0;
  // The same facts in words, for reading, copying and screen readers:
  // "Real roots: -1/2, 1/2. Turning point: (0, -1)." — the sentences joined by a space.
  std::vector<std::string> sentences;
  std::string Text() const;
};

GraphFacts FactsOf(const Polynomial& p);

// "" for 1, then "double", "triple", ... "nonuple".
std::string MultiplicityWord(int multiplicity);
// "≈ 1.414": three decimals, or four digits times a power of ten for the very large and the
// very small ("≈ 2.158·10^-5").
std::string ApproxText(double v);
// The exact fraction, or ApproxText, then the multiplicity word in parentheses.
std::string RootLabel(const RealRoot& root);

}  // namespace tessaro
