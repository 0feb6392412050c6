#include "pagemanagerlistview.h"

#include "pdfpagemanagerview.h"
#include "theme.h"

#include <QPaintEvent>
#include <QPainter>

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
        if (mode == PdfWorkspaceMode::Insert)
            paintInsertMarker(painter, item);
        else
            paintSplitMarker(painter, item, m_view->isSplitPoint(row));
    }
}

void PageManagerListView::paintInsertMarker(QPainter &painter, const QRect &itemRect) const
{
    const QRect circle =
        PdfPageManagerView::insertMarkerRect(itemRect, m_view->cardRect(itemRect));
    painter.setPen(QPen(Theme::color(Theme::surface), 2));
    painter.setBrush(Theme::color(Theme::pageMarker));
    painter.drawEllipse(QRectF(circle).adjusted(1, 1, -1, -1));
    painter.drawImage(iconRect(circle), markerIcon(true));
}

void PageManagerListView::paintSplitMarker(QPainter &painter, const QRect &itemRect,
                                           bool active) const
{
    const QRect card = m_view->cardRect(itemRect);
    const QRect line = PdfPageManagerView::splitLineRect(itemRect, card);
    const qreal x = line.left() + line.width() / 2.0;
    QPen linePen(Theme::color(active ? Theme::pageMarker : Theme::splitLineIdle), active ? 2 : 1);
    if (!active)
        linePen.setStyle(Qt::DashLine);
    painter.setPen(linePen);
    painter.drawLine(QPointF(x, line.top()), QPointF(x, line.bottom() + 1));

    const QRect circle = PdfPageManagerView::splitMarkerRect(itemRect, card);
    painter.setPen(QPen(Theme::color(Theme::surface), 2));
    painter.setBrush(Theme::color(active ? Theme::pageMarker : Theme::splitMarkerIdle));
    painter.drawEllipse(QRectF(circle).adjusted(1, 1, -1, -1));
    painter.drawImage(iconRect(circle), markerIcon(false));
}
