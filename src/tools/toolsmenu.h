#pragma once

#include <functional>

class QAction;
class QMenu;

namespace tessaro {

// Appends one item per tool of Tools.rel under `holder`, each running `handler`.
void AddToolItems(QMenu* holder, std::function<void(QAction*)> handler);

// Takes the tool items out and adds them again from the file.
void RebuildToolItems();

// Starts the tool that the clicked item stands for.
void ToolsClick(QAction* item);

}  // namespace tessaro
