#pragma once

#include <QIcon>
#include <QMessageBox>
#include <QString>

#include <functional>
#include <string>
#include <utility>

class QWidget;

namespace tessaro {

// The caption of the program's plain messages and of the conversion message.
inline const QString AppTitle = QStringLiteral("Tessaro");

// Every message of the program: a modal box with its text, its caption and one OK button.
void ShowMessage(const QString& text, const QString& caption = AppTitle);

// A question with the given answers; the answer chosen (`escape` for Escape and the close box).
QMessageBox::StandardButton Ask(const QString& question, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton escape,
                                QMessageBox::StandardButton preferred = QMessageBox::NoButton);

// Before unsaved work is lost: asks `question` ("Save changes to the problem?") with Save,
// Discard and Cancel. True when the work may go now: Discard, or Save and `save` saved it.
// False on Cancel (Escape and the close box too) and when `save` did not save.
bool MayLoseChanges(const QString& question, const std::function<bool()>& save);

// Shows a window, raised above the others and active; nothing for null.
void ShowInFront(QWidget* window);

// The messages of a file that cannot be written, or read: "Cannot create file <name>".
QString CannotCreateFile(const QString& name);
QString CannotOpenFile(const QString& name);
// The filter of every file dialog that also offers any file: "Any file (*)".
QString AnyFileFilter();

// Runs an event handler. An exception that escapes it (the ConversionError of a text that
// is not an integer, or any other) ends the handler and is shown once, here, as a message
// box; the program goes on.
void RunGuarded(const std::function<void()>& handler);

// A slot that runs `handler` guarded, whatever arguments the signal carries.
template <class F>
auto Guarded(F handler) {
  return [handler = std::move(handler)](auto&&...) { RunGuarded(handler); };
}

// The longest text a field takes. Expressions are evaluated by recursive splitting, so their
// time and depth grow with their length; 1,000 characters is plenty for teaching.
inline constexpr int MaxEntryLength = 1000;
// Caps an edit field, or an editable drop-down list's edit line, at MaxEntryLength.
void LimitEntry(QWidget* field);

// An icon of the program's own set (resources/icons), by file stem.
QIcon Icon(const QString& stem);
// The program's own icon, in every size drawn for it.
QIcon AppIcon();

// The core libraries speak UTF-8 std::string, the windows QString.
inline std::string ToStd(const QString& s) { return s.toStdString(); }
inline QString FromStd(const std::string& s) { return QString::fromStdString(s); }

// Centres a top-level window on the screen it will show on.
void CentreOnScreen(QWidget* window);

}  // namespace tessaro
