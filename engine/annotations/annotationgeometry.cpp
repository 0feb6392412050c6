#include "annotationgeometry.h"

#include "pdfeditorbackend.h"
#include "qpdfsupport.h"

#include <QLineF>

#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <algorithm>
#include <cmath>

namespace annotationgeometry {

double markupThickness(const QPolygonF &quad)
{
    if (quad.size() < 4)
        return 1;
    return std::max(0.5, QLineF(quad.at(0), quad.at(3)).length() / 14);
}

QLineF markupLine(const PdfAnnotation &a, const QPolygonF &quad)
{
    if (quad.size() < 4)
        return {};
    // Corners: upper left, upper right, lower right, lower left.
    const double t = a.type == PdfAnnotation::Type::StrikeOut ? 0.5 : 1 - 1.5 / 14;
    const QPointF left = quad.at(0) + (quad.at(3) - quad.at(0)) * t;
    const QPointF right = quad.at(1) + (quad.at(2) - quad.at(1)) * t;
    return {left, right};
}

double helveticaWidth(const QString &text, double fontSize)
{
    // Average Helvetica advances: narrow, wide and the rest, in thousandths of the size.
    double units = 0;
    for (const QChar c : text) {
        if (QStringLiteral("iljtfI.,;:!'|").contains(c) || c == u' ')
            units += 278;
        else if (QStringLiteral("mwMW").contains(c))
            units += 833;
        else if (c.unicode() > 0x2E80)
            units += 1000;
        else if (c.isUpper())
            units += 667;
        else
            units += 556;
    }
    return units * fontSize / 1000.0;
}

QStringList wrappedLines(const QString &text, double fontSize, double width)
{
    QStringList lines;
    for (const QString &paragraph : text.split(u'\n')) {
        QString line;
        for (const QString &word : paragraph.split(u' ')) {
            const QString candidate = line.isEmpty() ? word : line + u' ' + word;
            if (helveticaWidth(candidate, fontSize) <= width) {
                line = candidate;
                continue;
            }
            if (!line.isEmpty())
                lines.append(line);
            // A word wider than the box (text without spaces, as in Chinese) breaks anywhere.
            line.clear();
            for (const QChar c : word) {
                if (!line.isEmpty() && helveticaWidth(line + c, fontSize) > width) {
                    lines.append(line);
                    line.clear();
                }
                line += c;
            }
        }
        lines.append(line);
    }
    return lines;
}

double freeTextHeight(const PdfAnnotation &a)
{
    // Lines 1.2 sizes apart from a first baseline 0.9 sizes below a 2-point margin, the same
    // margin under the last line's descenders.
    const qsizetype lines = wrappedLines(a.text, a.fontSize, a.rect.width() - 4).size();
    return 4 + a.fontSize * 1.2 * double(std::max<qsizetype>(lines, 1));
}

QRectF visibleBox(QPDFObjectHandle page)
{
    QPDFPageObjectHelper helper(page);
    const QPDFObjectHandle::Rectangle media = helper.getMediaBox().getArrayAsRectangle();
    const QPDFObjectHandle::Rectangle crop = helper.getCropBox().getArrayAsRectangle();
    const QRectF m(QPointF(std::min(media.llx, media.urx), std::min(media.lly, media.ury)),
                   QPointF(std::max(media.llx, media.urx), std::max(media.lly, media.ury)));
    const QRectF c(QPointF(std::min(crop.llx, crop.urx), std::min(crop.lly, crop.ury)),
                   QPointF(std::max(crop.llx, crop.urx), std::max(crop.lly, crop.ury)));
    const QRectF both = m.intersected(c);
    return both.isEmpty() ? m : both;
}

namespace {

// Affine maps written out with QTransform's inline parts: signing runs in the command-line
// program, which does not load the GUI library that holds the rest of QTransform.
QRectF mapped(const QTransform &t, const QRectF &r)
{
    const auto at = [&t](double x, double y) {
        return QPointF(t.m11() * x + t.m21() * y + t.dx(), t.m12() * x + t.m22() * y + t.dy());
    };
    const QPointF corners[] = {at(r.left(), r.top()), at(r.right(), r.top()),
                               at(r.left(), r.bottom()), at(r.right(), r.bottom())};
    QPointF low = corners[0];
    QPointF high = corners[0];
    for (const QPointF &corner : corners) {
        low = QPointF(std::min(low.x(), corner.x()), std::min(low.y(), corner.y()));
        high = QPointF(std::max(high.x(), corner.x()), std::max(high.y(), corner.y()));
    }
    return QRectF(low, high);
}

QTransform invertedAffine(const QTransform &t)
{
    const double det = t.m11() * t.m22() - t.m12() * t.m21();
    if (det == 0)
        return {};
    const double a = t.m22() / det;
    const double b = -t.m12() / det;
    const double c = -t.m21() / det;
    const double d = t.m11() / det;
    return QTransform(a, b, c, d, -(t.dx() * a + t.dy() * c), -(t.dx() * b + t.dy() * d));
}

} // namespace

QRectF shownToUserRect(const QRectF &box, int ownRotation, const QRectF &shown)
{
    return mapped(shownToUser(box, ownRotation), shown);
}

QRectF userToShownRect(const QRectF &box, int ownRotation, const QRectF &user)
{
    return mapped(invertedAffine(shownToUser(box, ownRotation)), user);
}

QTransform shownToUser(const QRectF &box, int ownRotation)
{
    // QRectF's top is the smaller coordinate: the lower edge in PDF space.
    const double x0 = box.left();
    const double x1 = box.right();
    const double y0 = box.top();
    const double y1 = box.bottom();
    switch (qpdfsupport::normalizedRotation(ownRotation)) {
    case 90:
        return QTransform(0, 1, 1, 0, x0, y0);
    case 180:
        return QTransform(-1, 0, 0, 1, x1, y0);
    case 270:
        return QTransform(0, -1, -1, 0, x1, y1);
    default:
        return QTransform(1, 0, 0, -1, x0, y1);
    }
}

} // namespace annotationgeometry

QRectF PdfEditorBackend::fittedRect(const PdfAnnotation &annotation)
{
    QRectF rect = annotation.rect;
    if (annotation.type != PdfAnnotation::Type::FreeText || rect.isNull())
        return rect;
    rect.setHeight(std::max(rect.height(), annotationgeometry::freeTextHeight(annotation)));
    return rect;
}
