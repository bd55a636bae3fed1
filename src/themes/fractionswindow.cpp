#include "themes/fractionswindow.h"

namespace tessaro {

TFFracc::TFFracc(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("FFracc"));
  setWindowTitle(QStringLiteral("Fractions"));
}

}  // namespace tessaro
