#pragma once

class IconButton;
class QHBoxLayout;
class QListWidget;
class QString;
class QWidget;

// The frame shared by the file list and the task list of a tool page.
namespace ListFrame {

// A quiet, bordered button of the row above a list, with a small icon.
IconButton *plainButton(const QString &text, const QString &iconPath, QWidget *parent);
// Lays out owner: the row of buttons, a divider, the list.
void arrange(QWidget *owner, QHBoxLayout *top, QListWidget *list);

} // namespace ListFrame
