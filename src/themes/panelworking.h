#pragma once

#include "working/working.h"

#include <QString>

#include <functional>

class QToolButton;
class QWidget;

namespace tessaro {

// A panel's title and working, made when something is going to show them.
using PanelWorkingMaker = std::function<std::pair<QString, Working>()>;

// How a theme window shows the working of one of its panels. `panel` names the panel that
// asks; the Working window follows only the panel that last brought it up, and only while it
// is open: `make` runs only when its working is shown.
using ShowWorking = std::function<void(const QString& panel, const PanelWorkingMaker& make,
                                       bool bringToFront)>;

// The "Working" button beside a panel's problem button; disabled until the panel shows a
// result.
QToolButton* WorkingButton(const char* name, QWidget* parent = nullptr);

// A panel's Working and problem buttons, side by side, for the panel's layout.
QWidget* Beside(QToolButton* working, QToolButton* problem);

// Which panel of a window the Working window was opened from, so that it follows that panel
// as its results change.
class PanelWorking {
 public:
  // `of` gives a panel's title and working (empty when it shows no result).
  using Of = std::function<std::pair<QString, Working>(const QString& panel)>;
  PanelWorking(ShowWorking show, const QWidget* window, Of of);

  // A click on `button` brings the Working window up with the working of `panel` and follows
  // that panel from then on.
  void Attach(QToolButton* button, const QString& panel);

  // After the window's results changed: the Working window, if it follows a panel of this
  // window, shows what that panel shows now.
  void Follow() const;

 private:
  QString Key(const QString& panel) const;
  PanelWorkingMaker Maker(const QString& panel) const;

  ShowWorking show_;
  QString window_;
  Of of_;
  QString followed_;
};

}  // namespace tessaro
