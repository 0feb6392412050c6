#pragma once

#include "pdftypes.h"

#include <QPointF>
#include <QSizeF>

class QImage;
class QPDF;
class QPDFObjectHandle;

// Page numbers drawn over pages: into a written page's content, or over a rendered image, at
// the same place.
namespace pagestamp {

enum class Anchor { Left, Centre, Right };

// Where the text goes on a page shown at displaySize (points, y upwards from the bottom edge):
// the point is the anchor on the baseline.
QPointF placement(const QSizeF &displaySize, PdfStampPosition position, double fontSize,
                  Anchor *anchor);

// Width of text in Helvetica, in points.
double textWidth(const QString &text, double fontSize);

// Adds the page's stamp to its content. rotation is the page's /Rotate as written; font is
// a Helvetica font dictionary shared by the output (made with helveticaFont).
void stampPage(QPDF &pdf, QPDFObjectHandle page, int rotation, const PdfSourcePage &spec,
               QPDFObjectHandle font);
QPDFObjectHandle helveticaFont(QPDF &pdf);

// Draws the page's stamp over a rendering of the page as it is shown: the whole page, or the
// part of a pageSize rendering that starts at offset.
void paintOnImage(QImage *image, const PdfSourcePage &spec, const QSize &pageSize = {},
                  const QPoint &offset = {});

} // namespace pagestamp
