#include "thumbnaildelegate.h"

#include "pagecardpainter.h"
#include "pagelabeltext.h"
#include "pdfdocumentmodel.h"
#include "pdfthumbnailpanel.h"
#include "theme.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

std::span<const QImage> actionIcons()
{
    static const QImage icons[ThumbnailDelegate::ActionCount] = {
        QImage(u":/res/icons/pdfviewer/expand.png"_s),
        QImage(u":/res/icons/pdfviewer/rotate-right.png"_s),
        QImage(u":/res/icons/modern/trash.png"_s),
    };
    return icons;
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
    pagecard::paintCard(painter, card, selected, Theme::surface);

    const QRect box = thumbnailBox(card);
    if (!pagecard::paintImage(
            painter, box,
            m_panel->thumbnail(index.data(PdfDocumentModel::PageIdRole).value<PdfPageId>()))) {
        painter->fillRect(box, Theme::color(Theme::thumbnailPlaceholder));
        painter->setPen(Theme::color(Theme::textMuted));
        painter->drawText(box, Qt::AlignCenter, PdfThumbnailPanel::tr("正在生成缩略图…"));
    }

    if (index.row() == m_panel->actionsRow() && index.row() == m_panel->hoverRow())
        pagecard::paintActionBar(painter, actionBarRect(card), actionIcons());

    pagecard::paintPageNumber(painter, option.font, pageNumberBand(option.rect, card), selected,
                              pagelabeltext::withNumber(m_panel->pageLabels(), index.row()));
    painter->restore();
}

QSize ThumbnailDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return ItemSize;
}
