#pragma once

#include "pdfannotationstyles.h"
#include "roundedpopupmenu.h"

#include <functional>

// How one annotation tool (or the chosen annotation) draws: colours from a palette or any
// colour, and as far as the kind has them fill, line width, line style, opacity and font size,
// the current choice ticked. Every choice is handed on at once.
class PdfAnnotationStyleMenu : public RoundedPopupMenu
{
    Q_OBJECT

public:
    PdfAnnotationStyleMenu(const QString &title, PdfAnnotation::Type kind,
                           const PdfAnnotationStyles::Style &style, QWidget *parent);

    // The palette's colour entries and "custom…" added to menu; chosen gets a valid colour.
    static void addColours(QMenu *menu, const QColor &current, const QString &namePrefix,
                           const std::function<void(const QColor &)> &chosen);
    // A colour's square (crossed out for none), ringed and ticked when it is the current one.
    static QIcon swatch(const QColor &colour, bool chosen = false);
    // A tick for the current one of other choices, room for it beside the rest.
    static QIcon tick(bool chosen);

Q_SIGNALS:
    void styleChosen(const PdfAnnotationStyles::Style &style);

private:
    QMenu *addChoices(const QString &title, const QString &namePrefix,
                      const QList<std::pair<QString, double>> &choices, double current,
                      const std::function<void(PdfAnnotationStyles::Style &, double)> &apply);

    PdfAnnotationStyles::Style m_style;
};
