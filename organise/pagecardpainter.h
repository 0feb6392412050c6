#pragma once

#include "theme.h"

#include <QRect>

#include <span>

class QFont;
class QImage;
class QPainter;

// Painting shared by the page cards of the thumbnail strip and of the page grid.
namespace pagecard {

// Crisp outlines under antialiasing: the rectangle whose stroke lies on the pixel centres.
QRectF strokeRect(const QRect &rect, qreal penWidth);

// The rounded card, outlined and filled as selected or with its resting fill.
void paintCard(QPainter *painter, const QRect &card, bool selected, Theme::Name restingFill);

// The image fitted into area, centred and framed; false (nothing painted) for a null image.
bool paintImage(QPainter *painter, const QRect &area, const QImage &image);

// The hover bar: one cell per icon, divided by lines.
void paintActionBar(QPainter *painter, const QRect &bar, std::span<const QImage> icons);

// The page's number (or label) under the card, elided where the band is too narrow.
void paintPageNumber(QPainter *painter, QFont font, const QRect &band, bool selected,
                     const QString &text);

} // namespace pagecard
