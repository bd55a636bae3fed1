#include "themes/integerswindow.h"

namespace tessaro {

TFAritm::TFAritm(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("FAritm"));
  setWindowTitle(QStringLiteral("Arithmetic of integers"));
}

}  // namespace tessaro
