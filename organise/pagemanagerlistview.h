#pragma once

#include <QListView>

class PdfPageManagerView;

// The page grid itself: a wrapping list that draws the insert and split markers of the current
// workspace mode over its cards, and moves every dragged page (not only the first) on a drop.
class PageManagerListView : public QListView
{
    Q_OBJECT

public:
    explicit PageManagerListView(PdfPageManagerView *view, QWidget *parent = nullptr);
    ~PageManagerListView() override;

    // The row a drop at pos inserts before: the left half of a card means before it, the right
    // half after it, anywhere past the last card the end.
    int dropRowAt(const QPoint &pos) const;
    // Shares the width the columns leave between both sides, so that no empty strip is left at
    // the right; called again when the cell size changes.
    void centreColumns();

protected:
    void paintEvent(QPaintEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void paintInsertMarker(QPainter &painter, const QRect &circle) const;
    void paintSplitMarker(QPainter &painter, const QRect &itemRect, bool active) const;

    PdfPageManagerView *m_view;
};
