#include "plot/graphfacts.h"

#include "numbers/words.h"

#include <cmath>
#include <cstdio>

namespace tessaro {

namespace {

// An exact value longer than this is shown approximately: a turning point's height can be a
// fraction of a hundred digits, which no one reads.
constexpr std::size_t LongestExact = 20;

std::string Joined(const std::vector<GraphPoint>& points) {
  std::string out;
  for (const GraphPoint& point : points) {
    if (!out.empty()) out += ", ";
    out += point.label;
  }
  return out;
}

// "Real roots: -1/2, 1/2.": the pattern for one point, for several, or the words for none.
std::string Sentence(const std::string& one, const std::string& many, const std::string& none,
                     const std::vector<GraphPoint>& points) {
  if (points.empty()) return none;
  return Fill(points.size() == 1 ? one : many, {Joined(points)});
}

std::string NoTurningPoints() { return translate("Graph", "Turning points: none."); }

std::string CoordinateText(bool exact, const WideRational& value, double approx) {
  if (exact) {
    std::string text = value.Text();
    if (text.size() <= LongestExact) return text;
  }
  return ApproxText(approx);
}

}  // namespace

std::string MultiplicityWord(int multiplicity) {
  switch (multiplicity) {
    case 2: return translate("Graph", "double");
    case 3: return translate("Graph", "triple");
    case 4: return translate("Graph", "quadruple");
    case 5: return translate("Graph", "quintuple");
    case 6: return translate("Graph", "sextuple");
    case 7: return translate("Graph", "septuple");
    case 8: return translate("Graph", "octuple");
    case 9: return translate("Graph", "nonuple");
    default: return "";
  }
}

std::string ApproxText(double v) {
  char buffer[64];
  const double magnitude = std::fabs(v);
  if (!std::isfinite(v)) return v > 0 ? "≈ ∞" : (v < 0 ? "≈ -∞" : "?");
  if (magnitude == 0 || (magnitude >= 0.001 && magnitude < 1e7)) {
    std::snprintf(buffer, sizeof buffer, "%.3f", v);
    std::string text = buffer;
    // A value that rounds to zero shows no sign.
    if (text == "-0.000") text = "0.000";
    return "≈ " + text;
  }
  int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
  double mantissa = v / std::pow(10.0, exponent);
  std::snprintf(buffer, sizeof buffer, "%.3f", mantissa);
  // 9.9996 rounds up to 10.000: one more power of ten instead.
  if (std::fabs(std::atof(buffer)) >= 10) {
    ++exponent;
    std::snprintf(buffer, sizeof buffer, "%.3f", v / std::pow(10.0, exponent));
  }
  return "≈ " + std::string(buffer) + "·10^" + std::to_string(exponent);
}

std::string RootLabel(const RealRoot& root) {
  std::string label = root.exact ? root.value.Text() : ApproxText(root.approx);
  if (root.multiplicity > 1) label += " (" + MultiplicityWord(root.multiplicity) + ")";
  return label;
}

GraphFacts FactsOf(const Polynomial& p) {
  GraphFacts facts;
  facts.p = p;
  std::vector<RealRoot> roots;
  const RootsOutcome outcome = PolRealRoots(p, roots);
  if (outcome == RootsOutcome::Refused) {
    facts.sentences = {NotARationalPolynomial()};
    return facts;
  }
  facts.yIntercept = PolValueApprox(p, 0);
  if (outcome == RootsOutcome::EveryX) {
    facts.state = GraphState::ZeroPolynomial;
    //: %1 is the variable, x; %2 is 0.
    facts.sentences = {Fill(translate("Graph", "Real roots: every %1 (the polynomial is %2)."),
                            {"x", "0"}),
                       NoTurningPoints()};
    return facts;
  }
  facts.state = GraphState::Curve;
  for (const RealRoot& r : roots)
    facts.roots.push_back({r.approx, 0, RootLabel(r), r.exact, r.multiplicity});
  std::vector<StationaryPoint> points;
  // A constant has no stationary point worth marking: its derivative is 0 everywhere.
  if (PolStationaryPoints(p, points) == RootsOutcome::Found) {
    for (const StationaryPoint& s : points) {
      GraphPoint point;
      point.x = s.x.approx;
      point.y = s.approxY;
      point.exact = s.x.exact;
      point.multiplicity = s.x.multiplicity;
      point.label = "(" + CoordinateText(s.x.exact, s.x.value, s.x.approx) + ", " +
                    CoordinateText(s.exactY, s.y, s.approxY) + ")";
      (s.Turning() ? facts.turningPoints : facts.flatPoints).push_back(std::move(point));
    }
  }
  facts.sentences = {
      //: %1 is the label of the one real root: "Real root: 1/2.".
      Sentence(translate("Graph", "Real root: %1."),
               //: %1 lists the labels of the real roots: "Real roots: -1/2, 1 (double).".
               translate("Graph", "Real roots: %1."), translate("Graph", "Real roots: none."),
               facts.roots),
      //: %1 is the label of the one turning point: "Turning point: (0, -1).".
      Sentence(translate("Graph", "Turning point: %1."),
               //: %1 lists the labels of the turning points.
               translate("Graph", "Turning points: %1."), NoTurningPoints(),
               facts.turningPoints)};
  if (!facts.flatPoints.empty()) {
    facts.sentences.push_back(
        //: %1 is the label of the one stationary point of inflection: "... (0, 0).".
        Sentence(translate("Graph", "Stationary point of inflection: %1."),
                 //: %1 lists the labels of the stationary points of inflection.
                 translate("Graph", "Stationary points of inflection: %1."), "",
                 facts.flatPoints));
  }
  return facts;
}

std::string GraphFacts::Text() const {
  std::string text;
  for (const std::string& sentence : sentences) text += (text.empty() ? "" : " ") + sentence;
  return text;
}

}  // namespace tessaro
