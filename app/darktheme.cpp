#include "darktheme.h"

#include "settingskeys.h"
#include "theme.h"
#include "themeiconstyle.h"
#include "themerecolour.h"

#include <QApplication>
#include <QPalette>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {} // namespace

namespace DarkTheme {

bool saved()
{
    return QSettings().value(settingskeys::Theme).toString() == u"dark"_s;
}

void applySaved()
{
    Theme::setDark(saved());
    // Nothing is built yet; this has glyphs shown light from the start.
    if (Theme::isDark()) {
        ThemeIconStyle::install();
        Theme::recolourWidgets(true);
    }
}

bool isEnabled()
{
    return Theme::isDark();
}

QPalette applicationPalette()
{
    // The platform's palette, taken before the first change, under both themes.
    static const QPalette platform = QApplication::palette();
    QPalette palette = platform;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, Theme::color(Theme::surface));
        palette.setColor(group, QPalette::Base, Theme::color(Theme::surface));
        palette.setColor(group, QPalette::WindowText, Theme::color(Theme::textPrimary));
        palette.setColor(group, QPalette::Text, Theme::color(Theme::textPrimary));
        palette.setColor(group, QPalette::ButtonText, Theme::color(Theme::textPrimary));
        palette.setColor(group, QPalette::Highlight, Theme::color(Theme::accent));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
        if (!Theme::isDark())
            continue;
        // Unstyled controls (check boxes, scroll bars, spin boxes) follow the theme too.
        palette.setColor(group, QPalette::Button, Theme::color(Theme::lightSurface));
        palette.setColor(group, QPalette::AlternateBase, Theme::color(Theme::lightSurface));
        palette.setColor(group, QPalette::ToolTipBase, Theme::color(Theme::toolTipBackground));
        palette.setColor(group, QPalette::ToolTipText, Theme::color(Theme::surface));
        palette.setColor(group, QPalette::PlaceholderText, Theme::color(Theme::textMuted));
    }
    if (!Theme::isDark())
        return palette;
    palette.setColor(QPalette::Disabled, QPalette::Text, Theme::color(Theme::textMuted));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, Theme::color(Theme::textMuted));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, Theme::color(Theme::textMuted));
    return palette;
}

void setEnabled(bool dark)
{
    QSettings().setValue(settingskeys::Theme, dark ? u"dark"_s : u"light"_s);
    if (dark == Theme::isDark())
        return;
    Theme::setDark(dark);
    if (dark)
        ThemeIconStyle::install();
    QApplication::setPalette(applicationPalette());
    Theme::recolourWidgets(dark);
}

} // namespace DarkTheme
