#pragma once

#include <QString>

class QWidget;

// The tool pages by tool type (tooltype.h); the pages and this table are in toolpages.cpp.
namespace ToolPageFactory {

// A new page for the tool, or nullptr for a type that names no tool.
QWidget *create(int toolType, QWidget *parent);
// Hands a file to a page made by create; only the pages of tools the viewer offers take one.
// Answers whether the page took it.
bool addFile(QWidget *page, const QString &path);

} // namespace ToolPageFactory
