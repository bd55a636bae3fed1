#pragma once

// Widget tests drive the real windows by their object names, on the offscreen platform.

#include "ui/ui.h"

#include <QAction>
#include <QDialog>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

class QListWidget;

// Failure messages show a QString as its text, not as raw bytes.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace tessaro::test {

// Every top-level window with this object name, oldest first.
QList<QWidget*> FindWindows(const QString& name);
// The newest top-level window with this object name; fails the test when there is none.
QWidget* FindWindow(const QString& name);

// A control of `window` by object name; fails the test when there is none.
template <class T = QWidget>
T* Find(const QWidget* window, const QString& name) {
  T* found = window ? window->findChild<T*>(name) : nullptr;
  if (!found) ADD_FAILURE() << "no control named " << name.toStdString();
  return found;
}
QAction* FindAction(const QWidget* window, const QString& name);

// Input as the user gives it, through the real event dispatch.
void Click(QWidget* widget);
void DoubleClick(QWidget* widget);
void Trigger(QAction* action);
void Press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Replaces the text by typing it key by key (editable combo boxes too).
void Type(QWidget* widget, const QString& text);
// Replaces the whole text at once, as a paste does.
void SetText(QWidget* widget, const QString& text);
// Clicks a row of a list box, with Ctrl for a multiple selection.
void ClickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void DoubleClickRow(QListWidget* list, int row);
// The text a control shows: edits, labels, buttons, combo boxes, text areas.
QString Text(const QWidget* widget);
// Shorthand for Text(Find(window, name)).
QString TextOf(const QWidget* window, const QString& name);

// Runs the program's event loop and calls `start` from inside it. Returns the loop's exit
// code once the program ends the loop, or -1 when it is still running after `timeoutMs`.
int RunEventLoop(const std::function<void()>& start, int timeoutMs = 10000);

// Modal windows. A test states each modal window it expects, in order; anything
// else fails the test and is closed, so no test can hang on a modal window.
struct SeenMessage {
  QString text;
  QString caption;
};
void ExpectMessage(const QString& text, const QString& caption = AppTitle,
                   QMessageBox::StandardButton press = QMessageBox::Ok);
void ExpectDialog(const QString& objectName, std::function<void(QDialog*)> answer);
// For the rest of the test, a message box that no expectation stands for is answered with
// OK, and not taken for a failure, when `allowed` holds for it: for inputs whose outcome
// may be any of several of the program's messages. SeenMessages() records it.
void AllowMessages(std::function<bool(const SeenMessage&)> allowed);
// Every message box shown since the test began.
const std::vector<SeenMessage>& SeenMessages();
// Fails the test for expectations no window met, then forgets them all.
void VerifyModals();
void InstallModals();

// A fresh program in an empty working directory for every test.
class AppTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  QString WorkDir() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
  QString previous_;
};

}  // namespace tessaro::test
