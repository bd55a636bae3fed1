#include "tools/toolseditor.h"

namespace tessaro {

TFTools::TFTools(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FTools"));
  setWindowTitle(QStringLiteral("Tools edition"));
}

}  // namespace tessaro
