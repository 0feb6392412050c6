#include "thumbnaillistview.h"

#include "pdfdocumentmodel.h"
#include "theme.h"

#include <QDropEvent>
#include <QMimeData>
#include <QPainter>

ThumbnailListView::ThumbnailListView(QWidget *parent)
    : QListView(parent)
{}

ThumbnailListView::~ThumbnailListView() = default;

int ThumbnailListView::dropRowAt(const QPoint &pos) const
{
    if (!model())
        return 0;
    QModelIndex index = indexAt(pos);
    if (!index.isValid()) {
        // In the narrow gap between two cards, the card below.
        index = indexAt(pos + QPoint(0, 2 * spacing() + 1));
        return index.isValid() ? index.row() : model()->rowCount();
    }
    return pos.y() < visualRect(index).center().y() ? index.row() : index.row() + 1;
}

bool ThumbnailListView::carriesPages(const QDropEvent *event) const
{
    const auto *pages = qobject_cast<const PdfDocumentModel *>(model());
    return pages && pages->isOwnPageDrag(event->mimeData());
}

void ThumbnailListView::dragEnterEvent(QDragEnterEvent *event)
{
    if (!carriesPages(event)) {
        QListView::dragEnterEvent(event);
        return;
    }
    // Over the dragged card itself no drop is possible yet, but the drag stays with the list.
    event->setDropAction(Qt::MoveAction);
    event->accept();
    setState(DraggingState);
}

void ThumbnailListView::dragMoveEvent(QDragMoveEvent *event)
{
    if (!carriesPages(event)) {
        QListView::dragMoveEvent(event);
        return;
    }
    const int row = dropRowAt(event->position().toPoint());
    // The model refuses a move onto the page's own place; the pointer then shows no drop.
    if (model()->canDropMimeData(event->mimeData(), Qt::MoveAction, row, 0, QModelIndex())) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
        setIndicatorRow(row);
    } else {
        event->ignore();
        setIndicatorRow(-1);
    }
    if (hasAutoScroll())
        startAutoScroll();
}

void ThumbnailListView::dragLeaveEvent(QDragLeaveEvent *event)
{
    setIndicatorRow(-1);
    QListView::dragLeaveEvent(event);
}

void ThumbnailListView::dropEvent(QDropEvent *event)
{
    if (!carriesPages(event)) {
        QListView::dropEvent(event);
        return;
    }
    setIndicatorRow(-1);
    stopAutoScroll();
    setState(NoState);
    const int row = dropRowAt(event->position().toPoint());
    if (model()->dropMimeData(event->mimeData(), Qt::MoveAction, row, 0, QModelIndex())) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void ThumbnailListView::setIndicatorRow(int row)
{
    if (row == m_indicatorRow)
        return;
    m_indicatorRow = row;
    viewport()->update();
}

void ThumbnailListView::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);
    if (m_indicatorRow < 0 || !model() || model()->rowCount() == 0)
        return;
    const int count = model()->rowCount();
    const QRect card = visualRect(model()->index(std::min(m_indicatorRow, count - 1), 0));
    const int y = m_indicatorRow < count ? card.top() - spacing() : card.bottom() + spacing();
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Theme::color(Theme::accent), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(card.left() + 8, y), QPointF(card.right() - 8, y));
}
