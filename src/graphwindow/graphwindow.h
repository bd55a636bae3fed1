#pragma once

#include "graphwindow/graphpainter.h"
#include "plot/plot.h"

#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tessaro {

class GraphArea;

// The graph window: the curve of one polynomial with its real roots and turning points
// marked and labelled, the same facts as text beside it, zoom, pan, a trace of (x, P(x)),
// export to PNG and SVG, and print. One instance, non-modal; it keeps its graph while hidden.
class TFGraph : public QWidget {
  Q_OBJECT

 public:
  explicit TFGraph(QWidget* parent = nullptr);

  // Shows the graph of p under `name` ("A", "P1"), fitted to its points, and brings the
  // window forward.
  void ShowPolynomial(const Polynomial& p, const QString& name);
  // The same without showing or raising the window: for following a panel that moves on to
  // another polynomial while the window is open, or closed.
  void FollowPolynomial(const Polynomial& p, const QString& name);
  // Writes the graph as its suffix says, PNG or SVG, at the size the window shows it; nothing
  // is written when it fails.
  ExportResult Export(const QString& fileName);
  // The part of the plane the graph shows now.
  const View& ShownView() const { return view_; }

 private:
  friend class GraphArea;

  // Reads the user's moves into the model, then writes the model to the controls.
  void Zoom(double factor, std::optional<QPointF> aboutPixel = std::nullopt);
  void Pan(double fx, double fy);
  void Reset();
  void TraceAt(double x);
  void MoveTrace(int dir);
  void JumpTrace(int dir);
  void ExportClick(const QString& suffix);
  void PrintClick();
  void ShowFacts();
  void ShowTrace();
  GraphPicture Picture(bool withTrace) const;
  double TickStepX() const;

  // The model.
  GraphFacts facts_;
  QString name_ = QStringLiteral("P");
  View view_;
  std::vector<TraceMark> marks_;
  std::optional<double> traceX_;
  int traceMark_ = -1;  // the mark the trace is on, whose words it shows; -1 for none

  // The controls.
  GraphArea* PGraph = nullptr;
  QPlainTextEdit* IdFacts = nullptr;
  QLabel* EtTrace = nullptr;
  QLabel* EtHelp = nullptr;
  QPushButton* BtZoomIn = nullptr;
  QPushButton* BtZoomOut = nullptr;
  QPushButton* BtReset = nullptr;
  QPushButton* BtPng = nullptr;
  QPushButton* BtSvg = nullptr;
  QPushButton* BtPrint = nullptr;
};

}  // namespace tessaro
