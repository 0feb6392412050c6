#include "thumbnaildelegate.h"

#include "pdfdocumentmodel.h"
#include "pdfthumbnailpanel.h"
#include "theme.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

const QImage &actionIcon(int action)
{
    static const QImage icons[ThumbnailDelegate::ActionCount] = {
        QImage(u":/res/icons/pdfviewer/expand.png"_s),
        QImage(u":/res/icons/pdfviewer/rotate-right.png"_s),
        QImage(u":/res/icons/modern/trash.png"_s),
    };
    return icons[action];
}

// Crisp one-pixel outlines under antialiasing: stroke on the pixel centres.
QRectF strokeRect(const QRect &rect, qreal penWidth)
{
    const qreal inset = penWidth / 2.0;
    return QRectF(rect).adjusted(inset, inset, -inset, -inset);
}

} // namespace

ThumbnailDelegate::ThumbnailDelegate(PdfThumbnailPanel *panel)
    : QStyledItemDelegate(panel)
    , m_panel(panel)
{}

ThumbnailDelegate::~ThumbnailDelegate() = default;

QRect ThumbnailDelegate::cardRect(const QRect &itemRect)
{
    return itemRect.adjusted(6, 4, -6, -30);
}

QRect ThumbnailDelegate::thumbnailBox(const QRect &card)
{
    return QRect(card.left() + (card.width() - ThumbnailBoxSize.width()) / 2, card.top() + 10,
                 ThumbnailBoxSize.width(), ThumbnailBoxSize.height());
}

QRect ThumbnailDelegate::actionBarRect(const QRect &card)
{
    // Over the top of the thumbnail: the lower part of the card stays free for opening the page.
    return QRect(card.left() + 8, card.top() + 4, card.width() - 16, 34);
}

QRect ThumbnailDelegate::pageNumberBand(const QRect &itemRect, const QRect &card)
{
    return QRect(itemRect.left(), card.top() + card.height() + 4, itemRect.width(), 24);
}

int ThumbnailDelegate::actionAt(const QRect &bar, const QPoint &point)
{
    const int part = (point.x() - bar.left()) / std::max(bar.width() / ActionCount, 1);
    return std::clamp(part, 0, ActionCount - 1);
}

void ThumbnailDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QRect card = cardRect(option.rect);
    const qreal outline = selected ? 2.0 : 1.0;
    painter->setPen(QPen(Theme::color(selected ? Theme::accent : Theme::border), outline));
    painter->setBrush(Theme::color(selected ? Theme::accentSoft : Theme::surface));
    painter->drawRoundedRect(strokeRect(card, outline), 8, 8);

    const QRect box = thumbnailBox(card);
    const QImage image =
        m_panel->thumbnail(index.data(PdfDocumentModel::PageIdRole).value<PdfPageId>());
    if (!image.isNull()) {
        const QSize fitted = image.size().scaled(box.size(), Qt::KeepAspectRatio);
        const QRect target(box.left() + (box.width() - fitted.width()) / 2,
                           box.top() + (box.height() - fitted.height()) / 2, fitted.width(),
                           fitted.height());
        painter->setPen(QPen(Theme::color(Theme::border), 1));
        painter->setBrush(Theme::color(Theme::surface));
        painter->drawRect(strokeRect(target, 1.0));
        painter->drawImage(target, image);
    } else {
        painter->fillRect(box, Theme::color(Theme::thumbnailPlaceholder));
        painter->setPen(Theme::color(Theme::textMuted));
        painter->drawText(box, Qt::AlignCenter, PdfThumbnailPanel::tr("正在生成缩略图…"));
    }

    if (index.row() == m_panel->actionsRow() && index.row() == m_panel->hoverRow()) {
        const QRect bar = actionBarRect(card);
        painter->setPen(QPen(Theme::color(Theme::border), 1));
        painter->setBrush(Theme::color(Theme::surface));
        painter->drawRoundedRect(strokeRect(bar, 1.0), 6, 6);
        const int part = bar.width() / ActionCount;
        for (int i = 0; i < ActionCount; ++i) {
            const int left = bar.left() + i * part;
            const int width = i == ActionCount - 1 ? bar.right() + 1 - left : part;
            const QRect cell(left, bar.top(), width, bar.height());
            const QRect icon(cell.center().x() - 9, cell.center().y() - 9, 20, 20);
            painter->drawImage(icon, actionIcon(i));
        }
        painter->setPen(QPen(Theme::color(Theme::border), 1));
        for (int i = 1; i < ActionCount; ++i) {
            const qreal x = bar.left() + i * bar.width() / qreal(ActionCount);
            painter->drawLine(QPointF(x, bar.top() + 0.5), QPointF(x, bar.bottom() + 0.5));
        }
    }

    QFont number = option.font;
    number.setWeight(QFont::Bold);
    painter->setFont(number);
    painter->setPen(Theme::color(selected ? Theme::accent : Theme::textPrimary));
    painter->drawText(pageNumberBand(option.rect, card), Qt::AlignCenter,
                      QString::number(index.row() + 1));
    painter->restore();
}

QSize ThumbnailDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return ItemSize;
}
