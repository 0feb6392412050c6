#pragma once

#include <QObject>
#include <QPoint>

class PdfViewerWidget;
class QMenu;

// The menu of a right click on the reading view: copy, select all, find the selection, mark it
// (highlight, underline, strike-out), back.
class PdfPageMenu : public QObject
{
    Q_OBJECT

public:
    explicit PdfPageMenu(PdfViewerWidget *viewer);

    // The menu for a click at a point of the view's viewport; the caller owns it.
    QMenu *build(const QPoint &viewportPosition);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int rowAt(const QPoint &viewportPosition) const;

    PdfViewerWidget *m_viewer = nullptr;
};
