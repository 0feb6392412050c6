#pragma once

class IconButton;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QString;
class QVBoxLayout;
class QWidget;

// The frame shared by the file list and the task list of a tool page.
namespace ListFrame {

// A quiet, bordered button of the row above a list, with a small icon.
IconButton *plainButton(const QString &text, const QString &iconPath, QWidget *parent);
// Lays out owner: the row of buttons, a divider, the list.
void arrange(QWidget *owner, QHBoxLayout *top, QListWidget *list);

// What a row of either list starts with: the PDF icon, and the file's name above its size.
struct RowLabels
{
    QLabel *icon = nullptr;
    QLabel *name = nullptr;
    QLabel *size = nullptr;
    QVBoxLayout *texts = nullptr; // the name above the size, centred
};
RowLabels rowLabels(QWidget *row, const QString &nameObject, const QString &sizeObject);
// The picture of a file's kind: PDF, word processing, spreadsheet, slides, else an image.
QString fileIcon(const QString &path);

} // namespace ListFrame
