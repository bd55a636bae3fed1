#pragma once

#include <QMainWindow>

namespace tessaro {

// The Fractions theme window.
class TFFracc : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFFracc(QWidget* parent = nullptr);
};

}  // namespace tessaro
