#include "ui/keyboard.h"

#include "ui/ui.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>

#include <set>

namespace tessaro {

namespace {

class KeyboardStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_MenuBar_AltKeyNavigation || hint == SH_Menu_KeyboardSearch) return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

// Opens the menu of an entry of the bar with its first command chosen, as a mnemonic
// would; an entry without a menu runs at once.
void Open(QMenuBar* bar, QAction* entry) {
  QMenu* menu = entry->menu();
  if (!menu) {
    entry->trigger();
    return;
  }
  bar->setActiveAction(entry);
  for (QAction* command : menu->actions()) {
    if (command->isEnabled() && !command->isSeparator() && command->isVisible()) {
      menu->setActiveAction(command);
      break;
    }
  }
}

}  // namespace

void UseKeyboardStyle() {
  if (dynamic_cast<KeyboardStyle*>(QApplication::style())) return;
  QApplication::setStyle(new KeyboardStyle);
}

void MenuKeys(QMenuBar* bar) {
  QWidget* window = bar->window();
  const QList<QAction*> entries = bar->actions();
  if (entries.isEmpty()) return;
  QObject::connect(new QShortcut(QKeySequence(Qt::Key_F10), window), &QShortcut::activated, bar,
                   Guarded([bar, first = entries.first()] { Open(bar, first); }));
  std::set<QChar> taken;
  for (QAction* entry : entries) {
    for (QChar c : entry->text()) {
      const QChar letter = c.toUpper();
      if (letter < u'A' || letter > u'Z' || taken.count(letter)) continue;
      taken.insert(letter);
      auto* key = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(letter.unicode())), window);
      QObject::connect(key, &QShortcut::activated, bar,
                       Guarded([bar, entry] { Open(bar, entry); }));
      break;
    }
  }
}

}  // namespace tessaro
