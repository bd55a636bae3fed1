#pragma once

// The makers every window builds its controls with. A control gets its name (the name
// tests and problem builders find it by), its caption and its hint in one call.

#include <QColor>
#include <QPalette>
#include <QSize>
#include <QString>

#include <initializer_list>

class QAction;
class QFileDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QObject;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QToolButton;
class QWidget;

namespace tessaro {

template <class T>
T* Named(T* object, const char* name) {
  object->setObjectName(QString::fromUtf8(name));
  return object;
}

// A label; `name` may be null for the captions nothing refers to.
QLabel* Label(const QString& text, QWidget* parent = nullptr, const char* name = nullptr,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// A bold label: the heading of a group of fields.
QLabel* Heading(const QString& text, QWidget* parent = nullptr, const char* name = nullptr);
QLineEdit* Edit(const char* name, QWidget* parent = nullptr);
// A field that only shows a result.
QLineEdit* ResultEdit(const char* name, QWidget* parent = nullptr);
QPushButton* Button(const char* name, const QString& caption, const QString& hint = {},
                    QWidget* parent = nullptr);
// A button showing one of the program's icons (none when `icon` is null), its hint as tool tip.
QToolButton* PictureButton(const char* name, const char* icon, const QString& hint,
                           QWidget* parent = nullptr, int iconSize = 24);
// An area of text one line of which is one line of the file (no wrapping); Tab goes on to
// the next control rather than into the text.
QPlainTextEdit* TextArea(const char* name, QWidget* parent = nullptr);
// What the area holds, lines ended by LF. toPlainText would turn no-break spaces into
// blanks; the file gets the characters as they are.
QString AreaText(const QPlainTextEdit* area);
// The program's file dialog (Qt's own, the same on every desktop) that saves to any name or
// opens an existing file; the caller owns it.
QFileDialog* FileDialog(QWidget* parent, const char* name, const QString& title, bool save);
// A panel of the design, with its title when it has one.
QGroupBox* Panel(const char* name, const QString& title = {}, QWidget* parent = nullptr);

// What a screen reader says for `control`: its name, and its description when one is given.
// The edit line of an editable drop-down list or of a spin box takes the focus itself and is
// named the same.
void SpeakAs(QWidget* control, const QString& name, const QString& description = {});

// Tells a screen reader that a cell of `table` shows a new text, as Qt does by itself for an
// edit, a label or a text area: for a table it says only that something in it changed.
void ReportCellChange(QTableWidget* table, int row, int column);

// Makes the designed size the window's smallest and its first size, or the size its
// controls need when that is more (a larger desktop font).
void SetDesignedSize(QWidget* window, QSize designed);

// Tab moves through `widgets` in this order.
void TabOrder(std::initializer_list<QWidget*> widgets);

// A top-level menu; the menu and its entry in the bar both carry the name.
QMenu* Menu(QMenuBar* bar, const char* name, const QString& title);
// A command appended to `menu` (a menu or a menu bar).
QAction* MenuItem(const char* name, const QString& caption, QWidget* menu);
void Disable(std::initializer_list<QAction*> actions);

// Gives `widget` the colour its design names for a text role (WindowText, ButtonText or
// Text). The designs assume a light background: on a dark palette the widget keeps the
// design's light background under the colour, so the text stays readable.
void SetDesignColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);
// Gives `widget` the background its design names (always a light one), with the design's
// black text on it whatever the desktop's palette.
void SetDesignBackground(QWidget* widget, const QColor& colour);
// Gives a widget coloured by SetDesignColour the desktop's colours back.
void UseDesktopColours(QWidget* widget);
// True when the desktop's palette draws light text on a dark background.
bool DarkPalette(const QPalette& palette);

}  // namespace tessaro
