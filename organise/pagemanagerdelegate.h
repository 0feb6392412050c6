#pragma once

#include <QStyledItemDelegate>

class PdfPageManagerView;

// Paints one card of the page grid: thumbnail or placeholder, selection check box, hover
// actions and page number, at the grid's current card scale.
class PageManagerDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit PageManagerDelegate(PdfPageManagerView *view);
    ~PageManagerDelegate() override;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    PdfPageManagerView *m_view;
};
