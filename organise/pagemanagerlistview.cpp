#include "pagemanagerlistview.h"

#include "pdfdocumentmodel.h"
#include "pdfpagemanagerview.h"
#include "theme.h"

#include <QDataStream>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QImage &markerIcon(bool insert)
{
    static const QImage plus(u":/res/icons/pdfviewer/insert-plus.png"_s);
    static const QImage scissors(u":/res/icons/pdfviewer/split-scissors.png"_s);
    return insert ? plus : scissors;
}

QRect iconRect(const QRect &circle)
{
    const QPoint c = circle.center();
    return QRect(c.x() - 8, c.y() - 8, 18, 18);
}

} // namespace

PageManagerListView::PageManagerListView(PdfPageManagerView *view, QWidget *parent)
    : QListView(parent)
    , m_view(view)
{}

PageManagerListView::~PageManagerListView() = default;

void PageManagerListView::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);

    const PdfWorkspaceMode mode = m_view->workspaceMode();
    if ((mode != PdfWorkspaceMode::Insert && mode != PdfWorkspaceMode::Split) || !model())
        return;

    QPainter painter(viewport());
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.setClipRegion(event->region());
    const QRect visible = viewport()->rect();
    const int count = model()->rowCount();
    for (int row = mode == PdfWorkspaceMode::Split ? 1 : 0; row < count; ++row) {
        const QRect item = visualRect(model()->index(row, 0));
        if (!item.intersects(visible))
            continue;
        if (mode == PdfWorkspaceMode::Insert && row == 0)
            paintInsertMarker(painter, m_view->insertFirstMarkerRect(item));
        if (mode == PdfWorkspaceMode::Insert)
            paintInsertMarker(painter, m_view->insertMarkerRect(item));
        else
            paintSplitMarker(painter, item, m_view->isSplitPoint(row));
    }
}

void PageManagerListView::centreColumns()
{
    const int cell = gridSize().width();
    if (cell <= 0)
        return;
    // Measured as the list lays out its items: as if the scroll bar were shown (its extent as
    // the style gives it), so that its coming and going moves nothing, and a row that would end
    // exactly at the edge wraps.
    const int bar =
        std::max(verticalScrollBar()->sizeHint().width(),
                 style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar()));
    const int width = contentsRect().width() - bar - 1;
    const int columns = std::max(width / cell, 1);
    const int spare = std::max(width - columns * cell, 0);
    const QMargins margins(spare / 2, 0, spare - spare / 2, 0);
    if (viewportMargins() != margins)
        setViewportMargins(margins);
}

void PageManagerListView::resizeEvent(QResizeEvent *event)
{
    centreColumns();
    QListView::resizeEvent(event);
}

int PageManagerListView::dropRowAt(const QPoint &pos) const
{
    if (!model())
        return 0;
    const QModelIndex index = indexAt(pos);
    if (!index.isValid())
        return model()->rowCount();
    return pos.x() < visualRect(index).center().x() ? index.row() : index.row() + 1;
}

void PageManagerListView::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (event->source() != this || !data || !data->hasFormat(PdfDocumentModel::PageIdMimeType)) {
        QListView::dropEvent(event);
        return;
    }
    QList<PdfPageId> ids;
    QDataStream stream(data->data(PdfDocumentModel::PageIdMimeType));
    while (!stream.atEnd()) {
        qint64 id = 0;
        stream >> id;
        if (stream.status() != QDataStream::Ok)
            break;
        ids.append(PdfPageId(id));
    }
    m_view->movePages(ids, dropRowAt(event->position().toPoint()));
    event->setDropAction(Qt::MoveAction);
    event->accept();
    viewport()->update();
}

void PageManagerListView::paintInsertMarker(QPainter &painter, const QRect &circle) const
{
    painter.setPen(QPen(Theme::color(Theme::surface), 2));
    painter.setBrush(Theme::color(Theme::pageMarker));
    painter.drawEllipse(QRectF(circle).adjusted(1, 1, -1, -1));
    painter.drawImage(iconRect(circle), markerIcon(true));
}

void PageManagerListView::paintSplitMarker(QPainter &painter, const QRect &itemRect,
                                           bool active) const
{
    const QRect line = m_view->splitLineRect(itemRect);
    const qreal x = line.left() + line.width() / 2.0;
    QPen linePen(Theme::color(active ? Theme::pageMarker : Theme::splitLineIdle), active ? 2 : 1);
    if (!active)
        linePen.setStyle(Qt::DashLine);
    painter.setPen(linePen);
    painter.drawLine(QPointF(x, line.top()), QPointF(x, line.bottom() + 1));

    const QRect circle = m_view->splitMarkerRect(itemRect);
    painter.setPen(QPen(Theme::color(Theme::surface), 2));
    painter.setBrush(Theme::color(active ? Theme::pageMarker : Theme::splitMarkerIdle));
    painter.drawEllipse(QRectF(circle).adjusted(1, 1, -1, -1));
    painter.drawImage(iconRect(circle), markerIcon(false));
}
