#include "ui/widgets.h"

#include "ui/ui.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

namespace tessaro {

QLabel* Label(const QString& text, QWidget* parent, const char* name, Qt::Alignment alignment) {
  auto* label = new QLabel(text, parent);
  if (name) label->setObjectName(QString::fromUtf8(name));
  label->setAlignment(alignment);
  return label;
}

QLabel* Heading(const QString& text, QWidget* parent, const char* name) {
  QLabel* label = Label(text, parent, name);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

QLineEdit* Edit(const char* name, QWidget* parent) {
  return Named(new QLineEdit(parent), name);
}

QLineEdit* ResultEdit(const char* name, QWidget* parent) {
  QLineEdit* edit = Edit(name, parent);
  edit->setReadOnly(true);
  return edit;
}

QPushButton* Button(const char* name, const QString& caption, const QString& hint,
                    QWidget* parent) {
  auto* button = Named(new QPushButton(caption, parent), name);
  if (!hint.isEmpty()) button->setToolTip(hint);
  // A screen reader says the hint: the captions "x", "rst", "=" say little.
  button->setAccessibleName(hint.isEmpty() ? caption.trimmed() : hint.trimmed());
  return button;
}

QToolButton* PictureButton(const char* name, const char* icon, const QString& hint,
                           QWidget* parent, int iconSize) {
  auto* button = Named(new QToolButton(parent), name);
  if (icon) button->setIcon(Icon(QString::fromUtf8(icon)));
  button->setIconSize(QSize(iconSize, iconSize));
  button->setToolTip(hint);
  // A picture has no words of its own: its hint names it.
  button->setAccessibleName(hint.trimmed());
  return button;
}

void SpeakAs(QWidget* control, const QString& name, const QString& description) {
  QWidget* line = nullptr;
  QString described = description;
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    line = combo->lineEdit();
    // On Linux a screen reader says a drop-down list's value for its name: the words go with
    // it as its description too.
    if (!line && described.isEmpty()) described = name;
  }
  if (qobject_cast<QAbstractSpinBox*>(control)) line = control->findChild<QLineEdit*>();
  for (QWidget* w : {control, line}) {
    if (!w) continue;
    w->setAccessibleName(name);
    if (!described.isEmpty()) w->setAccessibleDescription(described);
  }
}

void ReportCellChange(QTableWidget* table, int row, int column) {
  if (!QAccessible::isActive()) return;
  QAccessibleInterface* view = QAccessible::queryAccessibleInterface(table);
  QAccessibleTableInterface* cells = view ? view->tableInterface() : nullptr;
  QAccessibleInterface* cell = cells ? cells->cellAt(row, column) : nullptr;
  if (!cell) return;
  // A cell's name is its text.
  QAccessibleEvent event(cell, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

QPlainTextEdit* TextArea(const char* name, QWidget* parent) {
  auto* area = Named(new QPlainTextEdit(parent), name);
  area->setLineWrapMode(QPlainTextEdit::NoWrap);
  area->setTabChangesFocus(true);
  return area;
}

QString AreaText(const QPlainTextEdit* area) {
  QString text = area->document()->toRawText();
  for (QChar& ch : text) {
    const char16_t c = ch.unicode();
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == 0xFDD0 || c == 0xFDD1)
      ch = u'\n';
  }
  return text;
}

QFileDialog* FileDialog(QWidget* parent, const char* name, const QString& title, bool save) {
  auto* dialog = Named(new QFileDialog(parent, title), name);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  return dialog;
}

QGroupBox* Panel(const char* name, const QString& title, QWidget* parent) {
  return Named(new QGroupBox(title, parent), name);
}

void SetDesignedSize(QWidget* window, QSize designed) {
  window->setMinimumSize(designed.expandedTo(window->minimumSizeHint()));
  window->resize(window->minimumSize());
}

void TabOrder(std::initializer_list<QWidget*> widgets) {
  QWidget* before = nullptr;
  for (QWidget* w : widgets) {
    if (before) QWidget::setTabOrder(before, w);
    before = w;
  }
}

QMenu* Menu(QMenuBar* bar, const char* name, const QString& title) {
  QMenu* menu = Named(bar->addMenu(title), name);
  Named(menu->menuAction(), name);
  return menu;
}

QAction* MenuItem(const char* name, const QString& caption, QWidget* menu) {
  auto* action = Named(new QAction(caption, menu), name);
  menu->addAction(action);
  return action;
}

void Disable(std::initializer_list<QAction*> actions) {
  for (QAction* action : actions) action->setEnabled(false);
}

namespace {

// What the designs draw on: the light grey of a window or a button, the white of a field.
QColor DesignBackground(QPalette::ColorRole textRole) {
  return textRole == QPalette::Text ? QColor(255, 255, 255) : QColor(240, 240, 240);
}

QPalette::ColorRole BackgroundOf(QPalette::ColorRole textRole) {
  switch (textRole) {
    case QPalette::ButtonText:
      return QPalette::Button;
    case QPalette::Text:
      return QPalette::Base;
    default:
      return QPalette::Window;
  }
}

bool Dark(const QColor& colour) { return qGray(colour.rgb()) < 128; }

}  // namespace

bool DarkPalette(const QPalette& palette) { return Dark(palette.color(QPalette::Window)); }

void SetDesignColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette pal = widget->palette();
  pal.setColor(role, colour);
  const QPalette::ColorRole background = BackgroundOf(role);
  if (Dark(pal.color(background))) {
    pal.setColor(background, DesignBackground(role));
    if (background == QPalette::Window) {
      // A patch of the design's window behind the text, a little wider than the text.
      widget->setAutoFillBackground(true);
      widget->setContentsMargins(3, 1, 3, 1);
    }
  }
  widget->setPalette(pal);
}

void SetDesignBackground(QWidget* widget, const QColor& colour) {
  QPalette pal = widget->palette();
  pal.setColor(QPalette::Window, colour);
  pal.setColor(QPalette::WindowText, Qt::black);
  widget->setPalette(pal);
  widget->setAutoFillBackground(true);
}

void UseDesktopColours(QWidget* widget) {
  widget->setPalette(QPalette());
  widget->setAutoFillBackground(false);
}

}  // namespace tessaro
