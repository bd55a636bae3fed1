#include "harness/harness.h"

#include "app/startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QTimer>
#include <QtTest/QTest>

#include <deque>

namespace tessaro::test {

QList<QWidget*> FindWindows(const QString& name) {
  QList<QWidget*> found;
  // Creation order: an object made later has a later position among all widgets only
  // by chance, so order by the sequence number each window gets when first seen.
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == name) found.append(w);
  std::sort(found.begin(), found.end(), [](QWidget* a, QWidget* b) {
    return a->property("tessaroSeq").toULongLong() < b->property("tessaroSeq").toULongLong();
  });
  return found;
}

QWidget* FindWindow(const QString& name) {
  const QList<QWidget*> windows = FindWindows(name);
  if (windows.isEmpty()) {
    ADD_FAILURE() << "no window named " << name.toStdString();
    return nullptr;
  }
  return windows.last();
}

QAction* FindAction(const QWidget* window, const QString& name) {
  return Find<QAction>(window, name);
}

void Click(QWidget* widget) {
  if (!widget) return;
  QTest::mouseClick(widget, Qt::LeftButton);
}

void DoubleClick(QWidget* widget) {
  if (!widget) return;
  QTest::mouseDClick(widget, Qt::LeftButton);
}

void Trigger(QAction* action) {
  if (action) action->trigger();
}

void Press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers) {
  if (!widget) return;
  QTest::keyClick(widget, static_cast<Qt::Key>(key), modifiers);
}

namespace {
QWidget* EditorOf(QWidget* widget) {
  if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit())
    return combo->lineEdit();
  return widget;
}
}  // namespace

void Type(QWidget* widget, const QString& text) {
  if (!widget) return;
  QWidget* editor = EditorOf(widget);
  editor->setFocus();
  QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty())
    QTest::keyClick(editor, Qt::Key_Delete);
  else
    QTest::keyClicks(editor, text);
}

void SetText(QWidget* widget, const QString& text) {
  if (!widget) return;
  QWidget* editor = EditorOf(widget);
  if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    edit->setText(text);
    // setText does not raise textEdited; a paste does, so raise it as the user would.
    emit edit->textEdited(text);
  } else if (auto* area = qobject_cast<QPlainTextEdit*>(editor)) {
    area->setPlainText(text);
  } else if (auto* rich = qobject_cast<QTextEdit*>(editor)) {
    rich->setPlainText(text);
  } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    combo->setCurrentText(text);
  } else {
    ADD_FAILURE() << "cannot set the text of " << widget->objectName().toStdString();
  }
}

void ClickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers) {
  if (!list) return;
  QListWidgetItem* item = list->item(row);
  if (!item) {
    ADD_FAILURE() << "no row " << row << " in " << list->objectName().toStdString();
    return;
  }
  list->scrollToItem(item);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                    list->visualItemRect(item).center());
}

void DoubleClickRow(QListWidget* list, int row) {
  if (!list) return;
  QListWidgetItem* item = list->item(row);
  if (!item) {
    ADD_FAILURE() << "no row " << row << " in " << list->objectName().toStdString();
    return;
  }
  const QPoint at = list->visualItemRect(item).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

QString Text(const QWidget* widget) {
  if (!widget) return {};
  if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
  if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (auto* combo = qobject_cast<const QComboBox*>(widget)) return combo->currentText();
  if (auto* area = qobject_cast<const QPlainTextEdit*>(widget)) return area->toPlainText();
  if (auto* rich = qobject_cast<const QTextEdit*>(widget)) return rich->toPlainText();
  ADD_FAILURE() << "no text in " << widget->objectName().toStdString();
  return {};
}

QString TextOf(const QWidget* window, const QString& name) { return Text(Find(window, name)); }

int RunEventLoop(const std::function<void()>& start, int timeoutMs) {
  QTimer::singleShot(0, qApp, start);
  bool timedOut = false;
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    timedOut = true;
    QCoreApplication::exit(1);
  });
  watchdog.start(timeoutMs);
  const int code = QApplication::exec();
  return timedOut ? -1 : code;
}

namespace {

struct Expectation {
  bool isMessage = true;
  QString text;
  QString caption;
  QMessageBox::StandardButton press = QMessageBox::Ok;
  QString objectName;
  std::function<void(QDialog*)> answer;
};

class Modals : public QObject {
 public:
  std::deque<Expectation> expected;
  std::function<bool(const SeenMessage&)> allowed;
  std::vector<SeenMessage> seen;
  quint64 nextSeq = 1;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::WindowTitleChange || event->type() == QEvent::Show) {
      // Number the windows as they appear so FindWindows can give them in creation order.
      if (auto* w = qobject_cast<QWidget*>(watched);
          w && w->isWindow() && !w->property("tessaroSeq").isValid())
        w->setProperty("tessaroSeq", nextSeq++);
    }
    if (event->type() == QEvent::Show) {
      auto* dialog = qobject_cast<QDialog*>(watched);
      if (dialog && dialog->isWindow() && dialog->isModal()) {
        QPointer<QDialog> guard(dialog);
        QTimer::singleShot(0, this, [this, guard] {
          if (guard && guard->isVisible()) Answer(guard);
        });
      }
    }
    return false;
  }

  void Answer(QDialog* dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
      seen.push_back({box->text(), box->windowTitle()});
      const bool expectedNext = !expected.empty() && expected.front().isMessage;
      if (!expectedNext && allowed && allowed(seen.back())) {
        box->button(QMessageBox::Ok)->click();
        return;
      }
      if (!expectedNext) {
        ADD_FAILURE() << "unexpected message box: \"" << box->text().toStdString()
                      << "\" caption \"" << box->windowTitle().toStdString() << "\"";
        box->reject();
        return;
      }
      Expectation e = expected.front();
      expected.pop_front();
      EXPECT_EQ(box->text().toStdString(), e.text.toStdString());
      EXPECT_EQ(box->windowTitle().toStdString(), e.caption.toStdString());
      if (QAbstractButton* button = box->button(e.press))
        button->click();
      else
        box->reject();
      return;
    }
    if (expected.empty() || expected.front().isMessage ||
        expected.front().objectName != dialog->objectName()) {
      ADD_FAILURE() << "unexpected modal window " << dialog->objectName().toStdString() << " \""
                    << dialog->windowTitle().toStdString() << "\"";
      dialog->reject();
      return;
    }
    Expectation e = expected.front();
    expected.pop_front();
    QPointer<QDialog> guard(dialog);
    e.answer(dialog);
    if (guard && guard->isVisible()) {
      ADD_FAILURE() << "the answer left " << dialog->objectName().toStdString() << " open";
      guard->reject();
    }
  }
};

Modals* TheModals() {
  static Modals* modals = new Modals;
  return modals;
}

}  // namespace

void InstallModals() { qApp->installEventFilter(TheModals()); }

void ExpectMessage(const QString& text, const QString& caption,
                   QMessageBox::StandardButton press) {
  Expectation e;
  e.text = text;
  e.caption = caption;
  e.press = press;
  TheModals()->expected.push_back(std::move(e));
}

void ExpectDialog(const QString& objectName, std::function<void(QDialog*)> answer) {
  Expectation e;
  e.isMessage = false;
  e.objectName = objectName;
  e.answer = std::move(answer);
  TheModals()->expected.push_back(std::move(e));
}

void AllowMessages(std::function<bool(const SeenMessage&)> allowed) {
  TheModals()->allowed = std::move(allowed);
}

const std::vector<SeenMessage>& SeenMessages() { return TheModals()->seen; }

void VerifyModals() {
  for (const Expectation& e : TheModals()->expected)
    ADD_FAILURE() << "expected modal window never shown: "
                  << (e.isMessage ? e.text : e.objectName).toStdString();
  TheModals()->expected.clear();
  TheModals()->allowed = nullptr;
  TheModals()->seen.clear();
}

void AppTest::SetUp() {
  ASSERT_TRUE(dir_.isValid());
  previous_ = QDir::currentPath();
  QDir::setCurrent(dir_.path());
  // The program's settings (the recent worksheets) of this test alone.
  qputenv("XDG_CONFIG_HOME", QDir(dir_.path()).absoluteFilePath(QStringLiteral(".config")).toUtf8());
  VerifyModals();
  StartUp();
}

void AppTest::TearDown() {
  VerifyModals();
  ShutDown();
  QDir::setCurrent(previous_);
}

}  // namespace tessaro::test
