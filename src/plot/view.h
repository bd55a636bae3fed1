#pragma once

#include <string>
#include <utility>
#include <vector>

#include "plot/graphfacts.h"

namespace tessaro {

// The part of the plane a graph shows.
struct View {
  double x0 = -5, x1 = 5;
  double y0 = -5, y1 = 5;
  friend bool operator==(const View&, const View&) = default;
};

// Every root, stationary point and the y-intercept, with a tenth of the span as margin on
// each side; -5…5 for a range the points leave open.
View FittedView(const GraphFacts& facts);

// Zoomed by `factor` (above 1 closer, below 1 farther) so that the point (x, y) stays where
// it is on the screen. The old view when the new one would be too fine for the doubles to
// draw (narrower than 1e-9 of its distance from 0) or reach beyond 1e200.
View ZoomedAbout(const View& v, double x, double y, double factor);
// Moved by fractions of its width and height, toward larger x and y for positive ones; the
// old view where the new one could not be drawn.
View Panned(const View& v, double fx, double fy);

struct Tick {
  double value = 0;
  std::string text;  // "0.5", "-2", "1.2·10^7"
};
// Round values (1, 2 or 5 times a power of ten apart) in [lo, hi], at most `most` of them.
std::vector<Tick> Ticks(double lo, double hi, int most);
// The distance between the ticks Ticks would give.
double TickStep(double lo, double hi, int most);

// For labels along a line, each given as its [left, right] extent in pixels in ascending
// order of left: the row each goes in, 0 the nearest, so that no two in one row come closer
// than `gap`.
std::vector<int> LabelRows(const std::vector<std::pair<double, double>>& spans, double gap);

// What the trace shows at x: "x = 1.250, P(x) ≈ -0.438", its decimals fitted to `step`.
std::string TraceText(const GraphFacts& facts, double x, double step);

// The points a trace can jump to, ascending by x: roots and stationary points, each with
// what the trace then shows ("Root: -1/2", "Turning point: (0, -1)").
struct TraceMark {
  double x = 0;
  std::string text;
};
std::vector<TraceMark> TraceMarks(const GraphFacts& facts);
// The index of the mark after x (dir > 0) or before it (dir < 0); -1 when there is none.
int NextMark(const std::vector<TraceMark>& marks, double x, int dir);

}  // namespace tessaro
