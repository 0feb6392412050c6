#include "pdfannotationstyles.h"

#include "settingskeys.h"

#include <QSettings>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString key(const QString &tool, const char *name)
{
    return settingskeys::AnnotationStyles + u'/' + tool + u'/' + QLatin1StringView(name);
}

} // namespace

PdfAnnotationStyles &PdfAnnotationStyles::instance()
{
    static PdfAnnotationStyles styles;
    return styles;
}

PdfAnnotationStyles::Style PdfAnnotationStyles::defaultStyle(const QString &tool)
{
    Style style;
    const bool yellow = tool == "highlight"_L1 || tool == "note"_L1;
    style.colour = yellow ? QColor(0xFF, 0xD8, 0x4A) : QColor(0xE0, 0x52, 0x52);
    return style;
}

PdfAnnotationStyles::Style PdfAnnotationStyles::style(const QString &tool) const
{
    const Style fallback = defaultStyle(tool);
    const QSettings settings;
    Style style;
    const QColor colour(settings.value(key(tool, "colour")).toString());
    style.colour = colour.isValid() ? colour : fallback.colour;
    style.fill = QColor(settings.value(key(tool, "fill")).toString());
    style.width =
        std::clamp(settings.value(key(tool, "width"), fallback.width).toDouble(), 0.5, 20.0);
    style.dashed = settings.value(key(tool, "dashed"), false).toBool();
    style.opacity =
        std::clamp(settings.value(key(tool, "opacity"), fallback.opacity).toDouble(), 0.1, 1.0);
    style.fontSize =
        std::clamp(settings.value(key(tool, "fontSize"), fallback.fontSize).toDouble(), 4.0, 96.0);
    return style;
}

void PdfAnnotationStyles::setStyle(const QString &tool, const Style &style)
{
    if (tool.isEmpty() || this->style(tool) == style)
        return;
    QSettings settings;
    settings.setValue(key(tool, "colour"), style.colour.name());
    settings.setValue(key(tool, "fill"), style.fill.isValid() ? style.fill.name() : QString());
    settings.setValue(key(tool, "width"), style.width);
    settings.setValue(key(tool, "dashed"), style.dashed);
    settings.setValue(key(tool, "opacity"), style.opacity);
    settings.setValue(key(tool, "fontSize"), style.fontSize);
    Q_EMIT styleChanged(tool);
}

QString PdfAnnotationStyles::author() const
{
    return QSettings().value(settingskeys::AnnotationAuthor).toString().trimmed();
}

void PdfAnnotationStyles::setAuthor(const QString &name)
{
    if (name.trimmed() == author())
        return;
    QSettings().setValue(settingskeys::AnnotationAuthor, name.trimmed());
    Q_EMIT authorChanged(name.trimmed());
}

QList<double> PdfAnnotationStyles::dashFor(double width)
{
    const double unit = std::max(width, 1.0);
    return {unit * 3, unit * 2};
}

void PdfAnnotationStyles::apply(const Style &style, PdfAnnotation *a)
{
    using Type = PdfAnnotation::Type;
    a->colour = style.colour;
    a->opacity = style.opacity;
    a->width = style.width;
    const bool shape = a->type == Type::Rectangle || a->type == Type::Ellipse;
    a->fill = shape ? style.fill : QColor();
    const bool lined = shape || a->type == Type::Ink || a->type == Type::Arrow;
    a->dash = lined && style.dashed ? dashFor(style.width) : QList<double>();
    if (a->type == Type::FreeText)
        a->fontSize = style.fontSize;
}

PdfAnnotationStyles::Style PdfAnnotationStyles::of(const PdfAnnotation &a)
{
    Style style;
    style.colour = a.colour;
    style.fill = a.fill;
    style.width = a.width;
    style.dashed = !a.dash.isEmpty();
    style.opacity = a.opacity;
    style.fontSize = a.fontSize;
    return style;
}
