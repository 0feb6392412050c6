#pragma once

class QListWidget;
class QString;

// The look and behaviour shared by the file list and the task list: frameless, per-pixel
// scrolling, no selection or focus, uniform 80-pixel rows separated by a thin line.
namespace ListViewStyle {

// rowRules style the row widgets; one sheet on the list styles hundreds of rows far quicker
// than a sheet of their own on every row.
void apply(QListWidget *list, const QString &rowRules);

} // namespace ListViewStyle
