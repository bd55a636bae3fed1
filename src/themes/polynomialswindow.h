#pragma once

#include <QMainWindow>

namespace tessaro {

// The Polynomials theme window.
class TFP : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFP(QWidget* parent = nullptr);
};

}  // namespace tessaro
