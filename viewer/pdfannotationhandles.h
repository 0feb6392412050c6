#pragma once

#include "pdfeditorbackend.h"

#include <QList>
#include <QPointF>

// Where an annotation is grabbed: its handles (corners and edge middles of a box, the two ends
// of an arrow), what a drag on one of them makes of it, and which presses pick it up to move.
// Page points throughout.
class PdfAnnotationHandles
{
public:
    // The handles of an annotation that can be reshaped; none for the others.
    static QList<QPointF> points(const PdfAnnotation &annotation);
    // The annotation after handle (an index into points) was dragged by delta.
    static PdfAnnotation dragged(const PdfAnnotation &annotation, int handle, const QPointF &delta);
    // Arrows show round handles: they move an end, not a side.
    static bool roundHandles(const PdfAnnotation &annotation)
    {
        return annotation.type == PdfAnnotation::Type::Arrow;
    }

    // Whether p (within tolerance) lies on what the annotation shows.
    static bool hits(const PdfAnnotation &annotation, const QPointF &p, double tolerance);
    // Whether a press at p picks the annotation up to move it at once: its line, a filled or
    // opaque body. Text under text markup and inside an empty frame stays for selecting.
    static bool grabsBody(const PdfAnnotation &annotation, const QPointF &p, double tolerance);

    static PdfAnnotation moved(const PdfAnnotation &annotation, const QPointF &delta);
};
