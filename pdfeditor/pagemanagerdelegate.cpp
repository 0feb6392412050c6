#include "pagemanagerdelegate.h"

#include "pdfdocumentmodel.h"
#include "pdfpagemanagerview.h"
#include "theme.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

const QImage &actionIcon(int action)
{
    static const QImage icons[PdfPageManagerView::ActionCount] = {
        QImage(u":/res/icons/pdfviewer/expand.png"_s),
        QImage(u":/res/icons/modern/documents.png"_s),
        QImage(u":/res/icons/pdfviewer/rotate-right.png"_s),
        QImage(u":/res/icons/modern/trash.png"_s),
    };
    return icons[action];
}

const QImage &checkBoxImage(bool checked)
{
    static const QImage on(u":/res/checkbox/checkbox-checked.png"_s);
    static const QImage off(u":/res/checkbox/checkbox-unchecked.png"_s);
    return checked ? on : off;
}

QRectF strokeRect(const QRect &rect, qreal penWidth)
{
    const qreal inset = penWidth / 2.0;
    return QRectF(rect).adjusted(inset, inset, -inset, -inset);
}

} // namespace

PageManagerDelegate::PageManagerDelegate(PdfPageManagerView *view)
    : QStyledItemDelegate(view)
    , m_view(view)
{}

PageManagerDelegate::~PageManagerDelegate() = default;

void PageManagerDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    const bool selected = index.data(PdfDocumentModel::SelectedRole).toBool();
    const QRect card = m_view->cardRect(option.rect);
    const qreal outline = selected ? 2.0 : 1.0;
    painter->setPen(QPen(Theme::color(selected ? Theme::accent : Theme::border), outline));
    painter->setBrush(Theme::color(selected ? Theme::accentSoft : Theme::pageCardFill));
    painter->drawRoundedRect(strokeRect(card, outline), 8, 8);

    const QRect area = PdfPageManagerView::imageArea(card);
    const QImage image =
        m_view->thumbnail(index.data(PdfDocumentModel::PageIdRole).value<PdfPageId>());
    if (!image.isNull()) {
        const QSize fitted = image.size().scaled(area.size(), Qt::KeepAspectRatio);
        const QRect target(area.left() + (area.width() - fitted.width()) / 2,
                           area.top() + (area.height() - fitted.height()) / 2, fitted.width(),
                           fitted.height());
        painter->setPen(QPen(Theme::color(Theme::border), 1));
        painter->setBrush(Theme::color(Theme::surface));
        painter->drawRect(strokeRect(target, 1.0));
        painter->drawImage(target, image);
    } else {
        painter->setPen(Theme::color(Theme::textMuted));
        painter->drawText(area, Qt::AlignCenter, PdfPageManagerView::tr("正在生成预览…"));
    }

    painter->drawImage(PdfPageManagerView::checkBoxRect(card), checkBoxImage(selected));

    if (index.row() == m_view->hoverRow()) {
        const QRect bar = PdfPageManagerView::actionBarRect(card);
        painter->setPen(QPen(Theme::color(Theme::border), 1));
        painter->setBrush(Theme::color(Theme::surface));
        painter->drawRoundedRect(strokeRect(bar, 1.0), 6, 6);
        const int part = bar.width() / PdfPageManagerView::ActionCount;
        for (int i = 0; i < PdfPageManagerView::ActionCount; ++i) {
            const int left = bar.left() + i * part;
            const int width =
                i == PdfPageManagerView::ActionCount - 1 ? bar.right() + 1 - left : part;
            const QRect cell(left, bar.top(), width, bar.height());
            painter->drawImage(QRect(cell.center().x() - 9, cell.center().y() - 9, 20, 20),
                               actionIcon(i));
            if (i > 0)
                painter->drawLine(QPointF(left + 0.5, bar.top() + 0.5),
                                  QPointF(left + 0.5, bar.bottom() + 0.5));
        }
    }

    QFont number = option.font;
    number.setWeight(QFont::Bold);
    painter->setFont(number);
    painter->setPen(Theme::color(selected ? Theme::accent : Theme::textPrimary));
    painter->drawText(PdfPageManagerView::pageNumberBand(option.rect, card), Qt::AlignCenter,
                      QString::number(index.row() + 1));
    painter->restore();
}

QSize PageManagerDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return m_view->cellSize();
}
