#pragma once

#include "panels/session.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace tessaro {

class TFAritm;
class TFFracc;
class TFP;
struct IntegersRun;

// How the worksheet window takes part in a remembered session: it says which file it shows,
// and opens a remembered one without a word (false when it cannot).
struct WorksheetSession {
  std::function<QString()> OpenFile;  // the worksheet shown, empty for none
  std::function<bool(const QString&)> Reopen;
};

// A window made once whose place is kept; `reopen` when an open one comes back open (the
// main window is shown by the program itself).
struct KeptWindow {
  QPointer<QWidget> window;
  bool reopen = false;
};

// The windows of a run whose state a session keeps.
struct SessionWindows {
  TFFracc* fractions = nullptr;
  TFP* polynomials = nullptr;
  std::shared_ptr<IntegersRun> integers;
  std::vector<KeptWindow> placed;
  std::function<TFAritm*()> NewIntegers;                   // opens another Integers window
  std::function<std::vector<TFAritm*>()> IntegersWindows;  // those made so far
  WorksheetSession worksheet;
};

// Hands a run's lists and windows to the next run when the user asked for it (the
// Preferences window); with the preference off it reads and writes nothing of them.
class SessionKeeper {
 public:
  explicit SessionKeeper(SessionWindows windows) : windows_(std::move(windows)) {}

  // At start-up: the lists, the decimals, the worksheet and the windows as the last run left
  // them, each value checked as the windows check what is typed.
  void Restore();
  // When the program ends: everything Restore takes back.
  void Save() const;

 private:
  SessionWindows windows_;
};

}  // namespace tessaro
