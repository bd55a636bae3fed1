#include "tools/toolsmenu.h"

namespace tessaro {

void AddToolItems(QMenu*, std::function<void(QAction*)>) {}

void RebuildToolItems() {}

void ToolsClick(QAction*) {}

}  // namespace tessaro
