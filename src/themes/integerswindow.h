#pragma once

#include <QMainWindow>

namespace tessaro {

// The Integers theme window.
class TFAritm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFAritm(QWidget* parent = nullptr);
};

}  // namespace tessaro
