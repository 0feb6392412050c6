#include "filedelegate.h"

#include "filehistorymodel.h"
#include "theme.h"

#include <QIcon>
#include <QPainter>

FileDelegate::FileDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{}

void FileDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);

    const QRect cell = option.rect;
    if (option.state & QStyle::State_Selected)
        painter->fillRect(cell, Theme::color(Theme::accentSoft));
    else if (option.state & QStyle::State_MouseOver)
        painter->fillRect(cell, Theme::color(Theme::windowBackground));

    painter->setPen(Theme::color(Theme::rowSeparator));
    painter->drawLine(cell.bottomLeft(), cell.bottomRight());

    QRect content = cell.adjusted(10, 5, -10, -5);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (index.column() == FileHistoryModel::NameColumn) {
        const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
        if (!icon.isNull()) {
            const QRect iconRect(content.left(), content.center().y() - 15, 32, 32);
            icon.paint(painter, iconRect);
            content.setLeft(iconRect.right() + 1 + 15);
        }
        QFont font = painter->font();
        font.setPixelSize(13);
        painter->setFont(font);
        painter->setPen(Theme::color(Theme::textPrimary));
        const QString elided =
            painter->fontMetrics().elidedText(text, Qt::ElideMiddle, content.width());
        painter->drawText(content, Qt::AlignLeft | Qt::AlignVCenter, elided);
    } else {
        painter->setPen(Theme::color(Theme::textMuted));
        painter->drawText(content, Qt::AlignRight | Qt::AlignVCenter, text);
    }

    painter->restore();
}

QSize FileDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return {100, 60};
}
