#include "graphwindow/graphwindow.h"

#include "numbers/words.h"
#include "ui/ui.h"
#include "ui/widgets.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>
#include <QWheelEvent>

#include <cmath>

namespace tessaro {

namespace {

constexpr double ZoomStep = 1.25;
constexpr double PanStep = 0.1;
// A wheel's notch is 120 eighths of a degree; each notch zooms one step.
constexpr double WheelNotch = 120;

}  // namespace

// The drawing area: paints the window's picture and turns mouse and keys into the window's
// moves. It keeps no state of its own beyond a drag in progress.
class GraphArea : public QWidget {
 public:
  explicit GraphArea(TFGraph* window) : QWidget(window), window_(window) {
    setObjectName(QStringLiteral("PGraph"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(360, 280);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  }

  QRectF Area() const { return QRectF(rect()); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    PaintGraph(painter, Area(), window_->Picture(true),
               DarkPalette(palette()) ? DarkStyle() : LightStyle());
    if (hasFocus()) {
      painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
      painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
  }

  void wheelEvent(QWheelEvent* event) override {
    const double notches = event->angleDelta().y() / WheelNotch;
    if (notches != 0) RunGuarded([&] { window_->Zoom(std::pow(ZoomStep, notches), event->position()); });
    event->accept();
  }

  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) dragFrom_ = event->position();
    setFocus();
  }

  void mouseMoveEvent(QMouseEvent* event) override {
    RunGuarded([&] {
      if (dragFrom_ && (event->buttons() & Qt::LeftButton)) {
        const QPointF d = event->position() - *dragFrom_;
        dragFrom_ = event->position();
        // Dragging right shows what lay to the left.
        window_->Pan(-d.x() / width(), d.y() / height());
      } else {
        window_->TraceAt(PlanePoint(Area(), window_->view_, event->position()).x());
      }
    });
  }

  void mouseReleaseEvent(QMouseEvent*) override { dragFrom_.reset(); }

  void keyPressEvent(QKeyEvent* event) override {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    bool handled = true;
    RunGuarded([&] {
      const int key = event->key();
      if (key == Qt::Key_Plus || key == Qt::Key_Equal) {
        window_->Zoom(ZoomStep);
      } else if (key == Qt::Key_Minus) {
        window_->Zoom(1 / ZoomStep);
      } else if (key == Qt::Key_Home) {
        window_->Reset();
      } else if ((key == Qt::Key_Left || key == Qt::Key_Right) && mods == Qt::ShiftModifier) {
        window_->MoveTrace(key == Qt::Key_Left ? -1 : 1);
      } else if ((key == Qt::Key_Left || key == Qt::Key_Right) && mods == Qt::ControlModifier) {
        window_->JumpTrace(key == Qt::Key_Left ? -1 : 1);
      } else if (key == Qt::Key_Left && mods == Qt::NoModifier) {
        window_->Pan(-PanStep, 0);
      } else if (key == Qt::Key_Right && mods == Qt::NoModifier) {
        window_->Pan(PanStep, 0);
      } else if (key == Qt::Key_Up && mods == Qt::NoModifier) {
        window_->Pan(0, PanStep);
      } else if (key == Qt::Key_Down && mods == Qt::NoModifier) {
        window_->Pan(0, -PanStep);
      } else {
        handled = false;
      }
    });
    if (!handled) QWidget::keyPressEvent(event);
  }

  void focusInEvent(QFocusEvent* event) override {
    update();
    QWidget::focusInEvent(event);
  }
  void focusOutEvent(QFocusEvent* event) override {
    update();
    QWidget::focusOutEvent(event);
  }

 private:
  TFGraph* window_;
  std::optional<QPointF> dragFrom_;
};

TFGraph::TFGraph(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("FGraph"));
  setWindowTitle(tr("Graph"));

  PGraph = new GraphArea(this);
  IdFacts = Named(new QPlainTextEdit(this), "IdFacts");
  IdFacts->setReadOnly(true);
  IdFacts->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  IdFacts->setAccessibleName(tr("Facts of the graph"));
  // Room for a sentence of four roots on a line, in the program's language.
  IdFacts->setMinimumWidth(
      IdFacts->fontMetrics().horizontalAdvance(
          FromStd(Fill(translate("Graph", "Real roots: %1."),
                       {"\xE2\x89\x88 -1.414, -1/2, 1 (" + MultiplicityWord(2) + "), \xE2\x89\x88 1.414"}))) +
      24);
  EtTrace = Label(QString(), this, "EtTrace");
  EtTrace->setWordWrap(true);
  EtTrace->setTextInteractionFlags(Qt::TextSelectableByMouse);
  //: The keys of the graph; keep the line break, the keys' names may be your keyboard's.
  EtHelp = Label(tr("Zoom: wheel, + and −. Move: drag, arrow keys. Fit: Home.\n"
                    "Trace: mouse, Shift+← →; Ctrl+← → jumps to the next point."),
                 this, "EtHelp");
  EtHelp->setWordWrap(true);
  BtZoomIn = Button("BtZoomIn", QStringLiteral("+"), tr("Zoom in"), this);
  BtZoomOut = Button("BtZoomOut", QStringLiteral("−"), tr("Zoom out"), this);
  //: Show the whole curve with its points again.
  BtReset = Button("BtReset", tr("Fit"), tr("Fit every point (Home)"), this);
  BtPng = Button("BtPng", QStringLiteral("PNG..."), tr("Save as a PNG picture"), this);
  BtSvg = Button("BtSvg", QStringLiteral("SVG..."), tr("Save as an SVG drawing"), this);
  BtPrint = Button("BtPrint", tr("Print..."), tr("Print the graph"), this);

  auto* zoom = new QHBoxLayout;
  for (QPushButton* b : {BtZoomIn, BtZoomOut, BtReset}) zoom->addWidget(b);
  auto* files = new QHBoxLayout;
  for (QPushButton* b : {BtPng, BtSvg, BtPrint}) files->addWidget(b);
  auto* side = new QVBoxLayout;
  side->addWidget(IdFacts, 1);
  side->addWidget(EtTrace);
  side->addLayout(zoom);
  side->addWidget(EtHelp);
  side->addLayout(files);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(PGraph, 3);
  layout->addLayout(side, 1);
  TabOrder({PGraph, IdFacts, BtZoomIn, BtZoomOut, BtReset, BtPng, BtSvg, BtPrint});

  connect(BtZoomIn, &QPushButton::clicked, this, Guarded([this] { Zoom(ZoomStep); }));
  connect(BtZoomOut, &QPushButton::clicked, this, Guarded([this] { Zoom(1 / ZoomStep); }));
  connect(BtReset, &QPushButton::clicked, this, Guarded([this] { Reset(); }));
  connect(BtPng, &QPushButton::clicked, this, Guarded([this] { ExportClick(QStringLiteral("png")); }));
  connect(BtSvg, &QPushButton::clicked, this, Guarded([this] { ExportClick(QStringLiteral("svg")); }));
  connect(BtPrint, &QPushButton::clicked, this, Guarded([this] { PrintClick(); }));

  Polynomial zero{};
  FollowPolynomial(zero, name_);
  SetDesignedSize(this, {900, 520});
}

void TFGraph::ShowPolynomial(const Polynomial& p, const QString& name) {
  FollowPolynomial(p, name);
  ShowInFront(this);
  PGraph->setFocus();
}

void TFGraph::FollowPolynomial(const Polynomial& p, const QString& name) {
  facts_ = FactsOf(p);
  name_ = name;
  marks_ = TraceMarks(facts_);
  view_ = FittedView(facts_);
  traceX_.reset();
  traceMark_ = -1;
  ShowFacts();
  ShowTrace();
}

void TFGraph::ShowFacts() {
  const QString caption = GraphCaption(name_, facts_.p);
  // A sentence a line, so that a label does not break across lines.
  QString text = caption;
  for (const std::string& sentence : facts_.sentences) text += QStringLiteral("\n") + FromStd(sentence);
  IdFacts->setPlainText(text);
  PGraph->setAccessibleDescription(FromStd(facts_.Text()));
}

void TFGraph::ShowTrace() {
  //: The trace before the mouse or the keys have chosen a point.
  QString text = tr("Trace: -");
  const bool traced = traceMark_ >= 0 || traceX_;
  if (traceMark_ >= 0) {
    text = FromStd(marks_[static_cast<std::size_t>(traceMark_)].text);
  } else if (traceX_) {
    // The decimals follow the scale the graph is drawn at.
    text = FromStd(TraceText(facts_, *traceX_, TickStepX()));
  }
  EtTrace->setText(text);
  // The area has the focus while the keys trace: its name carries the trace, so that a screen
  // reader says each new point.
  const QString graph = tr("Graph of %1").arg(GraphCaption(name_, facts_.p));
  //: The graph's name for a screen reader while it traces: %1 names the graph, %2 is the trace.
  PGraph->setAccessibleName(traced ? tr("%1; %2").arg(graph, text) : graph);
  PGraph->update();
}

GraphPicture TFGraph::Picture(bool withTrace) const {
  GraphPicture picture;
  picture.facts = &facts_;
  picture.view = view_;
  picture.caption = GraphCaption(name_, facts_.p);
  if (withTrace) picture.traceX = traceX_;
  return picture;
}

double TFGraph::TickStepX() const { return XTickStep(PGraph->Area(), view_); }

void TFGraph::Zoom(double factor, std::optional<QPointF> aboutPixel) {
  const QPointF about = aboutPixel ? PlanePoint(PGraph->Area(), view_, *aboutPixel)
                                   : QPointF((view_.x0 + view_.x1) / 2, (view_.y0 + view_.y1) / 2);
  view_ = ZoomedAbout(view_, about.x(), about.y(), factor);
  ShowTrace();
}

void TFGraph::Pan(double fx, double fy) {
  view_ = Panned(view_, fx, fy);
  ShowTrace();
}

void TFGraph::Reset() {
  view_ = FittedView(facts_);
  ShowTrace();
}

void TFGraph::TraceAt(double x) {
  traceX_ = x;
  traceMark_ = -1;
  ShowTrace();
}

void TFGraph::MoveTrace(int dir) {
  // Steps of a tenth of the tick distance, on round values.
  const double step = TickStepX() / 10;
  const double from = traceX_.value_or((view_.x0 + view_.x1) / 2);
  double x = std::round(from / step) * step + dir * step;
  if (!(x >= view_.x0 && x <= view_.x1)) view_ = Panned(view_, dir * PanStep, 0);
  TraceAt(x);
}

void TFGraph::JumpTrace(int dir) {
  const double from = traceX_.value_or(dir > 0 ? -INFINITY : INFINITY);
  const int i = NextMark(marks_, from, dir);
  if (i < 0) return;
  const TraceMark& mark = marks_[static_cast<std::size_t>(i)];
  if (!(mark.x >= view_.x0 && mark.x <= view_.x1)) {
    // Brought to the middle of the view.
    const double half = (view_.x1 - view_.x0) / 2;
    view_.x0 = mark.x - half;
    view_.x1 = mark.x + half;
  }
  traceX_ = mark.x;
  traceMark_ = i;
  ShowTrace();
}

ExportResult TFGraph::Export(const QString& fileName) {
  return ExportGraph(fileName, PGraph->size(), Picture(false));
}

void TFGraph::ExportClick(const QString& suffix) {
  const std::unique_ptr<QFileDialog> dialog(FileDialog(this, "DlgExport", tr("Save the graph"), true));
  dialog->setDefaultSuffix(suffix);
  dialog->setNameFilter(suffix == QStringLiteral("png")
                            //: Keep the pattern in brackets as it is.
                            ? tr("PNG pictures (%1)").arg(QStringLiteral("*.png"))
                            //: Keep the pattern in brackets as it is.
                            : tr("SVG drawings (%1)").arg(QStringLiteral("*.svg")));
  dialog->selectFile(QStringLiteral("graph-") + name_ + QStringLiteral(".") + suffix);
  if (dialog->exec() != QDialog::Accepted) return;
  const QString fileName = dialog->selectedFiles().value(0);
  if (fileName.isEmpty()) return;
  switch (Export(fileName)) {
    case ExportResult::Written:
      return;
    case ExportResult::UnknownSuffix:
      //: Keep the suffixes as they are.
      ShowMessage(tr("A graph is saved as %1 or %2").arg(QStringLiteral(".png"), QStringLiteral(".svg")));
      return;
    case ExportResult::CannotWrite:
      ShowMessage(CannotCreateFile(QDir::toNativeSeparators(fileName)));
      return;
  }
}

void TFGraph::PrintClick() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  dialog.setObjectName(QStringLiteral("DlgPrint"));
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter painter;
  if (!painter.begin(&printer)) {
    ShowMessage(tr("Cannot print"));
    return;
  }
  // Drawn at the window's size in its own units, then scaled to fit the page.
  const QSize size = PGraph->size();
  const QRect page = painter.viewport();
  const QSize fitted = size.scaled(page.size(), Qt::KeepAspectRatio);
  painter.setViewport(QRect(page.topLeft(), fitted));
  painter.setWindow(QRect(QPoint(0, 0), size));
  PaintGraph(painter, QRectF(QPointF(0, 0), QSizeF(size)), Picture(false), LightStyle());
  painter.end();
}

}  // namespace tessaro
