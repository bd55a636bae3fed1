// A repaint of the graph while zooming and panning, drawn into an image offscreen as the
// window draws itself, at 100 % and 200 % scaling; and the facts a new polynomial needs.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "graphwindow/graphpainter.h"

namespace tessaro {
namespace {

const char* const Polynomials[] = {
    // Nine irrational roots and eight turning points.
    "x^9-10x^7+x^6+33x^5-6x^4-37x^3+9x^2+4x-1",
    // Rational, irrational and double roots.
    "2x^5-3x^4-4x^3+7x^2-2",
    // Coefficients near Long_Max, large denominators.
    "-1234567891/2147483629x^9+2147483646/2147483587x^8-987654321/2147483579x^7+"
    "1/2147483563x^6-2147483646/2147483549x^5+123456789/2147483543x^4+"
    "2147483646/2147483497x^3-7/2147483489x^2-2147483646/2147483477x+1/2147483423",
};

GraphFacts Facts(int i) {
  Polynomial p;
  if (!PolFromText(Polynomials[i], p)) std::abort();
  return FactsOf(p);
}

// Each iteration moves the view one step, zooming in and out and panning back and forth,
// and paints the whole picture, as a wheel turn or an arrow key does.
void BM_Repaint(benchmark::State& state) {
  const GraphFacts facts = Facts(static_cast<int>(state.range(0)));
  const int scale = static_cast<int>(state.range(1));
  const QSize size(900, 600);
  QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  GraphPicture picture;
  picture.facts = &facts;
  picture.view = FittedView(facts);
  picture.caption = GraphCaption(QStringLiteral("A"), facts.p);
  picture.traceX = (picture.view.x0 + picture.view.x1) / 3;
  const View fitted = picture.view;
  int step = 0;
  for (auto _ : state) {
    const View& v = picture.view;
    switch (step++ % 4) {
      case 0: picture.view = ZoomedAbout(v, (v.x0 + v.x1) / 2, (v.y0 + v.y1) / 2, 1.25); break;
      case 1: picture.view = Panned(v, 0.1, 0.05); break;
      case 2: picture.view = ZoomedAbout(v, (v.x0 + v.x1) / 2, (v.y0 + v.y1) / 2, 0.8); break;
      default: picture.view = Panned(v, -0.1, -0.05); break;
    }
    QPainter painter(&image);
    PaintGraph(painter, QRectF(QPointF(0, 0), QSizeF(size)), picture, LightStyle());
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
    if (step % 400 == 0) picture.view = fitted;
  }
  state.SetLabel(std::string(scale == 2 ? "200 %" : "100 %") + ", polynomial " +
                 std::to_string(state.range(0)));
}
BENCHMARK(BM_Repaint)
    ->ArgsProduct({{0, 1, 2}, {1, 2}})
    ->Unit(benchmark::kMillisecond);

// What showing a new polynomial computes: roots, stationary points, labels, words.
void BM_FactsOf(benchmark::State& state) {
  Polynomial p;
  if (!PolFromText(Polynomials[state.range(0)], p)) std::abort();
  for (auto _ : state) benchmark::DoNotOptimize(FactsOf(p).Text().size());
}
BENCHMARK(BM_FactsOf)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessaro

// Painting text needs the application's fonts, so the application comes first.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
