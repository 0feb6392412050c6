#include "sidebardelegate.h"

#include "sidebarmodel.h"
#include "theme.h"

#include <QIcon>
#include <QPainter>

SidebarDelegate::SidebarDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{}

void SidebarDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);

    const QRect rect = option.rect.adjusted(0, 1, 0, -1);
    const int kind = index.data(SidebarModel::KindRole).toInt();
    const QString text = index.data(Qt::DisplayRole).toString();
    QFont font = option.font;

    if (kind == SidebarModel::Header) {
        font.setPixelSize(12);
        font.setWeight(QFont::Bold);
        painter->setFont(font);
        painter->setPen(Theme::color(Theme::textMuted));
        painter->drawText(rect.adjusted(10, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        painter->restore();
        return;
    }

    const bool hovered = option.state & QStyle::State_MouseOver;
    const bool destination = kind == SidebarModel::Destination;
    painter->setPen(Qt::NoPen);
    if (destination) {
        painter->setBrush(Theme::color(hovered ? Theme::destinationHover : Theme::accentSoft));
        painter->drawRoundedRect(rect, 6, 6);
    } else if (hovered) {
        painter->setBrush(Theme::color(Theme::hoverSurface));
        painter->drawRoundedRect(rect, 6, 6);
    }

    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    if (!icon.isNull())
        icon.paint(painter, QRect(rect.left() + 8, rect.center().y() - 15, 32, 32));

    font.setPixelSize(13);
    painter->setFont(font);
    if (destination)
        painter->setPen(Theme::color(Theme::accent));
    else
        painter->setPen(Theme::color(hovered ? Theme::textPrimary : Theme::textSecondary));
    painter->drawText(rect.adjusted(50, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);

    painter->restore();
}

QSize SidebarDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(index.data(SidebarModel::KindRole).toInt() == SidebarModel::Header ? 34 : 48);
    return size;
}
