#pragma once

#include <QListView>

class PdfPageManagerView;

// The page grid itself: a wrapping list that draws the insert and split markers of the current
// workspace mode over its cards.
class PageManagerListView : public QListView
{
    Q_OBJECT

public:
    explicit PageManagerListView(PdfPageManagerView *view, QWidget *parent = nullptr);
    ~PageManagerListView() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintInsertMarker(QPainter &painter, const QRect &itemRect) const;
    void paintSplitMarker(QPainter &painter, const QRect &itemRect, bool active) const;

    PdfPageManagerView *m_view;
};
