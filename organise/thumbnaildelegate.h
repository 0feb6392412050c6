#pragma once

#include <QStyledItemDelegate>

class PdfThumbnailPanel;

// Paints one card of the thumbnail strip: the page's thumbnail (or a placeholder), the hover
// action bar and the page number. The geometry helpers are shared with the panel's hit tests.
class ThumbnailDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr QSize ItemSize{184, 226};
    static constexpr QSize ThumbnailBoxSize{136, 166};
    static constexpr int ActionCount = 3;

    explicit ThumbnailDelegate(PdfThumbnailPanel *panel);
    ~ThumbnailDelegate() override;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    static QRect cardRect(const QRect &itemRect);
    static QRect thumbnailBox(const QRect &card);
    static QRect actionBarRect(const QRect &card);
    static QRect pageNumberBand(const QRect &itemRect, const QRect &card);
    // The action part (0 preview, 1 rotate, 2 delete) of a point inside the bar.
    static int actionAt(const QRect &bar, const QPoint &point);

private:
    PdfThumbnailPanel *m_panel;
};
