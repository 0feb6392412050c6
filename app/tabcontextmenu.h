#pragma once

#include <functional>

class CustomTabWidget;
class QMenu;
class QWidget;

// The menu of a right click on a tab: close it, close the others, and for a file's tab show it
// in its folder or copy its path.
namespace TabContextMenu {

// The file a tab's page shows; empty for pages without one.
using PathOf = std::function<QString(QWidget *page)>;

void install(CustomTabWidget *tabs, PathOf pathOf);
// The menu for the tab at index; the caller owns it.
QMenu *build(CustomTabWidget *tabs, int index, const PathOf &pathOf);

} // namespace TabContextMenu
