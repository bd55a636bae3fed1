#include "toolswindow/toolsmenu.h"

#include "ui/ui.h"
#include "tools/toolsfile.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPointer>
#include <QProcess>

namespace tessaro {

namespace {

struct MenuState {
  QPointer<QMenu> holder;
  std::function<void(QAction*)> handler;
  int base = 0;  // items ahead of the tools, minus one
  TToolTable tools;
  QList<QPointer<QAction>> items;
};

MenuState& State() {
  static MenuState state;
  return state;
}

}  // namespace

void AddToolItems(QMenu* holder, std::function<void(QAction*)> handler) {
  MenuState& s = State();
  s.base = static_cast<int>(holder->actions().size()) - 1;
  s.holder = holder;
  s.handler = std::move(handler);
  s.items.clear();
  ReadTools(s.tools);
  for (int k = 1; k <= s.tools.n; ++k) {
    auto* item = new QAction(FromStd(s.tools.Tools[k].Tit), holder);
    QObject::connect(item, &QAction::triggered, item,
                     Guarded([item, handler = s.handler] { handler(item); }));
    holder->addAction(item);
    s.items.append(item);
  }
}

void RebuildToolItems() {
  MenuState& s = State();
  if (!s.holder) return;
  for (const QPointer<QAction>& item : s.items) delete item.data();
  s.items.clear();
  AddToolItems(s.holder, s.handler);
}

void ToolsClick(QAction* item) {
  const MenuState& s = State();
  if (!s.holder || !item) return;
  // The item's place under the holder gives the tool's number.
  const int k = static_cast<int>(s.holder->actions().indexOf(item)) - s.base;
  if (k < 1 || k > s.tools.n) return;
  const QString commandLine = FromStd(s.tools.Tools[k].Ftx);
  QStringList words = QProcess::splitCommand(commandLine);
  if (words.isEmpty()) return;
  const QString program = words.takeFirst();
  // The one failure the user must hear about: nothing else would show the tool is missing.
  if (!QProcess::startDetached(program, words))
    //: %1 is the command line of the tool.
    ShowMessage(QCoreApplication::translate("Tools", "Cannot start %1").arg(commandLine));
}

}  // namespace tessaro
