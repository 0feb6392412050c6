#pragma once

class QListWidget;

// The look and behaviour shared by the file list and the task list: frameless, per-pixel
// scrolling, no selection or focus, uniform 80-pixel rows separated by a thin line.
namespace ListViewStyle {

void apply(QListWidget *list);

} // namespace ListViewStyle
