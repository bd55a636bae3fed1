#include "themes/polynomialswindow.h"

namespace tessaro {

TFP::TFP(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("FP"));
  setWindowTitle(QStringLiteral("Polynomials of rational coefficients"));
}

}  // namespace tessaro
