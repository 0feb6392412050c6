#include "annotationgeometry.h"

#include <QLineF>

#include <algorithm>

// The painted outlines, apart from the page geometry: they need the GUI library, which the
// command-line program does not load.
namespace annotationgeometry {

QPainterPath strokePath(const PdfAnnotation &a)
{
    QPainterPath path;
    const double inset = a.width / 2;
    switch (a.type) {
    case PdfAnnotation::Type::Rectangle:
        path.addRect(a.rect.adjusted(inset, inset, -inset, -inset));
        break;
    case PdfAnnotation::Type::Ellipse:
        path.addEllipse(a.rect.adjusted(inset, inset, -inset, -inset));
        break;
    case PdfAnnotation::Type::Ink:
        for (const QPolygonF &stroke : a.paths) {
            if (stroke.isEmpty())
                continue;
            path.moveTo(stroke.first());
            if (stroke.size() == 1)
                path.lineTo(stroke.first() + QPointF(0.01, 0));
            for (qsizetype i = 1; i < stroke.size(); ++i)
                path.lineTo(stroke.at(i));
        }
        break;
    case PdfAnnotation::Type::Arrow:
        if (!a.paths.isEmpty() && a.paths.first().size() >= 2) {
            path.moveTo(a.paths.first().first());
            path.lineTo(a.paths.first().last());
        }
        break;
    default:
        break;
    }
    return path;
}

QPainterPath arrowHead(const PdfAnnotation &a)
{
    QPainterPath path;
    if (a.type != PdfAnnotation::Type::Arrow || a.paths.isEmpty() || a.paths.first().size() < 2)
        return path;
    const QPointF from = a.paths.first().first();
    const QPointF to = a.paths.first().last();
    const QLineF line(to, from);
    if (line.length() <= 0)
        return path;
    const double size = std::max(6.0, a.width * 4);
    QLineF left = QLineF::fromPolar(size, line.angle() + 28).translated(to);
    QLineF right = QLineF::fromPolar(size, line.angle() - 28).translated(to);
    path.moveTo(left.p2());
    path.lineTo(to);
    path.lineTo(right.p2());
    return path;
}

QPainterPath noteIcon(const QRectF &rect)
{
    QPainterPath path;
    const double fold = rect.width() * 0.3;
    path.moveTo(rect.topLeft());
    path.lineTo(rect.right(), rect.top());
    path.lineTo(rect.right(), rect.bottom() - fold);
    path.lineTo(rect.right() - fold, rect.bottom());
    path.lineTo(rect.left(), rect.bottom());
    path.closeSubpath();
    return path;
}

} // namespace annotationgeometry
