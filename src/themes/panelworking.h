#pragma once

#include "working/working.h"

#include <QString>

#include <functional>

class QToolButton;
class QWidget;

namespace tessaro {

// How a theme window shows the working of one of its panels. `panel` names the panel that
// asks; the Working window follows only the panel that last brought it up.
using ShowWorking = std::function<void(const QString& panel, const QString& title,
                                       const Working& working, bool bringToFront)>;

// The "Working" button beside a panel's problem button; disabled until the panel shows a
// result.
QToolButton* WorkingButton(const char* name, QWidget* parent = nullptr);

// A panel's Working and problem buttons, side by side, for the panel's layout.
QWidget* Beside(QToolButton* working, QToolButton* problem);

// Which panel of a window the Working window was opened from, so that it follows that panel
// as its results change.
class PanelWorking {
 public:
  PanelWorking(ShowWorking show, const QWidget* window);

  // Brings the Working window up with the working of `panel` and follows that panel from now.
  void Open(const QString& panel, const QString& title, const Working& working);

  // After the window's results changed: hands the Working window what the followed panel
  // shows now. `of` gives a panel's title and working (empty when it shows no result).
  void Follow(const std::function<std::pair<QString, Working>(const QString& panel)>& of) const;

 private:
  QString Key(const QString& panel) const;

  ShowWorking show_;
  QString window_;
  QString followed_;
};

}  // namespace tessaro
