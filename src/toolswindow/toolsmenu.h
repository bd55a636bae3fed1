#pragma once

#include <functional>

class QAction;
class QMenu;

namespace tessaro {

// Appends one item per tool of Tools.rel under `holder`, each running `handler`.
// Remembers both for RebuildToolItems; the items already there stay ahead of the tools.
void AddToolItems(QMenu* holder, std::function<void(QAction*)> handler);

// Takes the tool items out and adds them again from the file.
void RebuildToolItems();

// Starts the tool that the clicked item stands for: its command line split into a
// program and its arguments, no shell, in this program's working directory. A tool that
// cannot start says so ("Cannot start" and its command line); one that starts stays silent.
void ToolsClick(QAction* item);

}  // namespace tessaro
