#pragma once

// The settings file in the user's configuration folder ($XDG_CONFIG_HOME/Tessaro/Tessaro.conf):
// the preference "Remember lists and windows between runs" and, while it is on, the session
// remembered from the last run. A missing, unreadable or damaged file reads as the defaults
// (nothing remembered, the preference off) and nobody is told: a session is a convenience. A
// file Qt cannot parse is set aside as Tessaro.conf.damaged, and the next write starts afresh.

#include "panels/session.h"

#include <QList>
#include <QMap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

class QWidget;

namespace tessaro {

// Where a window stands (its frame's top left), the size of its contents, and whether it is
// open.
struct WindowPlace {
  QPoint pos;
  QSize size;
  bool visible = false;
  friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// An open Integers window: its place and its decimals.
struct IntegersWindowSession {
  WindowPlace place;
  IntegerDecimals decimals;
  friend bool operator==(const IntegersWindowSession&, const IntegersWindowSession&) = default;
};

// More remembered Integers windows than this are dropped: each is a whole window to build.
inline constexpr int MaxRememberedIntegersWindows = 16;

// Everything one run hands to the next.
struct SessionValues {
  ListSession integers;
  ListSession fractions;
  PolynomialSession polynomials;
  std::vector<IntegersWindowSession> integersWindows;
  QMap<QString, WindowPlace> windows;  // the windows made once, by object name
  QString worksheet;                   // the file of the open worksheet, empty for none
  friend bool operator==(const SessionValues&, const SessionValues&) = default;
};

// The file all of it is kept in (a damaged one is set aside first).
QString SettingsFile();

// Whether the user asked for sessions to be remembered; false when nothing says so.
bool RemembersSessions();
// Stores the preference at once; false when the file cannot be written. Turning it off also
// forgets the remembered session.
bool SetRemembersSessions(bool on);

// The session the last run left; the defaults when there is none or the file is damaged.
// The values are as the file holds them: the windows check them as they take them back.
SessionValues LoadSession();
// Replaces the remembered session. Writes nothing while the preference is off.
void SaveSession(const SessionValues& session);

// A remembered place put right for the screens there are now (their available areas, the
// primary one first): a size below `minimum` is raised to it, one beyond `maximum` or beyond
// the screen is cut (never below `minimum`), and a window that does not lie on the screen it
// overlaps most, or on the first when it overlaps none, is moved onto it.
WindowPlace FitPlace(WindowPlace place, QSize minimum, QSize maximum, const QList<QRect>& screens);

// The place of a window now, and a remembered one given to it (fitted to the screens and the
// window's own limits); a place that was open shows the window.
WindowPlace PlaceOf(const QWidget* window);
void PutPlace(QWidget* window, const WindowPlace& place);

}  // namespace tessaro
