#pragma once

#include "pdftypes.h"

#include <QPainterPath>
#include <QRectF>
#include <QTransform>

class QPDFObjectHandle;

// Shapes of annotations (the outlines in annotationshapes.cpp), shared by the painter over page
// images and the appearance streams written into files, so that both look alike.
namespace annotationgeometry {

// The outline an annotation draws, in its page's points (as the page shows itself). Closed
// shapes for text markup, notes and free text boxes; open ones for ink, rectangles and arrows.
QPainterPath strokePath(const PdfAnnotation &annotation);
// Rectangles and ellipses have an interior that may be filled.
inline bool fillable(PdfAnnotation::Type type)
{
    return type == PdfAnnotation::Type::Rectangle || type == PdfAnnotation::Type::Ellipse;
}
// The arrow head at the end of an arrow.
QPainterPath arrowHead(const PdfAnnotation &annotation);
// A text line: the part of quad where the line of an underline or strike-out runs.
QLineF markupLine(const PdfAnnotation &annotation, const QPolygonF &quad);
double markupThickness(const QPolygonF &quad);
// The note icon inside rect.
QPainterPath noteIcon(const QRectF &rect);
// The lines of a free text broken to its box width (Helvetica metrics).
QStringList wrappedLines(const QString &text, double fontSize, double width);
double helveticaWidth(const QString &text, double fontSize);
// The height a free text box needs for its wrapped lines.
double freeTextHeight(const PdfAnnotation &annotation);

// The visible box of a page (crop box clipped to the media box) in the page's own space.
QRectF visibleBox(QPDFObjectHandle page);
// Maps points of a page as it shows itself (own rotation, origin top-left) to its own space.
QTransform shownToUser(const QRectF &box, int ownRotation);
// A box in points as the page shows itself, in the page's own space, and back again.
QRectF shownToUserRect(const QRectF &box, int ownRotation, const QRectF &shown);
QRectF userToShownRect(const QRectF &box, int ownRotation, const QRectF &user);

} // namespace annotationgeometry
