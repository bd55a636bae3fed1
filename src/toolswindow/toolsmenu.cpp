#include "toolswindow/toolsmenu.h"

#include "ui/ui.h"
#include "tools/toolsfile.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPointer>
#include <QProcess>

namespace tessaro {

ToolItems::ToolItems(QMenu* holder)
    : QObject(holder), holder_(holder), base_(static_cast<int>(holder->actions().size()) - 1) {}

void ToolItems::Add() {
  if (!holder_) return;
  items_.clear();
  ReadTools(tools_);
  for (int k = 1; k <= tools_.n; ++k) {
    auto* item = new QAction(FromStd(tools_.Tools[k].Tit), holder_);
    QObject::connect(item, &QAction::triggered, this, Guarded([this, item] { Start(item); }));
    holder_->addAction(item);
    items_.append(item);
  }
}

void ToolItems::Rebuild() {
  for (const QPointer<QAction>& item : items_) delete item.data();
  items_.clear();
  Add();
}

void ToolItems::Start(QAction* item) const {
  if (!holder_ || !item) return;
  // The item's place under the holder gives the tool's number.
  const int k = static_cast<int>(holder_->actions().indexOf(item)) - base_;
  if (k < 1 || k > tools_.n) return;
  const QString commandLine = FromStd(tools_.Tools[k].Ftx);
  QStringList words = QProcess::splitCommand(commandLine);
  if (words.isEmpty()) return;
  const QString program = words.takeFirst();
  // The one failure the user must hear about: nothing else would show the tool is missing.
  if (!QProcess::startDetached(program, words))
    //: %1 is the command line of the tool.
    ShowMessage(QCoreApplication::translate("Tools", "Cannot start %1").arg(commandLine));
}

}  // namespace tessaro
