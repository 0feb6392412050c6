#pragma once

#include <QString>

class QWidget;

// The tool pages by tool type: 1 compress, 2 PDF to Office, 3 Office to PDF, 4 images to PDF,
// 5 PDF to images, 6 unlock, 7 encrypt, 8 merge.
namespace ToolPageFactory {

// A new page for the tool, or nullptr for a type that names no tool.
QWidget *create(int toolType, QWidget *parent);
// Hands a file to a page made by create; only the compress, PDF to images, unlock and encrypt
// pages take one. Answers whether the page took it.
bool addFile(QWidget *page, const QString &path);

} // namespace ToolPageFactory
