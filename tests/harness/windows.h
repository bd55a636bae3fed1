#pragma once

// The windows of the run, found by their object names as the user's tests find them.

#include "app/aboutbox.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "harness/harness.h"
#include "helpwindow/helpwindow.h"
#include "problemwindow/fileexistsdialog.h"
#include "problemwindow/problemwindow.h"
#include "sheetwindow/sheetwindow.h"
#include "themes/fractionswindow.h"
#include "themes/polynomialswindow.h"

namespace tessaro::test {

template <class T>
T* TheWindow(const char* name) {
  auto* window = qobject_cast<T*>(FindWindow(QString::fromUtf8(name)));
  if (!window) ADD_FAILURE() << "no window " << name << " of the expected class";
  return window;
}

inline TFMI* MainWin() { return TheWindow<TFMI>("FMI"); }
inline TFPrbl* ProblemWin() { return TheWindow<TFPrbl>("FPrbl"); }
inline TFFracc* FractionsWin() { return TheWindow<TFFracc>("FFracc"); }
inline TFP* PolynomialsWin() { return TheWindow<TFP>("FP"); }
inline TFOps* FileExistsWin() { return TheWindow<TFOps>("FOps"); }
inline TFAbout* AboutWin() { return TheWindow<TFAbout>("FAbout"); }
inline TFSheet* SheetWin() { return TheWindow<TFSheet>("FSheet"); }

}  // namespace tessaro::test
