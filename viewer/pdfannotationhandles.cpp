#include "pdfannotationhandles.h"

#include "pdfannotationmodel.h"

#include <QLineF>
#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>

using Type = PdfAnnotation::Type;

namespace {

// Corners and edge middles, clockwise from the top left.
enum Handle { TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left };

bool isMarkup(Type type)
{
    return type == Type::Highlight || type == Type::Underline || type == Type::StrikeOut;
}

// The box the handles sit on: the annotation's own rectangle where it has one, else what its
// lines cover.
QRectF boxOf(const PdfAnnotation &a)
{
    if (a.type == Type::Ink) {
        QRectF box;
        for (const QPolygonF &path : a.paths)
            box = box.isNull() ? path.boundingRect() : box.united(path.boundingRect());
        return box;
    }
    return a.rect;
}

PdfAnnotation transformed(PdfAnnotation a, const QTransform &t)
{
    if (!a.rect.isNull())
        a.rect = t.mapRect(a.rect);
    for (QPolygonF &quad : a.quads)
        quad = t.map(quad);
    for (QPolygonF &path : a.paths)
        path = t.map(path);
    return a;
}

QPainterPath outline(const PdfAnnotation &a)
{
    QPainterPath path;
    // Frames are stroked inside their rectangle.
    const double inset = a.width / 2;
    switch (a.type) {
    case Type::Rectangle:
        path.addRect(a.rect.adjusted(inset, inset, -inset, -inset));
        break;
    case Type::Ellipse:
        path.addEllipse(a.rect.adjusted(inset, inset, -inset, -inset));
        break;
    case Type::Ink:
    case Type::Arrow:
        for (const QPolygonF &stroke : a.paths) {
            if (stroke.isEmpty())
                continue;
            path.moveTo(stroke.first());
            // A dot is a line too short to see.
            path.lineTo(stroke.size() == 1 ? stroke.first() + QPointF(0.01, 0) : stroke.at(1));
            for (qsizetype i = 2; i < stroke.size(); ++i)
                path.lineTo(stroke.at(i));
        }
        break;
    default:
        break;
    }
    return path;
}

bool nearOutline(const PdfAnnotation &a, const QPointF &p, double tolerance)
{
    QPainterPathStroker stroker;
    stroker.setWidth(a.width + 2 * tolerance);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(outline(a)).contains(p);
}

} // namespace

QList<QPointF> PdfAnnotationHandles::points(const PdfAnnotation &a)
{
    if (!PdfAnnotationModel::canRedraw(a))
        return {};
    if (a.type == Type::Arrow) {
        if (a.paths.isEmpty() || a.paths.first().size() < 2)
            return {};
        return {a.paths.first().first(), a.paths.first().last()};
    }
    if (a.type != Type::Rectangle && a.type != Type::Ellipse && a.type != Type::FreeText &&
        a.type != Type::Ink)
        return {};
    const QRectF r = boxOf(a);
    if (r.isNull())
        return {};
    const QPointF c = r.center();
    return {r.topLeft(),     QPointF(c.x(), r.top()),    r.topRight(),   QPointF(r.right(), c.y()),
            r.bottomRight(), QPointF(c.x(), r.bottom()), r.bottomLeft(), QPointF(r.left(), c.y())};
}

PdfAnnotation PdfAnnotationHandles::dragged(const PdfAnnotation &a, int handle,
                                            const QPointF &delta)
{
    if (a.type == Type::Arrow) {
        PdfAnnotation changed = a;
        if (changed.paths.isEmpty() || changed.paths.first().size() < 2 || handle < 0 || handle > 1)
            return a;
        QPolygonF &line = changed.paths.first();
        const qsizetype end = handle == 0 ? 0 : line.size() - 1;
        line[end] += delta;
        return changed;
    }
    const QRectF box = boxOf(a);
    if (box.isNull() || handle < TopLeft || handle > Left)
        return a;
    // The opposite side stays; the moved one stops short of it.
    constexpr double smallest = 4;
    double left = box.left();
    double right = box.right();
    double top = box.top();
    double bottom = box.bottom();
    if (handle == TopLeft || handle == BottomLeft || handle == Left)
        left = std::min(left + delta.x(), right - smallest);
    if (handle == TopRight || handle == Right || handle == BottomRight)
        right = std::max(right + delta.x(), left + smallest);
    if (handle == TopLeft || handle == Top || handle == TopRight)
        top = std::min(top + delta.y(), bottom - smallest);
    if (handle == BottomLeft || handle == Bottom || handle == BottomRight)
        bottom = std::max(bottom + delta.y(), top + smallest);
    if (a.type != Type::Ink) {
        PdfAnnotation changed = a;
        changed.rect = QRectF(QPointF(left, top), QPointF(right, bottom));
        return changed;
    }
    QTransform t;
    t.translate(left, top);
    t.scale((right - left) / std::max(box.width(), 0.01),
            (bottom - top) / std::max(box.height(), 0.01));
    t.translate(-box.left(), -box.top());
    return transformed(a, t);
}

PdfAnnotation PdfAnnotationHandles::moved(const PdfAnnotation &a, const QPointF &delta)
{
    return transformed(a, QTransform::fromTranslate(delta.x(), delta.y()));
}

bool PdfAnnotationHandles::hits(const PdfAnnotation &a, const QPointF &p, double tolerance)
{
    if (a.type == Type::Ink || a.type == Type::Arrow)
        return nearOutline(a, p, tolerance);
    if (isMarkup(a.type)) {
        for (const QPolygonF &quad : a.quads)
            if (quad.containsPoint(p, Qt::OddEvenFill))
                return true;
        return false;
    }
    return PdfEditorBackend::annotationBounds(a)
        .adjusted(-tolerance, -tolerance, tolerance, tolerance)
        .contains(p);
}

bool PdfAnnotationHandles::grabsBody(const PdfAnnotation &a, const QPointF &p, double tolerance)
{
    if (isMarkup(a.type))
        return false;
    if (a.type == Type::Rectangle || a.type == Type::Ellipse) {
        if (a.fill.isValid())
            return outline(a).contains(p) || nearOutline(a, p, tolerance);
        return nearOutline(a, p, tolerance);
    }
    return hits(a, p, tolerance);
}
