#include "pdfannotationstylemenu.h"

#include "dialogseam.h"
#include "theme.h"

#include <QLabel>
#include <QPainter>
#include <QWidgetAction>

using namespace Qt::StringLiterals;
using Type = PdfAnnotation::Type;

namespace {

QList<std::pair<QString, QColor>> colourPalette()
{
    return {{PdfAnnotationStyleMenu::tr("红色"), QColor(0xE0, 0x52, 0x52)},
            {PdfAnnotationStyleMenu::tr("橙色"), QColor(0xF0, 0x8C, 0x2E)},
            {PdfAnnotationStyleMenu::tr("黄色"), QColor(0xFF, 0xD8, 0x4A)},
            {PdfAnnotationStyleMenu::tr("绿色"), QColor(0x20, 0xA6, 0x6A)},
            {PdfAnnotationStyleMenu::tr("蓝色"), QColor(0x25, 0x59, 0xEB)},
            {PdfAnnotationStyleMenu::tr("黑色"), QColor(0x17, 0x20, 0x33)}};
}

QString number(double value)
{
    return QLocale().toString(value, 'g', 3);
}

} // namespace

QIcon PdfAnnotationStyleMenu::swatch(const QColor &colour, bool chosen)
{
    QPixmap pixmap(36, 36);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(2.5, 2.5, 13, 13);
    painter.setPen(QPen(Theme::color(Theme::borderStrong), 1));
    painter.setBrush(colour.isValid() ? colour : QColor(Qt::white));
    painter.drawRoundedRect(box, 3, 3);
    if (!colour.isValid()) {
        // No colour: an empty square crossed out.
        painter.setPen(QPen(Theme::color(Theme::danger), 1.2));
        painter.drawLine(QPointF(4, 14), QPointF(14, 4));
    }
    if (chosen) {
        // The current choice: ringed, a tick in a colour that stands out on it.
        painter.setPen(QPen(Theme::color(Theme::accent), 1.4));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(box.adjusted(-1.8, -1.8, 1.8, 1.8), 4, 4);
        const bool dark = colour.isValid() && colour.lightnessF() < 0.6;
        painter.setPen(QPen(dark ? QColor(Qt::white) : QColor(0x17, 0x20, 0x33), 1.6, Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({QPointF(5.5, 9.2), QPointF(8, 11.6), QPointF(12.6, 6.4)}));
    }
    return QIcon(pixmap);
}

QIcon PdfAnnotationStyleMenu::tick(bool chosen)
{
    QPixmap pixmap(36, 36);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    if (chosen) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(
            QPen(Theme::color(Theme::accent), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({QPointF(4, 9.5), QPointF(7.5, 13), QPointF(14, 5.5)}));
    }
    return QIcon(pixmap);
}

void PdfAnnotationStyleMenu::addColours(QMenu *menu, const QColor &current,
                                        const QString &namePrefix,
                                        const std::function<void(const QColor &)> &chosen)
{
    bool known = false;
    for (const auto &[name, colour] : colourPalette()) {
        const bool now = current.isValid() && colour.rgb() == current.rgb();
        QAction *action = menu->addAction(swatch(colour, now), name);
        action->setObjectName(namePrefix + colour.name().mid(1));
        action->setCheckable(true);
        action->setChecked(now);
        known = known || action->isChecked();
        connect(action, &QAction::triggered, menu, [chosen, c = colour] { chosen(c); });
    }
    if (current.isValid() && !known) {
        QAction *own = menu->addAction(swatch(current, true), current.name().toUpper());
        own->setObjectName(namePrefix + current.name().mid(1));
        own->setCheckable(true);
        own->setChecked(true);
        connect(own, &QAction::triggered, menu, [chosen, current] { chosen(current); });
    }
    QAction *custom = menu->addAction(tr("自定义…"));
    custom->setObjectName(namePrefix + u"custom"_s);
    QWidget *parent = menu->parentWidget();
    connect(custom, &QAction::triggered, menu, [chosen, current, parent] {
        const QColor colour =
            DialogSeam::getColour(parent ? parent->window() : nullptr, tr("选择颜色"),
                                  current.isValid() ? current : Qt::red);
        if (colour.isValid())
            chosen(colour);
    });
}

PdfAnnotationStyleMenu::PdfAnnotationStyleMenu(const QString &title, PdfAnnotation::Type kind,
                                               const PdfAnnotationStyles::Style &style,
                                               QWidget *parent)
    : RoundedPopupMenu(parent)
    , m_style(style)
{
    setObjectName(u"pdfAnnotationStyleMenu"_s);
    auto *heading = new QLabel(title, this);
    heading->setObjectName(u"pdfStyleMenuTitle"_s);
    heading->setStyleSheet(
        u"QLabel { color: %1; font-size: 12px; padding: 6px 16px 4px 16px; }"_s.arg(
            Theme::textMuted));
    auto *titleAction = new QWidgetAction(this);
    titleAction->setDefaultWidget(heading);
    titleAction->setEnabled(false);
    addAction(titleAction);
    const auto hand = [this](const std::function<void(PdfAnnotationStyles::Style &)> &change) {
        PdfAnnotationStyles::Style changed = m_style;
        change(changed);
        Q_EMIT styleChosen(changed);
    };
    addColours(this, style.colour, u"pdfStyleColour_"_s, [hand](const QColor &colour) {
        hand([colour](PdfAnnotationStyles::Style &s) { s.colour = colour; });
    });
    addSeparator();

    const bool shape = kind == Type::Rectangle || kind == Type::Ellipse;
    const bool lined = shape || kind == Type::Ink || kind == Type::Arrow;
    if (shape) {
        auto *fill = new RoundedPopupMenu(this);
        fill->setObjectName(u"pdfStyleFillMenu"_s);
        fill->setTitle(tr("填充"));
        fill->setIcon(swatch(style.fill));
        QAction *none = fill->addAction(swatch({}, !style.fill.isValid()), tr("无填充"));
        none->setObjectName(u"pdfStyleFill_none"_s);
        none->setCheckable(true);
        none->setChecked(!style.fill.isValid());
        connect(none, &QAction::triggered, this,
                [hand] { hand([](PdfAnnotationStyles::Style &s) { s.fill = QColor(); }); });
        addColours(fill, style.fill, u"pdfStyleFill_"_s, [hand](const QColor &colour) {
            hand([colour](PdfAnnotationStyles::Style &s) { s.fill = colour; });
        });
        addMenu(fill);
    }
    if (lined) {
        addChoices(tr("线宽：%1 磅").arg(number(style.width)), u"pdfStyleWidth_"_s,
                   {{tr("%1 磅").arg(1), 1},
                    {tr("%1 磅").arg(2), 2},
                    {tr("%1 磅").arg(4), 4},
                    {tr("%1 磅").arg(8), 8}},
                   style.width, [](PdfAnnotationStyles::Style &s, double v) { s.width = v; });
        addChoices(style.dashed ? tr("线型：虚线") : tr("线型：实线"), u"pdfStyleLine_"_s,
                   {{tr("实线"), 0}, {tr("虚线"), 1}}, style.dashed ? 1 : 0,
                   [](PdfAnnotationStyles::Style &s, double v) { s.dashed = v > 0; });
    }
    if (kind == Type::FreeText) {
        QList<std::pair<QString, double>> sizes;
        for (double size : {8.0, 10.0, 12.0, 14.0, 18.0, 24.0, 36.0})
            sizes.append({tr("%1 磅").arg(number(size)), size});
        addChoices(tr("字号：%1 磅").arg(number(style.fontSize)), u"pdfStyleFontSize_"_s, sizes,
                   style.fontSize, [](PdfAnnotationStyles::Style &s, double v) { s.fontSize = v; });
    }
    addChoices(tr("不透明度：%1%").arg(qRound(style.opacity * 100)), u"pdfStyleOpacity_"_s,
               {{u"100%"_s, 1.0}, {u"75%"_s, 0.75}, {u"50%"_s, 0.5}, {u"25%"_s, 0.25}},
               style.opacity, [](PdfAnnotationStyles::Style &s, double v) { s.opacity = v; });
}

QMenu *PdfAnnotationStyleMenu::addChoices(
    const QString &title, const QString &namePrefix,
    const QList<std::pair<QString, double>> &choices, double current,
    const std::function<void(PdfAnnotationStyles::Style &, double)> &apply)
{
    auto *menu = new RoundedPopupMenu(this);
    menu->setObjectName(namePrefix + u"menu"_s);
    menu->setTitle(title);
    for (const auto &[text, value] : choices) {
        const bool chosen = qFuzzyCompare(value + 1, current + 1);
        QAction *action = menu->addAction(tick(chosen), text);
        action->setObjectName(namePrefix + QString::number(value));
        action->setCheckable(true);
        action->setChecked(chosen);
        connect(action, &QAction::triggered, this, [this, apply, value] {
            PdfAnnotationStyles::Style changed = m_style;
            apply(changed, value);
            Q_EMIT styleChosen(changed);
        });
    }
    addMenu(menu);
    return menu;
}
