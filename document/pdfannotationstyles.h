#pragma once

#include "pdfeditorbackend.h"

#include <QObject>

// What each annotation tool draws with, remembered in the settings ("annotations/<tool>/…"),
// and the author name new annotations carry ("annotations/author"). One for the program, so
// every viewer tab draws alike.
class PdfAnnotationStyles : public QObject
{
    Q_OBJECT

public:
    struct Style
    {
        QColor colour;
        QColor fill; // rectangles and ellipses; none when invalid
        double width = 2.0;
        bool dashed = false;
        double opacity = 1.0;
        double fontSize = 12.0; // free text

        friend bool operator==(const Style &, const Style &) = default;
    };

    static PdfAnnotationStyles &instance();

    Style style(const QString &tool) const;
    void setStyle(const QString &tool, const Style &style);
    static Style defaultStyle(const QString &tool);

    // The name set by the user; empty when none was set.
    QString author() const;
    void setAuthor(const QString &name);

    // An annotation of the tool's kind drawn with the style, and the style an annotation shows.
    static void apply(const Style &style, PdfAnnotation *annotation);
    static Style of(const PdfAnnotation &annotation);
    // Dashes scale with the line, so a thick dashed line still reads as dashed.
    static QList<double> dashFor(double width);

Q_SIGNALS:
    void styleChanged(const QString &tool);
    void authorChanged(const QString &name);

private:
    PdfAnnotationStyles() = default;
};
