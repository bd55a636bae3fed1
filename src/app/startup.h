#pragma once

class QWidget;

// Creates the windows that live for the whole run, FMI, FPrbl, FFracc, FP, FOps, FAbout and
// FSheet, hidden and in that order, and hands each what it needs. A QApplication must exist; the
// windows are found by their object names. Calling it again starts over with new windows.
void StartUp();

namespace tessaro {

// The main window of the run StartUp made, or null before it.
QWidget* MainWindow();

// Destroys every window of the run, those made later (Integers windows, tools editors) first.
void ShutDown();

}  // namespace tessaro
