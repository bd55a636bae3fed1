#pragma once

#include <QDialog>

namespace tessaro {

// The tools editor "Tools edition", shown modally by Edit tools.
class TFTools : public QDialog {
  Q_OBJECT

 public:
  explicit TFTools(QWidget* parent = nullptr);
};

}  // namespace tessaro
