#include "app/startup.h"

#include "app/aboutbox.h"
#include "app/keyboard.h"
#include "app/mainwindow.h"
#include "problems/fileexistsdialog.h"
#include "problems/problemwindow.h"
#include "themes/fractionswindow.h"
#include "themes/polynomialswindow.h"

#include <QPointer>

#include <vector>

namespace tessaro {

TFMI* FMI = nullptr;
TFPrbl* FPrbl = nullptr;
TFFracc* FFracc = nullptr;
TFP* FP = nullptr;
TFOps* FOps = nullptr;
TFAbout* FAbout = nullptr;

namespace {
std::vector<QPointer<QWidget>>& Adopted() {
  static std::vector<QPointer<QWidget>> windows;
  return windows;
}

template <class T>
void Destroy(T*& window) {
  delete window;
  window = nullptr;
}
}  // namespace

void Adopt(QWidget* window) { Adopted().emplace_back(window); }

void ShutDown() {
  for (auto it = Adopted().rbegin(); it != Adopted().rend(); ++it) delete it->data();
  Adopted().clear();
  Destroy(FAbout);
  Destroy(FOps);
  Destroy(FP);
  Destroy(FFracc);
  Destroy(FPrbl);
  Destroy(FMI);
}

}  // namespace tessaro

void StartUp() {
  using namespace tessaro;
  ShutDown();
  UseKeyboardStyle();
  FMI = new TFMI();
  FPrbl = new TFPrbl();
  FFracc = new TFFracc();
  FP = new TFP();
  FOps = new TFOps();
  FAbout = new TFAbout();
}
