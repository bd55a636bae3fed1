#pragma once

#include "tools/toolsfile.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;

namespace tessaro {

// The tool items of a menu: one per tool of Tools.rel, after the items already there.
// The menu's window owns it.
class ToolItems : public QObject {
 public:
  explicit ToolItems(QMenu* holder);

  // Appends one item per tool of Tools.rel under the holder.
  void Add();
  // Takes the tool items out and adds them again from the file.
  void Rebuild();
  // Starts the tool that the clicked item stands for: its command line split into a program
  // and its arguments, no shell, in this program's working directory. A tool that cannot
  // start says so ("Cannot start" and its command line); one that starts stays silent.
  void Start(QAction* item) const;

 private:
  QPointer<QMenu> holder_;
  int base_ = 0;  // items ahead of the tools, minus one
  TToolTable tools_;
  QList<QPointer<QAction>> items_;
};

}  // namespace tessaro
