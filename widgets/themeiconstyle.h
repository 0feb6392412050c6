#pragma once

#include <QProxyStyle>

// The application's style under the dark theme: a disabled icon is its own glyph faded. The
// common greying maps a glyph between black and the window colour by its grey, which keeps the
// light glyphs of the dark theme as light as when enabled.
class ThemeIconStyle : public QProxyStyle
{
    Q_OBJECT

public:
    static constexpr double DisabledOpacity = 0.35;

    using QProxyStyle::QProxyStyle;

    // Puts the style on the application once; it acts only while the theme is dark.
    static void install();

    QPixmap generatedIconPixmap(QIcon::Mode mode, const QPixmap &pixmap,
                                const QStyleOption *option) const override;
};
