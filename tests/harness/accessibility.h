#pragma once

// What a screen reader finds in the windows: the names of their controls, and the events Qt
// sends to assistive technology while one listens.

#include <QAccessible>
#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

namespace tessaro::test {

// The focusable controls of `window` (shown or hidden, enabled or not) that a screen reader
// would find without a name, by object name; a control without one as its class and the
// object name of its nearest named parent ("QLineEdit in PET"). Controls of a top-level
// window inside it (a dialog it owns) belong to that window's walk.
QStringList FocusableWithoutName(QWidget* window);

// An event assistive technology was sent, with the words it carries: the text inserted, or
// the control's new name or description.
struct AccessibleChange {
  QAccessible::Event type;
  QString object;  // the object name of the control (a cell's: its table's)
  QString text;
};

// While it lives, Qt sends its accessibility events as it does when a screen reader listens,
// and they are recorded here instead of going to the desktop.
class AccessibleEvents {
 public:
  AccessibleEvents();
  ~AccessibleEvents();
  AccessibleEvents(const AccessibleEvents&) = delete;
  AccessibleEvents& operator=(const AccessibleEvents&) = delete;

  // The events of the control named `object`, in order.
  std::vector<AccessibleChange> Of(const QString& object) const;
  // Whether one event of that type for that control carries `text`.
  bool Sent(QAccessible::Event type, const QString& object, const QString& text) const;
  void Clear();
};

}  // namespace tessaro::test
