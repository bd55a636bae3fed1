#include "ui/ui.h"

#include "numbers/conversionerror.h"

#include <QApplication>
#include <QCoreApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

#include <exception>

namespace tessaro {

void ShowMessage(const QString& text, const QString& caption) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setObjectName(QStringLiteral("MessageBox"));
  box.exec();
}

QMessageBox::StandardButton Ask(const QString& question, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton escape,
                                QMessageBox::StandardButton preferred) {
  QMessageBox box(QMessageBox::Question, AppTitle, question, buttons, QApplication::activeWindow());
  box.setObjectName(QStringLiteral("MessageBox"));
  if (preferred != QMessageBox::NoButton) box.setDefaultButton(preferred);
  box.setEscapeButton(escape);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

bool MayLoseChanges(const QString& question, const std::function<bool()>& save) {
  switch (Ask(question, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
              QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save: return save();
    case QMessageBox::Discard: return true;
    default: return false;
  }
}

void ShowInFront(QWidget* window) {
  if (!window) return;
  window->show();
  window->raise();
  window->activateWindow();
}

QString CannotCreateFile(const QString& name) {
  //: %1 is the name of the file.
  return QCoreApplication::translate("Messages", "Cannot create file %1").arg(name);
}

QString CannotOpenFile(const QString& name) {
  //: %1 is the name of the file.
  return QCoreApplication::translate("Messages", "Cannot open file %1").arg(name);
}

QString AnyFileFilter() {
  //: A filter of a file dialog; keep the pattern in brackets as it is.
  return QCoreApplication::translate("Files", "Any file (%1)").arg(QStringLiteral("*"));
}

void RunGuarded(const std::function<void()>& handler) {
  // The message is shown after the handler has unwound, never from inside it.
  QString message;
  try {
    handler();
    return;
  } catch (const ConversionError& e) {
    message = QString::fromStdString(e.what());
  } catch (const std::exception& e) {
    // Any other failure ends the command too, never the program: the user sees what it was.
    message = QString::fromLocal8Bit(e.what());
  } catch (...) {
    message = QCoreApplication::translate("Messages", "An unexpected error stopped this command");
  }
  ShowMessage(message);
}

void LimitEntry(QWidget* field) {
  if (auto* combo = qobject_cast<QComboBox*>(field)) field = combo->lineEdit();
  if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->setMaxLength(MaxEntryLength);
}

QIcon Icon(const QString& stem) {
  return QIcon(QStringLiteral(":/icons/") + stem + QStringLiteral(".png"));
}

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/tessaro-%1.png").arg(size), QSize(size, size));
  return icon;
}

void CentreOnScreen(QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

}  // namespace tessaro
