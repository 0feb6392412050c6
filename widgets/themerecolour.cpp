#include "themerecolour.h"

#include "theme.h"

#include <QApplication>
#include <QHash>
#include <QRegularExpression>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace Theme {

namespace {

QHash<QString, QString> valueMap(bool toDark)
{
    QHash<QString, QString> map;
    for (const Name &name : all) {
        const QString light = QString(name.light).toUpper();
        const QString dark = QString(name.dark).toUpper();
        if (toDark)
            map.insert(light, dark);
        else
            map.insert(dark, light);
    }
    return map;
}

} // namespace

QString recoloured(const QString &styleSheet, bool toDark)
{
    if (styleSheet.isEmpty())
        return styleSheet;
    static const QHash<QString, QString> toDarkMap = valueMap(true);
    static const QHash<QString, QString> toLightMap = valueMap(false);
    const QHash<QString, QString> &map = toDark ? toDarkMap : toLightMap;
    static const QRegularExpression value(u"#(?:[0-9A-Fa-f]{8}|[0-9A-Fa-f]{6})\\b"_s);

    QString result;
    result.reserve(styleSheet.size());
    qsizetype last = 0;
    for (auto it = value.globalMatch(styleSheet); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const auto replacement = map.constFind(match.captured().toUpper());
        if (replacement == map.constEnd())
            continue;
        result += QStringView(styleSheet).mid(last, match.capturedStart() - last);
        result += *replacement;
        last = match.capturedEnd();
    }
    result += QStringView(styleSheet).mid(last);
    return result;
}

void recolourWidgets(bool toDark)
{
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance())) {
        const QString sheet = recoloured(app->styleSheet(), toDark);
        if (sheet != app->styleSheet())
            app->setStyleSheet(sheet);
    }
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        const QString sheet = widget->styleSheet();
        const QString changed = recoloured(sheet, toDark);
        if (changed != sheet)
            widget->setStyleSheet(changed);
    }
    for (QWidget *widget : widgets)
        widget->update();
}

} // namespace Theme
