#include "pagemanagerdelegate.h"

#include "pagecardpainter.h"
#include "pagelabeltext.h"
#include "pdfdocumentmodel.h"
#include "pdfpagemanagerview.h"
#include "theme.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

std::span<const QImage> actionIcons()
{
    static const QImage icons[PdfPageManagerView::ActionCount] = {
        QImage(u":/res/icons/pdfviewer/expand.png"_s),
        QImage(u":/res/icons/modern/documents.png"_s),
        QImage(u":/res/icons/pdfviewer/rotate-right.png"_s),
        QImage(u":/res/icons/modern/trash.png"_s),
    };
    return icons;
}

const QImage &checkBoxImage(bool checked)
{
    static const QImage on(u":/res/checkbox/checkbox-checked.png"_s);
    static const QImage off(u":/res/checkbox/checkbox-unchecked.png"_s);
    return checked ? on : off;
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
    pagecard::paintCard(painter, card, selected, Theme::pageCardFill);

    const QRect area = PdfPageManagerView::imageArea(card);
    if (!pagecard::paintImage(
            painter, area,
            m_view->thumbnail(index.data(PdfDocumentModel::PageIdRole).value<PdfPageId>()))) {
        painter->setPen(Theme::color(Theme::textMuted));
        painter->drawText(area, Qt::AlignCenter, PdfPageManagerView::tr("正在生成预览…"));
    }

    painter->drawImage(PdfPageManagerView::checkBoxRect(card), checkBoxImage(selected));

    if (index.row() == m_view->hoverRow())
        pagecard::paintActionBar(painter, PdfPageManagerView::actionBarRect(card), actionIcons());

    pagecard::paintPageNumber(painter, option.font,
                              PdfPageManagerView::pageNumberBand(option.rect, card), selected,
                              pagelabeltext::withNumber(m_view->pageLabels(), index.row()));
    painter->restore();
}

QSize PageManagerDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return m_view->cellSize();
}
