#pragma once

class QWidget;

namespace tessaro {

class TFMI;
class TFPrbl;
class TFFracc;
class TFP;
class TFOps;
class TFAbout;

// The windows that live for the whole run, created hidden by StartUp.
extern TFMI* FMI;
extern TFPrbl* FPrbl;
extern TFFracc* FFracc;
extern TFP* FP;
extern TFOps* FOps;
extern TFAbout* FAbout;

// A window made later (an Integers window, a tools editor): the application
// owns it until ShutDown, so closing it only hides it.
void Adopt(QWidget* window);

// Destroys every window of the run, the adopted ones first.
void ShutDown();

}  // namespace tessaro

// Creates FMI, FPrbl, FFracc, FP, FOps and FAbout, hidden, in that order.
// A QApplication must exist. Calling it again starts over with new windows.
void StartUp();
