#include "pagecardpainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace pagecard {

QRectF strokeRect(const QRect &rect, qreal penWidth)
{
    const qreal inset = penWidth / 2.0;
    return QRectF(rect).adjusted(inset, inset, -inset, -inset);
}

void paintCard(QPainter *painter, const QRect &card, bool selected, Theme::Name restingFill)
{
    const qreal outline = selected ? 2.0 : 1.0;
    painter->setPen(QPen(Theme::color(selected ? Theme::accent : Theme::border), outline));
    painter->setBrush(Theme::color(selected ? Theme::accentSoft : restingFill));
    painter->drawRoundedRect(strokeRect(card, outline), 8, 8);
}

bool paintImage(QPainter *painter, const QRect &area, const QImage &image)
{
    if (image.isNull())
        return false;
    const QSize fitted = image.size().scaled(area.size(), Qt::KeepAspectRatio);
    const QRect target(area.left() + (area.width() - fitted.width()) / 2,
                       area.top() + (area.height() - fitted.height()) / 2, fitted.width(),
                       fitted.height());
    painter->setPen(QPen(Theme::color(Theme::border), 1));
    painter->setBrush(Theme::color(Theme::surface));
    painter->drawRect(strokeRect(target, 1.0));
    painter->drawImage(target, image);
    return true;
}

void paintActionBar(QPainter *painter, const QRect &bar, std::span<const QImage> icons)
{
    const int count = int(icons.size());
    painter->setPen(QPen(Theme::color(Theme::border), 1));
    painter->setBrush(Theme::color(Theme::surface));
    painter->drawRoundedRect(strokeRect(bar, 1.0), 6, 6);
    const int part = bar.width() / std::max(count, 1);
    for (int i = 0; i < count; ++i) {
        const int left = bar.left() + i * part;
        const int width = i == count - 1 ? bar.right() + 1 - left : part;
        const QRect cell(left, bar.top(), width, bar.height());
        painter->drawImage(QRect(cell.center().x() - 9, cell.center().y() - 9, 20, 20), icons[i]);
        if (i > 0)
            painter->drawLine(QPointF(left + 0.5, bar.top() + 0.5),
                              QPointF(left + 0.5, bar.bottom() + 0.5));
    }
}

void paintPageNumber(QPainter *painter, QFont font, const QRect &band, bool selected,
                     const QString &text)
{
    font.setWeight(QFont::Bold);
    painter->setFont(font);
    painter->setPen(Theme::color(selected ? Theme::accent : Theme::textPrimary));
    const QFontMetrics metrics(font);
    painter->drawText(band, Qt::AlignCenter,
                      metrics.elidedText(text, Qt::ElideMiddle, std::max(band.width() - 8, 0)));
}

} // namespace pagecard
