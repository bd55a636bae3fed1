#include "graphwindow/graphpainter.h"

#include "ui/ui.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tessaro {

namespace {

constexpr int TextPixels = 13;
constexpr double DotRadius = 5;
constexpr double SquareHalf = 4;
constexpr double LabelGap = 6;
// The curve is sampled this many times per pixel of width.
constexpr double SamplesPerPixel = 2;
// Curve points farther off than this many heights are pulled in: the painter's coordinates
// stay finite, and a segment that leaves the view keeps its slope to within a twentieth of
// a sample's width.
constexpr double ClampHeights = 20;

// A value along the bottom edge every 90 pixels or so, and at least at both ends.
int XTickCount(double width) { return std::max(2, static_cast<int>(width / 90)); }

// Between the plane and the area's pixels.
struct Mapping {
  QRectF area;
  View v;
  double X(double x) const { return area.left() + (x - v.x0) / (v.x1 - v.x0) * area.width(); }
  double Y(double y) const {
    return area.bottom() - (y - v.y0) / (v.y1 - v.y0) * area.height();
  }
  bool ShowsX(double x) const { return x >= v.x0 && x <= v.x1; }
  bool ShowsY(double y) const { return y >= v.y0 && y <= v.y1; }
};

// Text on a box of the background, so that grid lines and the curve do not run through it.
void BoxedText(QPainter& painter, const QRectF& box, const QString& text, const GraphStyle& style) {
  // Opaque: a line showing through a "0" would read as "-0".
  painter.setPen(Qt::NoPen);
  painter.setBrush(style.background);
  painter.drawRoundedRect(box.adjusted(-2, 0, 2, 0), 3, 3);
  painter.setPen(style.text);
  painter.drawText(box, Qt::AlignCenter, text);
}

void PaintGrid(QPainter& painter, const Mapping& m, const GraphStyle& style) {
  const QFontMetricsF metrics(painter.font());
  const QRectF& a = m.area;
  const std::vector<Tick> xTicks = Ticks(m.v.x0, m.v.x1, XTickCount(a.width()));
  const std::vector<Tick> yTicks = Ticks(m.v.y0, m.v.y1, std::max(2, static_cast<int>(a.height() / 60)));
  painter.setPen(QPen(style.grid, 1));
  for (const Tick& t : xTicks) painter.drawLine(QPointF(m.X(t.value), a.top()), QPointF(m.X(t.value), a.bottom()));
  for (const Tick& t : yTicks) painter.drawLine(QPointF(a.left(), m.Y(t.value)), QPointF(a.right(), m.Y(t.value)));
  painter.setPen(QPen(style.axis, 1.5));
  if (m.ShowsY(0)) painter.drawLine(QPointF(a.left(), m.Y(0)), QPointF(a.right(), m.Y(0)));
  if (m.ShowsX(0)) painter.drawLine(QPointF(m.X(0), a.top()), QPointF(m.X(0), a.bottom()));
  // The tick values along the bottom and the left edge, clear of the roots' labels.
  const double h = metrics.height();
  for (const Tick& t : xTicks) {
    const QString text = FromStd(t.text);
    const double w = metrics.horizontalAdvance(text);
    const double left = std::clamp(m.X(t.value) - w / 2, a.left() + 2, a.right() - w - 2);
    BoxedText(painter, QRectF(left, a.bottom() - h - 2, w, h), text, style);
  }
  for (const Tick& t : yTicks) {
    const QString text = FromStd(t.text);
    const double w = metrics.horizontalAdvance(text);
    const double top = std::clamp(m.Y(t.value) - h / 2, a.top() + 2, a.bottom() - 2 * h - 4);
    if (m.Y(t.value) > a.bottom() - h - 4) continue;  // the corner belongs to the x values
    BoxedText(painter, QRectF(a.left() + 2, top, w, h), text, style);
  }
}

void PaintCurve(QPainter& painter, const Mapping& m, const GraphFacts& facts,
                const GraphStyle& style) {
  const QRectF& a = m.area;
  const int n = std::max(2, static_cast<int>(a.width() * SamplesPerPixel));
  std::vector<double> xs;
  xs.reserve(n + facts.roots.size() + facts.turningPoints.size() + facts.flatPoints.size() + 1);
  for (int i = 0; i <= n; ++i) xs.push_back(m.v.x0 + (m.v.x1 - m.v.x0) * i / n);
  // The marked points themselves, so that the curve passes through each exactly: a root of
  // even multiplicity touches the axis instead of stopping short of it.
  for (const auto* points : {&facts.roots, &facts.turningPoints, &facts.flatPoints})
    for (const GraphPoint& point : *points)
      if (m.ShowsX(point.x)) xs.push_back(point.x);
  std::sort(xs.begin(), xs.end());
  const double low = a.top() - ClampHeights * a.height();
  const double high = a.bottom() + ClampHeights * a.height();
  QPainterPath path;
  bool open = false;
  for (double x : xs) {
    const double y = PolValueApprox(facts.p, x);
    if (std::isnan(y)) {
      open = false;
      continue;
    }
    const QPointF point(m.X(x), std::clamp(m.Y(y), low, high));
    if (open) {
      path.lineTo(point);
    } else {
      path.moveTo(point);
      open = true;
    }
  }
  painter.setPen(QPen(style.curve, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path);
}

void PaintStationaryPoints(QPainter& painter, const Mapping& m, const GraphFacts& facts,
                           const GraphStyle& style) {
  painter.setPen(QPen(style.turning, 1.5));
  for (const auto* points : {&facts.turningPoints, &facts.flatPoints}) {
    // Filled where the curve turns, open where it only flattens.
    painter.setBrush(points == &facts.turningPoints ? QBrush(style.turning) : QBrush(style.background));
    for (const GraphPoint& s : *points) {
      if (!m.ShowsX(s.x) || !m.ShowsY(s.y)) continue;
      painter.drawRect(QRectF(m.X(s.x) - SquareHalf, m.Y(s.y) - SquareHalf, 2 * SquareHalf, 2 * SquareHalf));
    }
  }
}

void PaintRoots(QPainter& painter, const Mapping& m, const GraphFacts& facts,
                const GraphStyle& style) {
  if (!m.ShowsY(0)) return;
  const QFontMetricsF metrics(painter.font());
  const double axis = m.Y(0);
  std::vector<const GraphPoint*> shown;
  std::vector<std::pair<double, double>> spans;
  for (const GraphPoint& r : facts.roots) {
    if (!m.ShowsX(r.x)) continue;
    const double w = metrics.horizontalAdvance(FromStd(r.label));
    shown.push_back(&r);
    spans.emplace_back(m.X(r.x) - w / 2, m.X(r.x) + w / 2);
  }
  const std::vector<int> rows = LabelRows(spans, LabelGap);
  const double h = metrics.height();
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const GraphPoint& r = *shown[i];
    const QPointF at(m.X(r.x), axis);
    painter.setPen(QPen(style.rootFill, 2));
    painter.setBrush(r.exact ? QBrush(style.rootFill) : QBrush(style.background));
    painter.drawEllipse(at, DotRadius, DotRadius);
    // Row 0 below the axis, 1 above, 2 below again further out, and so on.
    const int row = rows[i];
    const double offset = DotRadius + 3 + (row / 2) * (h + 1);
    const double top = row % 2 == 0 ? axis + offset : axis - offset - h;
    const double w = spans[i].second - spans[i].first;
    const double left = std::clamp(spans[i].first, m.area.left() + 2, m.area.right() - w - 2);
    BoxedText(painter, QRectF(left, top, w, h), FromStd(r.label), style);
  }
}

void PaintTrace(QPainter& painter, const Mapping& m, const GraphFacts& facts, double x,
                const GraphStyle& style) {
  if (!m.ShowsX(x)) return;
  painter.setPen(QPen(style.trace, 1, Qt::DashLine));
  painter.drawLine(QPointF(m.X(x), m.area.top()), QPointF(m.X(x), m.area.bottom()));
  const double y = PolValueApprox(facts.p, x);
  if (!m.ShowsY(y)) return;
  painter.setPen(QPen(style.trace, 2));
  painter.setBrush(style.background);
  painter.drawEllipse(QPointF(m.X(x), m.Y(y)), DotRadius - 1, DotRadius - 1);
}

}  // namespace

GraphStyle LightStyle() {
  return {QColor(255, 255, 255), QColor(228, 228, 228), QColor(64, 64, 64), QColor(32, 32, 32),
          QColor(31, 95, 191),  QColor(31, 95, 191),   QColor(217, 130, 43), QColor(192, 48, 48)};
}

GraphStyle DarkStyle() {
  return {QColor(30, 30, 30),   QColor(60, 60, 60),    QColor(192, 192, 192), QColor(224, 224, 224),
          QColor(106, 168, 255), QColor(106, 168, 255), QColor(240, 160, 80),  QColor(255, 107, 107)};
}

void PaintGraph(QPainter& painter, const QRectF& area, const GraphPicture& picture,
                const GraphStyle& style) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setClipRect(area);
  QFont font = painter.font();
  font.setPixelSize(TextPixels);
  painter.setFont(font);
  painter.fillRect(area, style.background);
  const Mapping m{area, picture.view};
  PaintGrid(painter, m, style);
  const GraphFacts* facts = picture.facts;
  if (facts && facts->state != GraphState::Refused) {
    PaintCurve(painter, m, *facts, style);
    // The squares over the dots: a double root is a turning point too, and shows both.
    PaintRoots(painter, m, *facts, style);
    PaintStationaryPoints(painter, m, *facts, style);
    if (picture.traceX) PaintTrace(painter, m, *facts, *picture.traceX, style);
  }
  QString caption = picture.caption;
  if (facts && facts->state == GraphState::Refused) caption = FromStd(facts->Text());
  if (!caption.isEmpty()) {
    const QFontMetricsF metrics(painter.font());
    const QRectF box(area.left() + 8, area.top() + 6, metrics.horizontalAdvance(caption) + 4,
                     metrics.height());
    BoxedText(painter, box, caption, style);
  }
  painter.restore();
}

ExportResult ExportGraph(const QString& fileName, QSize size, const GraphPicture& picture) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix != QStringLiteral("png") && suffix != QStringLiteral("svg"))
    return ExportResult::UnknownSuffix;
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) return ExportResult::CannotWrite;
  const QRectF area(QPointF(0, 0), QSizeF(size));
  if (suffix == QStringLiteral("png")) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(LightStyle().background);
    QPainter painter(&image);
    PaintGraph(painter, area, picture, LightStyle());
    painter.end();
    if (!image.save(&file, "PNG")) {
      file.cancelWriting();
      return ExportResult::CannotWrite;
    }
  } else {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(picture.caption);
    if (picture.facts) svg.setDescription(FromStd(picture.facts->Text()));
    QPainter painter(&svg);
    PaintGraph(painter, area, picture, LightStyle());
    painter.end();
  }
  return file.commit() ? ExportResult::Written : ExportResult::CannotWrite;
}

double XTickStep(const QRectF& area, const View& v) {
  return TickStep(v.x0, v.x1, XTickCount(area.width()));
}

QPointF PlanePoint(const QRectF& area, const View& v, const QPointF& pixel) {
  return {v.x0 + (pixel.x() - area.left()) / area.width() * (v.x1 - v.x0),
          v.y0 + (area.bottom() - pixel.y()) / area.height() * (v.y1 - v.y0)};
}

QString GraphCaption(const QString& name, const Polynomial& p) {
  return name + QStringLiteral("(x) = ") + FromStd(PolToText(p));
}

}  // namespace tessaro
