#pragma once

#include <QDialog>

namespace tessaro {

// "File already exists": asks whether to overwrite, add to, or leave a file.
class TFOps : public QDialog {
  Q_OBJECT

 public:
  explicit TFOps(QWidget* parent = nullptr);
};

}  // namespace tessaro
