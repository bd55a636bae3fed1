// The Graph window's wiring: what it shows for a polynomial, its buttons, keys, wheel and
// mouse, export and print. What is drawn and where is the pure library's and the painter's.

#include "graphwindow/graphwindow.h"

#include "harness/harness.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QWheelEvent>
#include <QtTest/QTest>

#include <memory>

namespace tessaro::test {
namespace {

Polynomial Pol(const char* text) {
  Polynomial p;
  EXPECT_TRUE(PolFromText(text, p)) << text;
  return p;
}

class GraphWindowTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    graph_ = std::make_unique<TFGraph>();
    graph_->resize(900, 520);
  }
  void TearDown() override {
    graph_.reset();
    AppTest::TearDown();
  }
  QWidget* Area() { return Find(graph_.get(), "PGraph"); }
  double Width() const { return graph_->ShownView().x1 - graph_->ShownView().x0; }
  void Show(const char* text, const char* name = "A") {
    graph_->ShowPolynomial(Pol(text), QString::fromUtf8(name));
  }
  // The pixel of `area` where the plane point (x, y) is drawn.
  QPoint PixelOf(double x, double y) {
    const View& v = graph_->ShownView();
    const QRect r = Area()->rect();
    return QPoint(static_cast<int>(std::lround((x - v.x0) / (v.x1 - v.x0) * r.width())),
                  static_cast<int>(std::lround(r.height() - (y - v.y0) / (v.y1 - v.y0) * r.height())));
  }
  // The mouse moved to `to` with `buttons` held, sent straight to the area.
  void MoveMouse(QPoint to, Qt::MouseButtons buttons = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, QPointF(to), Area()->mapToGlobal(QPointF(to)),
                     Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(Area(), &move);
  }
  std::unique_ptr<TFGraph> graph_;
};

TEST_F(GraphWindowTest, ShowsThePolynomialAndItsFactsAndFollowsTheNextOne) {
  Show("4x^2-1");
  EXPECT_TRUE(graph_->isVisible());
  EXPECT_EQ(graph_->objectName(), "FGraph");
  EXPECT_EQ(graph_->windowTitle(), "Graph");
  EXPECT_EQ(TextOf(graph_.get(), "IdFacts"),
            "A(x) = 4x^2-1\nReal roots: -1/2, 1/2.\nTurning point: (0, -1).");
  EXPECT_EQ(Area()->accessibleDescription(), "Real roots: -1/2, 1/2. Turning point: (0, -1).");
  EXPECT_EQ(graph_->ShownView(), FittedView(FactsOf(Pol("4x^2-1"))));
  EXPECT_EQ(TextOf(graph_.get(), "EtTrace"), "Trace: -");

  graph_->hide();
  graph_->FollowPolynomial(Pol("x^2-2"), "P1");
  EXPECT_FALSE(graph_->isVisible()) << "following does not show the window";
  EXPECT_EQ(TextOf(graph_.get(), "IdFacts"),
            "P1(x) = x^2-2\nReal roots: ≈ -1.414, ≈ 1.414.\nTurning point: (0, -2).");
}

TEST_F(GraphWindowTest, ButtonsAndKeysZoomPanAndFit) {
  Show("4x^2-1");
  const View fitted = graph_->ShownView();
  Click(Find(graph_.get(), "BtZoomIn"));
  EXPECT_NEAR(Width(), 1.2 / 1.25, 1e-12);
  Click(Find(graph_.get(), "BtZoomOut"));
  Click(Find(graph_.get(), "BtZoomOut"));
  EXPECT_NEAR(Width(), 1.2 * 1.25, 1e-12);
  Click(Find(graph_.get(), "BtReset"));
  EXPECT_EQ(graph_->ShownView(), fitted);

  Press(Area(), Qt::Key_Plus);
  EXPECT_NEAR(Width(), 1.2 / 1.25, 1e-12);
  Press(Area(), Qt::Key_Minus);
  EXPECT_NEAR(Width(), 1.2, 1e-12);
  Press(Area(), Qt::Key_Right);
  EXPECT_NEAR(graph_->ShownView().x0, fitted.x0 + 0.12, 1e-12);
  Press(Area(), Qt::Key_Up);
  EXPECT_NEAR(graph_->ShownView().y0, fitted.y0 + 0.12, 1e-12);
  Press(Area(), Qt::Key_Home);
  EXPECT_EQ(graph_->ShownView(), fitted);
}

TEST_F(GraphWindowTest, TheWheelZoomsAboutTheCursorAndADragPans) {
  Show("4x^2-1");
  const View fitted = graph_->ShownView();
  const QPoint corner(0, 0);
  QWheelEvent wheel(corner, Area()->mapToGlobal(corner), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(Area(), &wheel);
  EXPECT_NEAR(Width(), 1.2 / 1.25, 1e-12);
  EXPECT_NEAR(graph_->ShownView().x0, fitted.x0, 1e-12) << "the point under the cursor stays";
  EXPECT_NEAR(graph_->ShownView().y1, fitted.y1, 1e-12);

  Press(Area(), Qt::Key_Home);
  const QPoint from(100, 100), to(260, 100);
  QTest::mousePress(Area(), Qt::LeftButton, Qt::NoModifier, from);
  MoveMouse(to, Qt::LeftButton);
  QTest::mouseRelease(Area(), Qt::LeftButton, Qt::NoModifier, to);
  EXPECT_NEAR(graph_->ShownView().x0, fitted.x0 - 1.2 * 160 / Area()->width(), 1e-9)
      << "dragging right shows what lay to the left";
}

TEST_F(GraphWindowTest, TheTraceFollowsTheMouseAndTheKeys) {
  Show("4x^2-1");
  MoveMouse(PixelOf(0.25, 0));
  EXPECT_TRUE(TextOf(graph_.get(), "EtTrace").startsWith("x = 0.2")) << ToStd(TextOf(graph_.get(), "EtTrace"));
  EXPECT_TRUE(TextOf(graph_.get(), "EtTrace").contains("P(x) ≈ -0.7"));

  Press(Area(), Qt::Key_Home);
  Press(Area(), Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(TextOf(graph_.get(), "EtTrace"), "Turning point: (0, -1)") << "from 0.25 back";
  Press(Area(), Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(TextOf(graph_.get(), "EtTrace"), "Root: -1/2");
  Press(Area(), Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(TextOf(graph_.get(), "EtTrace"), "Root: -1/2") << "nothing before the first";
  // A tenth of the tick distance (0.02 or 0.05 as the window is wide) from the root.
  Press(Area(), Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_TRUE(TextOf(graph_.get(), "EtTrace").startsWith("x = -0.4"))
      << ToStd(TextOf(graph_.get(), "EtTrace"));
  Press(Area(), Qt::Key_Left, Qt::ShiftModifier);
  Press(Area(), Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_TRUE(TextOf(graph_.get(), "EtTrace").startsWith("x = -0.5"))
      << ToStd(TextOf(graph_.get(), "EtTrace"));
}

TEST_F(GraphWindowTest, ExportWritesTheFileOrNothing) {
  Show("2x^5-3x^4-4x^3+7x^2-2");
  const QString svg = WorkDir() + "/graph.svg";
  EXPECT_EQ(graph_->Export(svg), ExportResult::Written);
  QFile file(svg);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString content = QString::fromUtf8(file.readAll());
  for (const char* label : {">-1/2<", ">≈ -1.414<", ">1 (double)<", ">≈ 1.414<"})
    EXPECT_TRUE(content.contains(QString::fromUtf8(label))) << label;

  EXPECT_EQ(graph_->Export(WorkDir() + "/no/such/folder/graph.png"), ExportResult::CannotWrite);
  EXPECT_EQ(graph_->Export(WorkDir() + "/graph.jpg"), ExportResult::UnknownSuffix);
  EXPECT_FALSE(QFile::exists(WorkDir() + "/graph.jpg"));

  ExpectDialog("DlgExport", [this](QDialog* d) {
    qobject_cast<QFileDialog*>(d)->selectFile(WorkDir() + "/chosen");
    d->accept();
  });
  Click(Find(graph_.get(), "BtPng"));
  QImage image(WorkDir() + "/chosen.png");
  EXPECT_EQ(image.size(), Area()->size()) << "the default suffix, at the size shown";

  ExpectDialog("DlgExport", [](QDialog* d) { d->reject(); });
  Click(Find(graph_.get(), "BtSvg"));
}

TEST_F(GraphWindowTest, PrintAsksForAPrinter) {
  Show("x^3-x");
  ExpectDialog("DlgPrint", [](QDialog* d) {
    EXPECT_NE(qobject_cast<QPrintDialog*>(d), nullptr);
    d->reject();
  });
  Click(Find(graph_.get(), "BtPrint"));
}

// Run again at 200 % scaling, with the look tests.
class GraphLookTest : public GraphWindowTest {};

TEST_F(GraphLookTest, LightAndDarkPalettesAtAnyScale) {
  Show("4x^2-1");
  QApplication::processEvents();
  for (bool dark : {false, true}) {
    SCOPED_TRACE(dark ? "dark" : "light");
    QPalette palette = graph_->palette();
    palette.setColor(QPalette::Window, dark ? QColor(30, 30, 30) : QColor(239, 239, 239));
    Area()->setPalette(palette);
    const GraphStyle style = dark ? DarkStyle() : LightStyle();
    const QImage image = Area()->grab().toImage();
    const double scale = image.devicePixelRatio();
    auto at = [&](QPoint p) { return image.pixelColor(QPointF(p * scale).toPoint()); };
    EXPECT_EQ(at(PixelOf(0.3, -0.5)), style.background);
    // The filled dot of the root -1/2, at its place whatever the scale.
    EXPECT_EQ(at(PixelOf(-0.5, 0)), style.rootFill);
  }
}

}  // namespace
}  // namespace tessaro::test
