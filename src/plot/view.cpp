#include "plot/view.h"

#include "numbers/words.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>

namespace tessaro {

namespace {

constexpr double Margin = 0.1;
constexpr double DefaultHalf = 5;
// A view narrower than this part of its distance from 0 would blur into the doubles'
// rounding; ends beyond Farthest leave no room for the arithmetic of drawing.
constexpr double Finest = 1e-9;
constexpr double Farthest = 1e200;

bool Drawable(const View& v) {
  for (double end : {v.x0, v.x1, v.y0, v.y1}) {
    if (!(std::fabs(end) <= Farthest)) return false;
  }
  return v.x1 > v.x0 && v.y1 > v.y0;
}

// The span of [lo, hi] is fine enough to draw.
bool Fine(double lo, double hi) {
  return hi - lo >= Finest * std::max({1.0, std::fabs(lo), std::fabs(hi)});
}

// [lo, hi] with the margin, or `fallback` when the points fix no span.
std::pair<double, double> Spread(double lo, double hi, std::pair<double, double> fallback) {
  if (!(hi > lo) || !std::isfinite(hi - lo)) return fallback;
  const double m = (hi - lo) * Margin;
  return {lo - m, hi + m};
}

std::string Fixed(double v, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", std::clamp(decimals, 0, 12), v);
  std::string text = buffer;
  // A value that rounds to zero shows no sign.
  if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') text.erase(0, 1);
  return text;
}

// A tick value as text: fixed decimals, or a mantissa times a power of ten for the very large
// and for small values that would need many decimals.
std::string TickText(double v, double step) {
  if (std::fabs(v) < step / 2) return "0";
  const int stepExponent = static_cast<int>(std::floor(std::log10(step) + 1e-9));
  const int decimals = std::max(0, -stepExponent);
  const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(v)) + 1e-9));
  if (std::fabs(v) < 1e7 && (decimals <= 6 || exponent >= 0)) return Fixed(v, decimals);
  return Fixed(v / std::pow(10.0, exponent), std::max(0, exponent - stepExponent)) + "·10^" +
         std::to_string(exponent);
}

// The decimals that show a value to a hundredth of `step`.
int DecimalsFor(double step) {
  return std::clamp(2 - static_cast<int>(std::floor(std::log10(step) + 1e-9)), 0, 12);
}

std::string ValueText(double v, double step) {
  const double magnitude = std::fabs(v);
  if (!std::isfinite(v)) return v > 0 ? "∞" : "-∞";
  if (magnitude >= 1e7) return ApproxText(v).substr(std::string("≈ ").size());
  return Fixed(v, DecimalsFor(step));
}

}  // namespace

View FittedView(const GraphFacts& facts) {
  std::vector<double> xs{0}, ys{0, facts.yIntercept};
  for (const GraphPoint& r : facts.roots) xs.push_back(r.x);
  for (const auto* points : {&facts.turningPoints, &facts.flatPoints}) {
    for (const GraphPoint& s : *points) {
      xs.push_back(s.x);
      ys.push_back(s.y);
    }
  }
  View v;
  const auto [xLo, xHi] = std::minmax_element(xs.begin(), xs.end());
  std::tie(v.x0, v.x1) = Spread(*xLo, *xHi, {-DefaultHalf, DefaultHalf});
  // Between the outermost points the curve's highest and lowest values are at a turning
  // point or at one of those points, so their values frame the curve there. When the points
  // fix no x-span, the default one has ends that are no such point: their values count too.
  if (*xLo == *xHi && facts.state == GraphState::Curve) {
    ys.push_back(PolValueApprox(facts.p, v.x0));
    ys.push_back(PolValueApprox(facts.p, v.x1));
  }
  std::erase_if(ys, [](double y) { return !std::isfinite(y); });
  const auto [yLo, yHi] = std::minmax_element(ys.begin(), ys.end());
  std::tie(v.y0, v.y1) = Spread(*yLo, *yHi, {-DefaultHalf, DefaultHalf});
  return v;
}

View ZoomedAbout(const View& v, double x, double y, double factor) {
  if (!(factor > 0)) return v;
  View z;
  z.x0 = x - (x - v.x0) / factor;
  z.x1 = x + (v.x1 - x) / factor;
  z.y0 = y - (y - v.y0) / factor;
  z.y1 = y + (v.y1 - y) / factor;
  if (!Drawable(z)) return v;
  // Zooming in stops at the finest view; a view already finer may still zoom out.
  if (factor > 1 && (!Fine(z.x0, z.x1) || !Fine(z.y0, z.y1))) return v;
  return z;
}

View Panned(const View& v, double fx, double fy) {
  const double dx = (v.x1 - v.x0) * fx, dy = (v.y1 - v.y0) * fy;
  const View p{v.x0 + dx, v.x1 + dx, v.y0 + dy, v.y1 + dy};
  return Drawable(p) && Fine(p.x0, p.x1) && Fine(p.y0, p.y1) ? p : v;
}

double TickStep(double lo, double hi, int most) {
  const double span = hi - lo;
  if (!(span > 0) || most < 2) return std::isfinite(span) && span > 0 ? span : 1;
  // `most` ticks have most - 1 steps between them.
  const double rough = span / (most - 1);
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (double m : {1.0, 2.0, 5.0, 10.0}) {
    if (m * power >= rough * (1 - 1e-9)) return m * power;  // a hair over a round step is that step
  }
  return 10 * power;
}

std::vector<Tick> Ticks(double lo, double hi, int most) {
  std::vector<Tick> ticks;
  if (!(hi > lo) || !std::isfinite(hi - lo)) return ticks;
  const double step = TickStep(lo, hi, most);
  // Each value from its own index, so no error builds up along the axis.
  // A tick a rounding error outside [lo, hi] still counts: -0.6 is 3 steps of 0.2.
  const double slack = step * 1e-9;
  for (double k = std::ceil((lo - slack) / step); k * step <= hi + slack && ticks.size() <= 1000;
       ++k) {
    const double value = k * step;
    ticks.push_back({value, TickText(value, step)});
  }
  return ticks;
}

std::vector<int> LabelRows(const std::vector<std::pair<double, double>>& spans, double gap) {
  std::vector<int> rows;
  std::vector<double> rightmost;  // of each row so far
  for (const auto& [left, right] : spans) {
    std::size_t row = 0;
    while (row < rightmost.size() && left < rightmost[row] + gap) ++row;
    if (row == rightmost.size()) rightmost.push_back(right);
    rightmost[row] = right;
    rows.push_back(static_cast<int>(row));
  }
  return rows;
}

std::string TraceText(const GraphFacts& facts, double x, double step) {
  const double y = PolValueApprox(facts.p, x);
  return "x = " + Fixed(x, DecimalsFor(step)) + ", P(x) ≈ " + ValueText(y, step);
}

namespace {

// A mark with its words in both places: alone or first ("Root: 1"), and after another mark
// of the same point ("; turning point: (1, 0)"), where English writes no capital.
struct Mark {
  double x = 0;
  std::string first, after;
};

void AddMarks(std::vector<Mark>& marks, const std::vector<GraphPoint>& points,
              const std::string& first, const std::string& after) {
  for (const GraphPoint& p : points)
    marks.push_back({p.x, Fill(first, {p.label}), Fill(after, {p.label})});
}

}  // namespace

std::vector<TraceMark> TraceMarks(const GraphFacts& facts) {
  std::vector<Mark> marks;
  //: What the trace shows on a root; %1 is its label: "Root: 1 (double)".
  AddMarks(marks, facts.roots, translate("Graph", "Root: %1"),
           //: The same after another mark of the point: "Turning point: (1, 0); root: 1".
           translate("Graph", "root: %1"));
  //: What the trace shows on a turning point; %1 is its label: "Turning point: (0, -1)".
  AddMarks(marks, facts.turningPoints, translate("Graph", "Turning point: %1"),
           //: The same after another mark of the point: "Root: 1 (double); turning point: (1, 0)".
           translate("Graph", "turning point: %1"));
  //: What the trace shows on a stationary point of inflection; %1 is its label.
  AddMarks(marks, facts.flatPoints, translate("Graph", "Stationary point of inflection: %1"),
           //: The same after another mark of the point: "Root: 0 (triple); stationary point...".
           translate("Graph", "stationary point of inflection: %1"));
  std::stable_sort(marks.begin(), marks.end(),
                   [](const Mark& a, const Mark& b) { return a.x < b.x; });
  // A double root is a turning point too: one mark says both. Each x is within 1e-9 of the
  // point, so two within 2e-9 may be the same point.
  std::vector<TraceMark> merged;
  for (const Mark& m : marks) {
    if (!merged.empty() && m.x - merged.back().x <= 2e-9) {
      merged.back().text += "; " + m.after;
    } else {
      merged.push_back({m.x, m.first});
    }
  }
  return merged;
}

int NextMark(const std::vector<TraceMark>& marks, double x, int dir) {
  if (dir > 0) {
    for (std::size_t i = 0; i < marks.size(); ++i)
      if (marks[i].x > x) return static_cast<int>(i);
  } else {
    for (std::size_t i = marks.size(); i-- > 0;)
      if (marks[i].x < x) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace tessaro
