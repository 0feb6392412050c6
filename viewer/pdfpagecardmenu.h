#pragma once

#include <QObject>
#include <QPoint>

class PdfViewerWidget;
class QAbstractItemView;
class QMenu;

// The menu of a right click on a card of the thumbnail strip or the page grid: the page actions
// of the tool bar, acting on the selected pages. A card not yet selected becomes the selection.
class PdfPageCardMenu : public QObject
{
    Q_OBJECT

public:
    explicit PdfPageCardMenu(PdfViewerWidget *viewer);

    // The menu for a click on the card at row (selecting it first); the caller owns it. Null
    // when row is not a page.
    QMenu *build(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QAbstractItemView *view);

    PdfViewerWidget *m_viewer = nullptr;
    QList<QAbstractItemView *> m_views;
};
