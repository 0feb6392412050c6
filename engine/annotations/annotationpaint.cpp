#include "annotationgeometry.h"
#include "pdfeditorbackend.h"

#include <QFont>
#include <QPainter>

namespace {

QTransform userTurn(const QSizeF &size, int rotation)
{
    switch (((rotation % 360) + 360) % 360) {
    case 90:
        return QTransform(0, 1, -1, 0, size.height(), 0);
    case 180:
        return QTransform(-1, 0, 0, -1, size.width(), size.height());
    case 270:
        return QTransform(0, -1, 1, 0, 0, size.width());
    default:
        return {};
    }
}

void paintOne(QPainter *painter, const PdfAnnotation &a)
{
    using Type = PdfAnnotation::Type;
    painter->save();
    // Set left to right as the file draws it, whatever the interface's direction.
    painter->setLayoutDirection(Qt::LeftToRight);
    painter->setOpacity(std::clamp(a.opacity, 0.0, 1.0));
    QPen pen(a.colour, a.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (a.type) {
    case Type::Highlight:
        painter->setCompositionMode(QPainter::CompositionMode_Multiply);
        painter->setPen(Qt::NoPen);
        painter->setBrush(a.colour);
        for (const QPolygonF &quad : a.quads)
            painter->drawPolygon(quad);
        break;
    case Type::Underline:
    case Type::StrikeOut:
        for (const QPolygonF &quad : a.quads) {
            pen.setWidthF(annotationgeometry::markupThickness(quad));
            pen.setCapStyle(Qt::FlatCap);
            painter->setPen(pen);
            painter->drawLine(annotationgeometry::markupLine(a, quad));
        }
        break;
    case Type::Note: {
        painter->setPen(QPen(a.colour.darker(160), 0.8));
        painter->setBrush(a.colour);
        painter->drawPath(annotationgeometry::noteIcon(a.rect));
        const QRectF r = a.rect;
        for (int i = 1; i <= 3; ++i) {
            const double y = r.top() + r.height() * (0.2 + 0.18 * i);
            painter->drawLine(QPointF(r.left() + r.width() * 0.2, y),
                              QPointF(r.right() - r.width() * 0.2, y));
        }
        break;
    }
    case Type::FreeText: {
        QFont font(QStringLiteral("Helvetica"));
        font.setStyleHint(QFont::SansSerif);
        // Points are the painter's units here.
        font.setPixelSize(std::max(1, qRound(a.fontSize)));
        painter->setFont(font);
        painter->setPen(a.colour);
        const QStringList lines =
            annotationgeometry::wrappedLines(a.text, a.fontSize, a.rect.width() - 4);
        double baseline = a.rect.top() + 2 + a.fontSize * 0.9;
        painter->setClipRect(a.rect);
        for (const QString &line : lines) {
            painter->drawText(QPointF(a.rect.left() + 2, baseline), line);
            baseline += a.fontSize * 1.2;
        }
        break;
    }
    case Type::Ink:
    case Type::Rectangle:
    case Type::Ellipse:
    case Type::Arrow:
        if (!a.dash.isEmpty()) {
            // Qt counts dashes in line widths, the file in points.
            QList<qreal> pattern;
            for (double length : a.dash)
                pattern.append(std::max(length, 0.1) / std::max(a.width, 0.1));
            if (pattern.size() % 2)
                pattern += QList<qreal>(pattern); // PDF repeats an odd pattern
            pen.setDashPattern(pattern);
            pen.setCapStyle(Qt::FlatCap);
        }
        painter->setPen(pen);
        painter->setBrush(a.fill.isValid() && annotationgeometry::fillable(a.type)
                              ? QBrush(a.fill)
                              : QBrush(Qt::NoBrush));
        painter->drawPath(annotationgeometry::strokePath(a));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(annotationgeometry::arrowHead(a));
        break;
    case Type::Other:
        break;
    }
    painter->restore();
}

} // namespace

QRectF PdfEditorBackend::annotationBounds(const PdfAnnotation &a)
{
    QRectF bounds = a.rect;
    for (const QPolygonF &quad : a.quads)
        bounds = bounds.isNull() ? quad.boundingRect() : bounds.united(quad.boundingRect());
    QPainterPath path = annotationgeometry::strokePath(a);
    path.addPath(annotationgeometry::arrowHead(a));
    if (!path.isEmpty()) {
        const double pad = a.width / 2 + 1;
        const QRectF stroke = path.boundingRect().adjusted(-pad, -pad, pad, pad);
        bounds = bounds.isNull() ? stroke : bounds.united(stroke);
    }
    return bounds;
}

void PdfEditorBackend::paintFormValue(QPainter *painter, const PdfFormField &field,
                                      const QRectF &rect)
{
    painter->save();
    painter->setLayoutDirection(Qt::LeftToRight);
    painter->setRenderHint(QPainter::Antialiasing);
    // The page shows the file's value underneath.
    painter->fillRect(rect, Qt::white);
    const QColor ink(0x17, 0x20, 0x33);
    const bool on = !field.value.isEmpty() && field.value == field.onState;
    if (field.kind == PdfFormField::Kind::CheckBox && on) {
        painter->setPen(QPen(ink, std::max(rect.height() / 8, 0.5), Qt::SolidLine, Qt::RoundCap,
                             Qt::RoundJoin));
        painter->drawPolyline(
            QPolygonF({rect.topLeft() + QPointF(rect.width() * 0.2, rect.height() * 0.55),
                       rect.topLeft() + QPointF(rect.width() * 0.42, rect.height() * 0.78),
                       rect.topLeft() + QPointF(rect.width() * 0.8, rect.height() * 0.25)}));
    } else if (field.kind == PdfFormField::Kind::Radio && on) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(ink);
        const double r = std::min(rect.width(), rect.height()) * 0.25;
        painter->drawEllipse(rect.center(), r, r);
    } else if (field.kind == PdfFormField::Kind::Text || field.kind == PdfFormField::Kind::Choice) {
        // The painter's units may be points: the size is set in them, not in pixels.
        const double size = std::clamp(rect.height() * 0.6, 1.0, 28.0);
        QFont font(QStringLiteral("Helvetica"));
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(100);
        painter->setFont(font);
        painter->setPen(ink);
        const double shrink = size / 100;
        painter->translate(rect.left() + rect.height() * 0.1, rect.center().y());
        painter->scale(shrink, shrink);
        painter->drawText(
            QRectF(0, -rect.height() / shrink / 2, rect.width() / shrink, rect.height() / shrink),
            Qt::AlignLeft | Qt::AlignVCenter, field.value);
    }
    painter->restore();
}

void PdfEditorBackend::paintFormValues(QPainter *painter, const QList<PdfFormField> &fields,
                                       const QSizeF &pageSize, int rotation, double scale)
{
    if (fields.isEmpty())
        return;
    painter->save();
    painter->setTransform(userTurn(pageSize, rotation) * QTransform::fromScale(scale, scale), true);
    for (const PdfFormField &field : fields)
        paintFormValue(painter, field, field.rect);
    painter->restore();
}

void PdfEditorBackend::paintAnnotations(QPainter *painter, const QList<PdfAnnotation> &annotations,
                                        const QSizeF &pageSize, int rotation, double scale)
{
    if (annotations.isEmpty())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    painter->setTransform(userTurn(pageSize, rotation) * QTransform::fromScale(scale, scale), true);
    for (const PdfAnnotation &annotation : annotations)
        paintOne(painter, annotation);
    painter->restore();
}
