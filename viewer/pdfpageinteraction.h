#pragma once

#include "pdfeditorbackend.h"
#include "pdfpageid.h"

#include <QElapsedTimer>
#include <QHash>
#include <QPointer>
#include <QWidget>

class PdfDocumentModel;
class PdfDocumentView;
class QTimer;
struct PdfPageEntry;

// Links and text selection over the pages of a document view. It lies over the view's
// viewport, lets every pointer event through to the view, and paints the selected text.
// Links come from the engine the first time the pointer is over a page and stay cached per page.
class PdfPageInteraction : public QWidget
{
    Q_OBJECT

public:
    explicit PdfPageInteraction(PdfDocumentView *view, PdfDocumentModel *model);
    ~PdfPageInteraction() override;

    bool hasSelection() const { return m_selectionPage != 0 && !m_text.isEmpty(); }
    QString selectedText() const { return m_text; }
    // Row of the page holding the selection, -1 when none.
    int selectionRow() const;
    void clearSelection();
    // Selects all text of the page at row.
    void selectPage(int row);
    // Puts the selected text on the clipboard; false when nothing is selected.
    bool copySelection();
    // Where a link on the page at row leads, by a viewport position; for tests and tool tips.
    const PdfPageLink *linkAt(const QPoint &viewportPos, int *row = nullptr);
    // The selected text's line boxes, in page points before the user's rotation.
    QList<QPolygonF> selectionQuads() const { return m_quads; }

    int pageRowAt(const QPoint &viewportPos) const;
    // Between viewport positions and page points before the user's rotation.
    QPointF toPage(int row, const QPoint &viewportPos) const;
    QPointF toViewport(int row, const QPointF &pagePoint) const;

Q_SIGNALS:
    void pageRequested(int row);
    void externalLinkRequested(const QString &uri);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void updateSelection(const QPoint &viewportPos);
    // The word (double click) or line (triple click) under a point.
    void selectUnit(int row, const QPoint &viewportPos, PdfSelectionUnit unit);
    // Offers the selection to the window system's primary selection where it has one.
    void publishSelection();
    void followLink(int row, const PdfPageLink &link);
    void updateHoverCursor(const QPoint &viewportPos);
    bool handleKey(QKeyEvent *event, bool overrideOnly);
    void autoScrollStep();

    QPointer<PdfDocumentView> m_view;
    QPointer<PdfDocumentModel> m_model;
    QHash<PdfPageId, QList<PdfPageLink>> m_links;
    // Selection: page, anchor and focus in page points before the user's rotation.
    PdfPageId m_selectionPage = 0;
    QPointF m_anchor;
    QPointF m_focus;
    QList<QPolygonF> m_quads;
    QString m_text;
    bool m_selecting = false;
    // Scrolls while a drag selects beyond the top or bottom of the window.
    QTimer *m_autoScroll = nullptr;
    QPoint m_dragPos;
    QPoint m_pressPos;
    int m_pressLinkRow = -1;
    // A press this soon after a double click, near it, is a triple click.
    QElapsedTimer m_doubleClick;
    QPoint m_doubleClickPos;
    QRectF m_pressLinkRect;
};
