#pragma once

#include <QPointer>
#include <QRectF>
#include <QWidget>

class PdfDocumentView;
class PdfPageInteraction;

// Lets the user drag the box of a new signature on a page of the document view: it lies over
// the view's viewport while active, takes the pointer, and ends with the box in page points (a
// click alone places a box of the usual size) or with Escape.
class PdfSignatureBoxTool : public QWidget
{
    Q_OBJECT

public:
    PdfSignatureBoxTool(PdfDocumentView *view, PdfPageInteraction *interaction);

    void start();
    void cancel();
    bool isActive() const { return m_active; }

Q_SIGNALS:
    // rect: points on the page at row as it shows itself, origin top-left.
    void boxDrawn(int row, const QRectF &rect);
    void cancelled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void finish(const QPoint &viewportPos);
    QRectF pageBox() const;
    void stop();

    QPointer<PdfDocumentView> m_view;
    QPointer<PdfPageInteraction> m_interaction;
    bool m_active = false;
    int m_row = -1;
    QPointF m_start; // page points
    QPointF m_now;
};
