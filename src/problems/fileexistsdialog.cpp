#include "problems/fileexistsdialog.h"

namespace tessaro {

TFOps::TFOps(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FOps"));
  setWindowTitle(QStringLiteral("File already exists"));
}

}  // namespace tessaro
