#include "themeiconstyle.h"

#include "theme.h"

#include <QApplication>
#include <QPainter>

void ThemeIconStyle::install()
{
    static bool installed = false;
    if (installed || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    installed = true;
    QApplication::setStyle(new ThemeIconStyle);
}

QPixmap ThemeIconStyle::generatedIconPixmap(QIcon::Mode mode, const QPixmap &pixmap,
                                            const QStyleOption *option) const
{
    if (mode != QIcon::Disabled || !Theme::isDark() || pixmap.isNull())
        return QProxyStyle::generatedIconPixmap(mode, pixmap, option);
    QPixmap faded(pixmap.size());
    faded.setDevicePixelRatio(pixmap.devicePixelRatio());
    faded.fill(Qt::transparent);
    QPainter painter(&faded);
    painter.setOpacity(DisabledOpacity);
    painter.drawPixmap(0, 0, pixmap);
    painter.end();
    return faded;
}
