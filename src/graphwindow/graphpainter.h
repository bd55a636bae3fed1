#pragma once

// Draws the graph of a polynomial with QPainter, on a widget, an image, an SVG file or a
// printer alike.

#include "plot/plot.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <optional>

class QPainter;

namespace tessaro {

struct GraphStyle {
  QColor background, grid, axis, text, curve, rootFill, turning, trace;
};
GraphStyle LightStyle();
GraphStyle DarkStyle();

// What one picture shows.
struct GraphPicture {
  const GraphFacts* facts = nullptr;
  View view;
  QString caption;                 // "P(x) = 4x^2-1", drawn top left; none when empty
  std::optional<double> traceX;    // the trace's x, drawn as a line and a dot
};

// Paints `picture` into `area`: grid and round ticks, axes, the curve, the roots as dots
// (filled when rational, hollow when not) with their labels, the stationary points as small
// squares (filled where the curve turns). Text is drawn as text, so an SVG keeps it.
void PaintGraph(QPainter& painter, const QRectF& area, const GraphPicture& picture,
                const GraphStyle& style);

enum class ExportResult { Written, UnknownSuffix, CannotWrite };
// Writes the picture as PNG or SVG, by the suffix of `fileName` (either case), `size` pixels,
// in the light style. The file is written whole or not at all: a temporary file is renamed
// over it only once complete.
ExportResult ExportGraph(const QString& fileName, QSize size, const GraphPicture& picture);

// The distance between the x values PaintGraph writes along the bottom edge.
double XTickStep(const QRectF& area, const View& v);
// The point of the plane that `pixel` of `area` shows.
QPointF PlanePoint(const QRectF& area, const View& v, const QPointF& pixel);

// The caption of a picture: "A(x) = x^2-1".
QString GraphCaption(const QString& name, const Polynomial& p);

}  // namespace tessaro
