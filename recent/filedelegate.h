#pragma once

#include <QStyledItemDelegate>

// Paints the rows of the recent files table: a soft fill for the selected and the hovered row, a
// separator under every cell, the file icon and name, and muted size and date texts.
class FileDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit FileDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
